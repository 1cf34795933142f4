#include "cli/option_table.h"

#include "platform/file_time.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "settings/option_codes.h"
#include "settings/settings_fields.h"

#include <array>
#include <string>

namespace ravelin {

namespace {

using K = OptionKind;

// clang-format off
constexpr std::array kOptions = {
    OptionRow{"--DDS-LOAD-AS", K::Token, &Setting("Input/DDS Load As")},
    OptionRow{"--GIF-FRAME-LOADING", K::Token, &Setting("Input/GIF Frame Loading")},
    OptionRow{"--ICO-FRAME-LOADING", K::Token, &Setting("Input/ICO Frame Loading")},
    OptionRow{"--PSD-COLOR-MODE", K::Token, &Setting("Input/PSD Color Mode")},
    OptionRow{"--RAW-LOAD-AS", K::Token, &Setting("Input/RAW Load As")},
    OptionRow{"--RAW-HEADER-SIZE", K::Integer, &Setting("Input/RAW Header Size")},
    OptionRow{"--RAW-WIDTH", K::Integer, &Setting("Input/RAW Image Width")},
    OptionRow{"--RAW-HEIGHT", K::Integer, &Setting("Input/RAW Image Height")},
    OptionRow{"--RAW-TONE-MAPPING", K::Token, &Setting("Input/RAW Tone Mapping")},
    OptionRow{"--TIFF-FRAME-LOADING", K::Token, &Setting("Input/TIFF Frame Loading")},
    OptionRow{"--BMP-BPP", K::Integer, &Setting("Output/BMP BPP")},
    OptionRow{"--BMP-COMPRESSION", K::Token, &Setting("Output/BMP Compression")},
    OptionRow{"--BMP-COLOR-TABLE", K::Token, &Setting("Output/BMP Color Table")},
    OptionRow{"--DDS-BPP", K::Integer, &Setting("Output/DDS BPP")},
    OptionRow{"--EXR-BPP", K::Integer, &Setting("Output/EXR BPP")},
    OptionRow{"--EXR-COMPRESSION", K::Token, &Setting("Output/EXR Compression")},
    OptionRow{"--GIF-BPP", K::Integer, &Setting("Output/GIF BPP")},
    OptionRow{"--HDR-BPP", K::Integer, &Setting("Output/HDR BPP")},
    OptionRow{"--ICO-BPP", K::Integer, &Setting("Output/ICO BPP")},
    OptionRow{"--J2K-BPP", K::Integer, &Setting("Output/J2K BPP")},
    OptionRow{"--JNG-BPP", K::Integer, &Setting("Output/JNG BPP")},
    OptionRow{"--JP2-BPP", K::Integer, &Setting("Output/JP2 BPP")},
    OptionRow{"--JPG-BPP", K::Integer, &Setting("Output/JPG BPP")},
    OptionRow{"--JPG-QUALITY", K::Integer, &Setting("Output/JPG Quality")},
    OptionRow{"--JPG-CHROMA", K::Token, &Setting("Output/JPG Chroma")},
    OptionRow{"--JPG-SAVE-AS", K::Token, &Setting("Output/JPG Save As")},
    OptionRow{"--JXR-BPP", K::Integer, &Setting("Output/JXR BPP")},
    OptionRow{"--PBM-BPP", K::Integer, &Setting("Output/PBM BPP")},
    OptionRow{"--PCX-BPP", K::Integer, &Setting("Output/PCX BPP")},
    OptionRow{"--PFM-BPP", K::Integer, &Setting("Output/PFM BPP")},
    OptionRow{"--PGM-BPP", K::Integer, &Setting("Output/PGM BPP")},
    OptionRow{"--PNG-BPP", K::Integer, &Setting("Output/PNG BPP")},
    OptionRow{"--PNG-COMPRESSION", K::Token, &Setting("Output/PNG Compression")},
    OptionRow{"--PNG-INTERLACED", K::Flag, &Setting("Output/PNG Interlaced")},
    OptionRow{"--PPM-BPP", K::Integer, &Setting("Output/PPM BPP")},
    OptionRow{"--PSD-BPP", K::Integer, &Setting("Output/PSD BPP")},
    OptionRow{"--TGA-BPP", K::Integer, &Setting("Output/TGA BPP")},
    OptionRow{"--TGA-COMPRESSION", K::Token, &Setting("Output/TGA Compression")},
    OptionRow{"--TIFF-BPP", K::Integer, &Setting("Output/TIFF BPP")},
    OptionRow{"--TIFF-COMPRESSION", K::Token, &Setting("Output/TIFF Compression")},
    OptionRow{"--TIFF-COLOR-MODE", K::Token, &Setting("Output/TIFF Color Mode")},
    OptionRow{"--WBMP-BPP", K::Integer, &Setting("Output/WBMP BPP")},
    OptionRow{"--WEBP-BPP", K::Integer, &Setting("Output/WEBP BPP")},
    OptionRow{"--WEBP-QUALITY", K::Integer, &Setting("Output/WEBP Quality")},
    OptionRow{"--XPM-BPP", K::Integer, &Setting("Output/XPM BPP")},
    OptionRow{"--ROTATION-TYPE", K::Token, &Setting("Transform/Image Rotation Type")},
    OptionRow{"--ROTATION", K::Integer, &Setting("Transform/Image Rotation"), &Setting("Transform/Do Image Rotation")},
    OptionRow{"--ROTATION-BACK-COLOR", K::Text, &Setting("Transform/Image Rotation Back Color")},
    OptionRow{"--WIDTH", K::Integer, &Setting("Transform/Image Width"), &Setting("Transform/Do Image Resize")},
    OptionRow{"--WIDTH-UNIT", K::Token, &Setting("Transform/Image Width Unit")},
    OptionRow{"--HEIGHT", K::Integer, &Setting("Transform/Image Height"), &Setting("Transform/Do Image Resize")},
    OptionRow{"--HEIGHT-UNIT", K::Token, &Setting("Transform/Image Height Unit")},
    OptionRow{"--KEEP-ASPECT-RATIO", K::Flag, &Setting("Transform/Keep Aspect Ratio")},
    OptionRow{"--RESIZE-TYPE", K::Token, &Setting("Transform/Image Resize Type")},
    OptionRow{"--RESIZE-ALGORITHM", K::Token, &Setting("Transform/Image Resize Algorithm")},
    OptionRow{"--FLIP-HORIZONTAL", K::Flag, &Setting("Transform/Do Image Flip Horizontal")},
    OptionRow{"--FLIP-VERTICAL", K::Flag, &Setting("Transform/Do Image Flip Vertical")},
    OptionRow{"--BRIGHTNESS", K::Integer, &Setting("Adjustment/Image Brightness"), &Setting("Adjustment/Do Image Color Correction")},
    OptionRow{"--CONTRAST", K::Integer, &Setting("Adjustment/Image Contrast"), &Setting("Adjustment/Do Image Color Correction")},
    OptionRow{"--GAMMA", K::Decimal, &Setting("Adjustment/Image Gamma"), &Setting("Adjustment/Do Image Color Correction")},
    OptionRow{"--INVERT", K::Flag, &Setting("Adjustment/Image Invert"), &Setting("Adjustment/Do Image Color Correction")},
    OptionRow{"--GREYSCALE", K::Flag, &Setting("Adjustment/Do Image Greyscale")},
    OptionRow{"--THRESHOLD", K::Integer, &Setting("Adjustment/Image Threshold"), &Setting("Adjustment/Do Image Threshold")},
    OptionRow{"--DITHER", K::Token, &Setting("Adjustment/Image Dither Algorithm"), &Setting("Adjustment/Do Image Dither")},
    OptionRow{"--FR-SOLID-LEFT", K::Integer, &Setting("Frame/Solid Left"), &Setting("Frame/Do Frame")},
    OptionRow{"--FR-SOLID-RIGHT", K::Integer, &Setting("Frame/Solid Right"), &Setting("Frame/Do Frame")},
    OptionRow{"--FR-SOLID-TOP", K::Integer, &Setting("Frame/Solid Top"), &Setting("Frame/Do Frame")},
    OptionRow{"--FR-SOLID-BOTTOM", K::Integer, &Setting("Frame/Solid Bottom"), &Setting("Frame/Do Frame")},
    OptionRow{"--FR-SOLID-LEFT-COLOR", K::Text, &Setting("Frame/Solid Left Color")},
    OptionRow{"--FR-SOLID-RIGHT-COLOR", K::Text, &Setting("Frame/Solid Right Color")},
    OptionRow{"--FR-SOLID-TOP-COLOR", K::Text, &Setting("Frame/Solid Top Color")},
    OptionRow{"--FR-SOLID-BOTTOM-COLOR", K::Text, &Setting("Frame/Solid Bottom Color")},
    OptionRow{"--FR-SOLID-OPACITY", K::Integer, &Setting("Frame/Solid Opacity")},
    OptionRow{"--WM-TEXT", K::Text, &Setting("Watermark/Text"), &Setting("Watermark/Do Watermark"), CodeOf(WatermarkType::Text)},
    OptionRow{"--WM-FONT", K::Text, &Setting("Watermark/Font")},
    OptionRow{"--WM-FONT-SIZE", K::Integer, &Setting("Watermark/Font Size")},
    OptionRow{"--WM-FONT-LEADING", K::Integer, &Setting("Watermark/Font Leading")},
    OptionRow{"--WM-FONT-COLOR", K::Text, &Setting("Watermark/Font Color")},
    OptionRow{"--WM-FONT-STYLE", K::Token, &Setting("Watermark/Font Style")},
    OptionRow{"--WM-FONT-EFFECT", K::Token, &Setting("Watermark/Font Effect")},
    OptionRow{"--WM-TEXT-ANTIALIASING", K::Flag, &Setting("Watermark/Text Antialiasing")},
    OptionRow{"--WM-TEXT-ALIGNMENT", K::Token, &Setting("Watermark/Text Alignment")},
    OptionRow{"--WM-TEXT-PADDING", K::Integer, &Setting("Watermark/Text Padding")},
    OptionRow{"--WM-TEXT-OPACITY", K::Integer, &Setting("Watermark/Text Opacity")},
    OptionRow{"--WM-BACK-COLOR", K::Text, &Setting("Watermark/Back Color")},
    OptionRow{"--WM-BACK-OPACITY", K::Integer, &Setting("Watermark/Back Opacity")},
    OptionRow{"--WM-TEXT-BOUNDARY", K::Token, &Setting("Watermark/Text Boundary")},
    OptionRow{"--WM-TEXT-POSITION", K::Token, &Setting("Watermark/Text Position")},
    OptionRow{"--WM-TEXT-X-OFFSET", K::Integer, &Setting("Watermark/Text X Offset")},
    OptionRow{"--WM-TEXT-Y-OFFSET", K::Integer, &Setting("Watermark/Text Y Offset")},
    OptionRow{"--WM-TEXT-ROTATION", K::Integer, &Setting("Watermark/Text Rotation")},
    OptionRow{"--WM-TEXT-SIZE", K::Token, &Setting("Watermark/Text Size")},
    OptionRow{"--WM-IMAGE", K::Text, &Setting("Watermark/Image"), &Setting("Watermark/Do Watermark"), CodeOf(WatermarkType::Image)},
    OptionRow{"--WM-IMAGE-GREYSCALE", K::Flag, &Setting("Watermark/Image Greyscale")},
    OptionRow{"--WM-IMAGE-OPACITY", K::Integer, &Setting("Watermark/Image Opacity")},
    OptionRow{"--WM-IMAGE-BOUNDARY", K::Token, &Setting("Watermark/Image Boundary")},
    OptionRow{"--WM-IMAGE-POSITION", K::Token, &Setting("Watermark/Image Position")},
    OptionRow{"--WM-IMAGE-X-OFFSET", K::Integer, &Setting("Watermark/Image X Offset")},
    OptionRow{"--WM-IMAGE-Y-OFFSET", K::Integer, &Setting("Watermark/Image Y Offset")},
    OptionRow{"--WM-IMAGE-ROTATION", K::Integer, &Setting("Watermark/Image Rotation")},
    OptionRow{"--WM-IMAGE-SIZE", K::Token, &Setting("Watermark/Image Size")},
    OptionRow{"--FILENAME-MASK", K::Text, &Setting("Advanced/Filename Mask")},
    OptionRow{"--FILE-TIMESTAMP", K::Token, &Setting("Advanced/File Timestamp")},
    OptionRow{"--FILE-TIMESTAMP-CUSTOM", K::Integer, &Setting("Advanced/Custom Timestamp")},
    OptionRow{"--NO-SUBFOLDERS", K::FlagOff, &Setting("Advanced/Keep Subfolders")},
};
// clang-format on

constexpr OptionRow kProfileFrameOpacity{"--WM-SOLID-OPACITY", K::Integer, &Setting("Frame/Solid Opacity")};

// A number read for `field`: one that does not fit the field's width reads as no number (0), so that the
// console's range checks refuse it instead of taking a wrapped value. A date must also be one a file can carry.
long long NumberFor(const SettingField& field, std::string_view text) {
    switch (field.kind) {
        case FieldKind::Flag:
        case FieldKind::Code8:
        case FieldKind::Byte: return ParseOptionInteger(text, 8);
        case FieldKind::Date: {
            const std::int64_t date = ParseOptionInteger(text, 64);
            return IsFileDate(date) ? date : 0;
        }
        default: return ParseOptionInteger(text, 32);
    }
}

}  // namespace

std::span<const OptionRow> OptionTable() {
    return kOptions;
}

const OptionRow* FindOption(std::string_view name) {
    for (const OptionRow& row : kOptions) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

const OptionRow* FindProfileOption(std::string_view name) {
    if (name == kProfileFrameOpacity.name) return &kProfileFrameOpacity;
    if (name == "--FR-SOLID-OPACITY") return nullptr;
    return FindOption(name);
}

std::string OptionNameOf(const SettingField& field) {
    for (const OptionRow& row : kOptions) {
        if (row.target == &field) return ToLower(row.name.substr(2));
    }
    return {};
}

void ApplyOption(const OptionRow& row, std::string_view value, Settings& settings) {
    const SettingField* target = row.target;
    switch (row.kind) {
        case K::Flag: SetInteger(settings, *target, 1); break;
        case K::FlagOff: SetInteger(settings, *target, 0); break;
        case K::Integer: SetInteger(settings, *target, NumberFor(*target, value)); break;
        case K::Decimal: SetFloat(settings, *target, ParseLeadingFloat(value)); break;
        case K::Token: SetInteger(settings, *target, TokenToCode(target->family, TrimBlanks(value))); break;
        case K::Text: SetText(settings, *target, std::string(value)); break;
    }
    if (row.alsoSets) SetInteger(settings, *row.alsoSets, row.alsoValue);
}

}  // namespace ravelin
