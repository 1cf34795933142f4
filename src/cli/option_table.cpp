#include "cli/option_table.h"

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
    OptionRow{"--DDS-LOAD-AS", K::Token, "Input/DDS Load As"},
    OptionRow{"--GIF-FRAME-LOADING", K::Token, "Input/GIF Frame Loading"},
    OptionRow{"--ICO-FRAME-LOADING", K::Token, "Input/ICO Frame Loading"},
    OptionRow{"--PSD-COLOR-MODE", K::Token, "Input/PSD Color Mode"},
    OptionRow{"--RAW-LOAD-AS", K::Token, "Input/RAW Load As"},
    OptionRow{"--RAW-HEADER-SIZE", K::Integer, "Input/RAW Header Size"},
    OptionRow{"--RAW-WIDTH", K::Integer, "Input/RAW Image Width"},
    OptionRow{"--RAW-HEIGHT", K::Integer, "Input/RAW Image Height"},
    OptionRow{"--RAW-TONE-MAPPING", K::Token, "Input/RAW Tone Mapping"},
    OptionRow{"--TIFF-FRAME-LOADING", K::Token, "Input/TIFF Frame Loading"},
    OptionRow{"--BMP-BPP", K::Integer, "Output/BMP BPP"},
    OptionRow{"--BMP-COMPRESSION", K::Token, "Output/BMP Compression"},
    OptionRow{"--BMP-COLOR-TABLE", K::Token, "Output/BMP Color Table"},
    OptionRow{"--DDS-BPP", K::Integer, "Output/DDS BPP"},
    OptionRow{"--EXR-BPP", K::Integer, "Output/EXR BPP"},
    OptionRow{"--EXR-COMPRESSION", K::Token, "Output/EXR Compression"},
    OptionRow{"--GIF-BPP", K::Integer, "Output/GIF BPP"},
    OptionRow{"--HDR-BPP", K::Integer, "Output/HDR BPP"},
    OptionRow{"--ICO-BPP", K::Integer, "Output/ICO BPP"},
    OptionRow{"--J2K-BPP", K::Integer, "Output/J2K BPP"},
    OptionRow{"--JNG-BPP", K::Integer, "Output/JNG BPP"},
    OptionRow{"--JP2-BPP", K::Integer, "Output/JP2 BPP"},
    OptionRow{"--JPG-BPP", K::Integer, "Output/JPG BPP"},
    OptionRow{"--JPG-QUALITY", K::Integer, "Output/JPG Quality"},
    OptionRow{"--JPG-CHROMA", K::Token, "Output/JPG Chroma"},
    OptionRow{"--JPG-SAVE-AS", K::Token, "Output/JPG Save As"},
    OptionRow{"--JXR-BPP", K::Integer, "Output/JXR BPP"},
    OptionRow{"--PBM-BPP", K::Integer, "Output/PBM BPP"},
    OptionRow{"--PCX-BPP", K::Integer, "Output/PCX BPP"},
    OptionRow{"--PFM-BPP", K::Integer, "Output/PFM BPP"},
    OptionRow{"--PGM-BPP", K::Integer, "Output/PGM BPP"},
    OptionRow{"--PNG-BPP", K::Integer, "Output/PNG BPP"},
    OptionRow{"--PNG-COMPRESSION", K::Token, "Output/PNG Compression"},
    OptionRow{"--PNG-INTERLACED", K::Flag, "Output/PNG Interlaced"},
    OptionRow{"--PPM-BPP", K::Integer, "Output/PPM BPP"},
    OptionRow{"--PSD-BPP", K::Integer, "Output/PSD BPP"},
    OptionRow{"--TGA-BPP", K::Integer, "Output/TGA BPP"},
    OptionRow{"--TGA-COMPRESSION", K::Token, "Output/TGA Compression"},
    OptionRow{"--TIFF-BPP", K::Integer, "Output/TIFF BPP"},
    OptionRow{"--TIFF-COMPRESSION", K::Token, "Output/TIFF Compression"},
    OptionRow{"--TIFF-COLOR-MODE", K::Token, "Output/TIFF Color Mode"},
    OptionRow{"--WBMP-BPP", K::Integer, "Output/WBMP BPP"},
    OptionRow{"--WEBP-BPP", K::Integer, "Output/WEBP BPP"},
    OptionRow{"--WEBP-QUALITY", K::Integer, "Output/WEBP Quality"},
    OptionRow{"--XPM-BPP", K::Integer, "Output/XPM BPP"},
    OptionRow{"--ROTATION-TYPE", K::Token, "Transform/Image Rotation Type"},
    OptionRow{"--ROTATION", K::Integer, "Transform/Image Rotation", "Transform/Do Image Rotation"},
    OptionRow{"--ROTATION-BACK-COLOR", K::Text, "Transform/Image Rotation Back Color"},
    OptionRow{"--WIDTH", K::Integer, "Transform/Image Width", "Transform/Do Image Resize"},
    OptionRow{"--WIDTH-UNIT", K::Token, "Transform/Image Width Unit"},
    OptionRow{"--HEIGHT", K::Integer, "Transform/Image Height", "Transform/Do Image Resize"},
    OptionRow{"--HEIGHT-UNIT", K::Token, "Transform/Image Height Unit"},
    OptionRow{"--KEEP-ASPECT-RATIO", K::Flag, "Transform/Keep Aspect Ratio"},
    OptionRow{"--RESIZE-TYPE", K::Token, "Transform/Image Resize Type"},
    OptionRow{"--RESIZE-ALGORITHM", K::Token, "Transform/Image Resize Algorithm"},
    OptionRow{"--FLIP-HORIZONTAL", K::Flag, "Transform/Do Image Flip Horizontal"},
    OptionRow{"--FLIP-VERTICAL", K::Flag, "Transform/Do Image Flip Vertical"},
    OptionRow{"--BRIGHTNESS", K::Integer, "Adjustment/Image Brightness", "Adjustment/Do Image Color Correction"},
    OptionRow{"--CONTRAST", K::Integer, "Adjustment/Image Contrast", "Adjustment/Do Image Color Correction"},
    OptionRow{"--GAMMA", K::Decimal, "Adjustment/Image Gamma", "Adjustment/Do Image Color Correction"},
    OptionRow{"--INVERT", K::Flag, "Adjustment/Image Invert", "Adjustment/Do Image Color Correction"},
    OptionRow{"--GREYSCALE", K::Flag, "Adjustment/Do Image Greyscale"},
    OptionRow{"--THRESHOLD", K::Integer, "Adjustment/Image Threshold", "Adjustment/Do Image Threshold"},
    OptionRow{"--DITHER", K::Token, "Adjustment/Image Dither Algorithm", "Adjustment/Do Image Dither"},
    OptionRow{"--FR-SOLID-LEFT", K::Integer, "Frame/Solid Left", "Frame/Do Frame"},
    OptionRow{"--FR-SOLID-RIGHT", K::Integer, "Frame/Solid Right", "Frame/Do Frame"},
    OptionRow{"--FR-SOLID-TOP", K::Integer, "Frame/Solid Top", "Frame/Do Frame"},
    OptionRow{"--FR-SOLID-BOTTOM", K::Integer, "Frame/Solid Bottom", "Frame/Do Frame"},
    OptionRow{"--FR-SOLID-LEFT-COLOR", K::Text, "Frame/Solid Left Color"},
    OptionRow{"--FR-SOLID-RIGHT-COLOR", K::Text, "Frame/Solid Right Color"},
    OptionRow{"--FR-SOLID-TOP-COLOR", K::Text, "Frame/Solid Top Color"},
    OptionRow{"--FR-SOLID-BOTTOM-COLOR", K::Text, "Frame/Solid Bottom Color"},
    OptionRow{"--FR-SOLID-OPACITY", K::Integer, "Frame/Solid Opacity"},
    OptionRow{"--WM-TEXT", K::Text, "Watermark/Text", "Watermark/Do Watermark", 1},
    OptionRow{"--WM-FONT", K::Text, "Watermark/Font"},
    OptionRow{"--WM-FONT-SIZE", K::Integer, "Watermark/Font Size"},
    OptionRow{"--WM-FONT-LEADING", K::Integer, "Watermark/Font Leading"},
    OptionRow{"--WM-FONT-COLOR", K::Text, "Watermark/Font Color"},
    OptionRow{"--WM-FONT-STYLE", K::Token, "Watermark/Font Style"},
    OptionRow{"--WM-FONT-EFFECT", K::Token, "Watermark/Font Effect"},
    OptionRow{"--WM-TEXT-ANTIALIASING", K::Flag, "Watermark/Text Antialiasing"},
    OptionRow{"--WM-TEXT-ALIGNMENT", K::Token, "Watermark/Text Alignment"},
    OptionRow{"--WM-TEXT-PADDING", K::Integer, "Watermark/Text Padding"},
    OptionRow{"--WM-TEXT-OPACITY", K::Integer, "Watermark/Text Opacity"},
    OptionRow{"--WM-BACK-COLOR", K::Text, "Watermark/Back Color"},
    OptionRow{"--WM-BACK-OPACITY", K::Integer, "Watermark/Back Opacity"},
    OptionRow{"--WM-TEXT-BOUNDARY", K::Token, "Watermark/Text Boundary"},
    OptionRow{"--WM-TEXT-POSITION", K::Token, "Watermark/Text Position"},
    OptionRow{"--WM-TEXT-X-OFFSET", K::Integer, "Watermark/Text X Offset"},
    OptionRow{"--WM-TEXT-Y-OFFSET", K::Integer, "Watermark/Text Y Offset"},
    OptionRow{"--WM-TEXT-ROTATION", K::Integer, "Watermark/Text Rotation"},
    OptionRow{"--WM-TEXT-SIZE", K::Token, "Watermark/Text Size"},
    OptionRow{"--WM-IMAGE", K::Text, "Watermark/Image", "Watermark/Do Watermark", 2},
    OptionRow{"--WM-IMAGE-GREYSCALE", K::Flag, "Watermark/Image Greyscale"},
    OptionRow{"--WM-IMAGE-OPACITY", K::Integer, "Watermark/Image Opacity"},
    OptionRow{"--WM-IMAGE-BOUNDARY", K::Token, "Watermark/Image Boundary"},
    OptionRow{"--WM-IMAGE-POSITION", K::Token, "Watermark/Image Position"},
    OptionRow{"--WM-IMAGE-X-OFFSET", K::Integer, "Watermark/Image X Offset"},
    OptionRow{"--WM-IMAGE-Y-OFFSET", K::Integer, "Watermark/Image Y Offset"},
    OptionRow{"--WM-IMAGE-ROTATION", K::Integer, "Watermark/Image Rotation"},
    OptionRow{"--WM-IMAGE-SIZE", K::Token, "Watermark/Image Size"},
    OptionRow{"--FILENAME-MASK", K::Text, "Advanced/Filename Mask"},
    OptionRow{"--FILE-TIMESTAMP", K::Token, "Advanced/File Timestamp"},
    OptionRow{"--FILE-TIMESTAMP-CUSTOM", K::Integer, "Advanced/Custom Timestamp"},
    OptionRow{"--NO-SUBFOLDERS", K::FlagOff, "Advanced/Keep Subfolders"},
};
// clang-format on

constexpr OptionRow kProfileFrameOpacity{"--WM-SOLID-OPACITY", K::Integer, "Frame/Solid Opacity"};

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

void ApplyOption(const OptionRow& row, std::string_view value, Settings& settings) {
    const SettingField* target = FindSetting(row.target);
    if (!target) return;
    switch (row.kind) {
        case K::Flag: SetInteger(settings, *target, 1); break;
        case K::FlagOff: SetInteger(settings, *target, 0); break;
        case K::Integer: SetInteger(settings, *target, ParseOptionInteger(value)); break;
        case K::Decimal: SetFloat(settings, *target, ParseLeadingFloat(value)); break;
        case K::Token: SetInteger(settings, *target, TokenToCode(target->family, TrimBlanks(value))); break;
        case K::Text: SetText(settings, *target, std::string(value)); break;
    }
    if (!row.alsoSets.empty()) {
        if (const SettingField* also = FindSetting(row.alsoSets)) SetInteger(settings, *also, row.alsoValue);
    }
}

}  // namespace ravelin
