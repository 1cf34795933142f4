#include "settings/settings_fields.h"

#include "settings/option_codes.h"
#include "platform/text.h"

#include <array>
#include <type_traits>

namespace ravelin {

namespace {

using K = FieldKind;
constexpr int F(OptionFamily family) {
    return static_cast<int>(family);
}
using OF = OptionFamily;
constexpr const char* kColours = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

// clang-format off
const std::array kFields = {
    SettingField{"General", "CFG", K::Int, &Settings::cfg, "19"},
    SettingField{"General", "Language", K::String, &Settings::language, "en"},
    SettingField{"General", "Update Range", K::Int, &Settings::updateRange, "2"},
    SettingField{"General", "Update Date", K::Date, &Settings::updateDate, "<now>"},
    SettingField{"General", "Save Window Position", K::Flag, &Settings::saveWindowPosition, "1"},
    SettingField{"Window", "IsMaximized", K::Flag, &Settings::windowIsMaximized, "0"},
    SettingField{"Window", "Width", K::Int, &Settings::windowWidth, "510"},
    SettingField{"Window", "Height", K::Int, &Settings::windowHeight, "260"},
    SettingField{"Window", "X", K::Int, &Settings::windowX, "<centre-x>"},
    SettingField{"Window", "Y", K::Int, &Settings::windowY, "<centre-y>"},
    SettingField{"Interface", "UI Theme", K::String, &Settings::uiTheme, "handdrawn"},
    SettingField{"Interface", "UI Size", K::Int, &Settings::uiSize, "2"},
    SettingField{"Input", "Format", K::String, &Settings::inputFormat, "<first-input>"},
    SettingField{"Input", "DDS Load As", K::Code32, &Settings::ddsLoadAs, "0", F(OF::DdsLoadMode)},
    SettingField{"Input", "GIF Frame Loading", K::Code32, &Settings::gifFrameLoading, "0", F(OF::FrameSelection)},
    SettingField{"Input", "ICO Frame Loading", K::Code32, &Settings::icoFrameLoading, "0", F(OF::FrameSelection)},
    SettingField{"Input", "TIFF Frame Loading", K::Code32, &Settings::tiffFrameLoading, "0", F(OF::FrameSelection)},
    SettingField{"Input", "PSD Color Mode", K::Code32, &Settings::psdColorMode, "0", F(OF::ColorModel)},
    SettingField{"Input", "RAW Load As", K::Code32, &Settings::rawLoadAs, "0", F(OF::RawLoadMode)},
    SettingField{"Input", "RAW Header Size", K::Int, &Settings::rawHeaderSize, "0"},
    SettingField{"Input", "RAW Image Width", K::Int, &Settings::rawImageWidth, "0"},
    SettingField{"Input", "RAW Image Height", K::Int, &Settings::rawImageHeight, "0"},
    SettingField{"Input", "RAW Tone Mapping", K::Code32, &Settings::rawToneMapping, "2", F(OF::ToneMapping)},
    SettingField{"Output", "Format", K::String, &Settings::outputFormat, "<first-output>"},
    SettingField{"Output", "BMP BPP", K::Depth, &Settings::bmpBpp, "0"},
    SettingField{"Output", "BMP Compression", K::Code32, &Settings::bmpCompression, "0", F(OF::Compression)},
    SettingField{"Output", "BMP Color Table", K::Code32, &Settings::bmpColorTable, "0", F(OF::ColorTableMode)},
    SettingField{"Output", "DDS BPP", K::Depth, &Settings::ddsBpp, "0"},
    SettingField{"Output", "EXR BPP", K::Depth, &Settings::exrBpp, "0"},
    SettingField{"Output", "EXR Compression", K::Code32, &Settings::exrCompression, "0", F(OF::Compression)},
    SettingField{"Output", "GIF BPP", K::Depth, &Settings::gifBpp, "0"},
    SettingField{"Output", "HDR BPP", K::Depth, &Settings::hdrBpp, "0"},
    SettingField{"Output", "ICO BPP", K::Depth, &Settings::icoBpp, "0"},
    SettingField{"Output", "J2K BPP", K::Depth, &Settings::j2kBpp, "0"},
    SettingField{"Output", "JNG BPP", K::Depth, &Settings::jngBpp, "0"},
    SettingField{"Output", "JP2 BPP", K::Depth, &Settings::jp2Bpp, "0"},
    SettingField{"Output", "JPG BPP", K::Depth, &Settings::jpgBpp, "0"},
    SettingField{"Output", "JPG Quality", K::Int, &Settings::jpgQuality, "95"},
    SettingField{"Output", "JPG Chroma", K::Code32, &Settings::jpgChroma, "0", F(OF::ChromaSubsampling)},
    SettingField{"Output", "JPG Save As", K::Code32, &Settings::jpgSaveAs, "0", F(OF::JpegEncoding)},
    SettingField{"Output", "JXR BPP", K::Depth, &Settings::jxrBpp, "0"},
    SettingField{"Output", "PBM BPP", K::Depth, &Settings::pbmBpp, "0"},
    SettingField{"Output", "PCX BPP", K::Depth, &Settings::pcxBpp, "0"},
    SettingField{"Output", "PFM BPP", K::Depth, &Settings::pfmBpp, "0"},
    SettingField{"Output", "PGM BPP", K::Depth, &Settings::pgmBpp, "0"},
    SettingField{"Output", "PNG BPP", K::Depth, &Settings::pngBpp, "0"},
    SettingField{"Output", "PNG Compression", K::Code32, &Settings::pngCompression, "0", F(OF::Compression)},
    SettingField{"Output", "PNG Interlaced", K::Flag, &Settings::pngInterlaced, "0"},
    SettingField{"Output", "PPM BPP", K::Depth, &Settings::ppmBpp, "0"},
    SettingField{"Output", "PSD BPP", K::Depth, &Settings::psdBpp, "0"},
    SettingField{"Output", "TGA BPP", K::Depth, &Settings::tgaBpp, "0"},
    SettingField{"Output", "TGA Compression", K::Code32, &Settings::tgaCompression, "0", F(OF::Compression)},
    SettingField{"Output", "TIFF BPP", K::Depth, &Settings::tiffBpp, "0"},
    SettingField{"Output", "TIFF Compression", K::Code32, &Settings::tiffCompression, "0", F(OF::Compression)},
    SettingField{"Output", "TIFF Color Mode", K::Code32, &Settings::tiffColorMode, "0", F(OF::ColorModel)},
    SettingField{"Output", "WBMP BPP", K::Depth, &Settings::wbmpBpp, "0"},
    SettingField{"Output", "WEBP BPP", K::Depth, &Settings::webpBpp, "0"},
    SettingField{"Output", "WEBP Quality", K::Int, &Settings::webpQuality, "100"},
    SettingField{"Output", "XPM BPP", K::Depth, &Settings::xpmBpp, "0"},
    SettingField{"Transform", "Do Image Rotation", K::Flag, &Settings::doRotation, "0"},
    SettingField{"Transform", "Image Rotation Type", K::Code8, &Settings::rotationType, "0", F(OF::RotationType)},
    SettingField{"Transform", "Image Rotation", K::Int, &Settings::rotation, "0"},
    SettingField{"Transform", "Image Rotation Back Color", K::Colour, &Settings::rotationBackColor, "000000"},
    SettingField{"Transform", "Do Image Resize", K::Flag, &Settings::doResize, "0"},
    SettingField{"Transform", "Image Width", K::Int, &Settings::width, "0"},
    SettingField{"Transform", "Image Width Unit", K::Code8, &Settings::widthUnit, "0", F(OF::SizeUnit)},
    SettingField{"Transform", "Image Height", K::Int, &Settings::height, "0"},
    SettingField{"Transform", "Image Height Unit", K::Code8, &Settings::heightUnit, "0", F(OF::SizeUnit)},
    SettingField{"Transform", "Keep Aspect Ratio", K::Flag, &Settings::keepAspectRatio, "1"},
    SettingField{"Transform", "Image Resize Type", K::Code8, &Settings::resizeType, "0", F(OF::ResizeScope)},
    SettingField{"Transform", "Image Resize Algorithm", K::Code8, &Settings::resizeAlgorithm, "3", F(OF::ResizeFilter)},
    SettingField{"Transform", "Do Image Flip Horizontal", K::Flag, &Settings::doFlipHorizontal, "0"},
    SettingField{"Transform", "Do Image Flip Vertical", K::Flag, &Settings::doFlipVertical, "0"},
    SettingField{"Adjustment", "Do Image Color Correction", K::Flag, &Settings::doColorCorrection, "0"},
    SettingField{"Adjustment", "Image Brightness", K::Int, &Settings::brightness, "0"},
    SettingField{"Adjustment", "Image Contrast", K::Int, &Settings::contrast, "0"},
    SettingField{"Adjustment", "Image Gamma", K::Float, &Settings::gamma, "1.0"},
    SettingField{"Adjustment", "Image Invert", K::Flag, &Settings::invert, "0"},
    SettingField{"Adjustment", "Do Image Greyscale", K::Flag, &Settings::doGreyscale, "0"},
    SettingField{"Adjustment", "Do Image Threshold", K::Flag, &Settings::doThreshold, "0"},
    SettingField{"Adjustment", "Image Threshold", K::Int, &Settings::threshold, "0"},
    SettingField{"Adjustment", "Do Image Dither", K::Flag, &Settings::doDither, "0"},
    SettingField{"Adjustment", "Image Dither Algorithm", K::Code8, &Settings::ditherAlgorithm, "0", F(OF::DitherAlgorithm)},
    SettingField{"Frame", "Do Frame", K::Code8, &Settings::doFrame, "0", F(OF::FrameType)},
    SettingField{"Frame", "Solid Left", K::Int, &Settings::frameLeft, "0"},
    SettingField{"Frame", "Solid Right", K::Int, &Settings::frameRight, "0"},
    SettingField{"Frame", "Solid Top", K::Int, &Settings::frameTop, "0"},
    SettingField{"Frame", "Solid Bottom", K::Int, &Settings::frameBottom, "0"},
    SettingField{"Frame", "Solid Left Color", K::Colour, &Settings::frameLeftColor, "000000"},
    SettingField{"Frame", "Solid Right Color", K::Colour, &Settings::frameRightColor, "000000"},
    SettingField{"Frame", "Solid Top Color", K::Colour, &Settings::frameTopColor, "000000"},
    SettingField{"Frame", "Solid Bottom Color", K::Colour, &Settings::frameBottomColor, "000000"},
    SettingField{"Frame", "Solid Opacity", K::Int, &Settings::frameOpacity, "255"},
    SettingField{"Watermark", "Do Watermark", K::Code8, &Settings::doWatermark, "0", F(OF::WatermarkType)},
    SettingField{"Watermark", "Text", K::String, &Settings::wmText, "<vendor-notice>"},
    SettingField{"Watermark", "Fonts", K::String, &Settings::wmFonts, "Arial,Tahoma,Verdana"},
    SettingField{"Watermark", "Font", K::String, &Settings::wmFont, "Arial"},
    SettingField{"Watermark", "Font Size", K::Int, &Settings::wmFontSize, "14"},
    SettingField{"Watermark", "Font Leading", K::Int, &Settings::wmFontLeading, "0"},
    SettingField{"Watermark", "Font Colors", K::String, &Settings::wmFontColors, kColours},
    SettingField{"Watermark", "Font Color", K::Colour, &Settings::wmFontColor, "FFFFFF"},
    SettingField{"Watermark", "Font Style", K::Code8, &Settings::wmFontStyle, "0", F(OF::FontStyle)},
    SettingField{"Watermark", "Font Effect", K::Code8, &Settings::wmFontEffect, "0", F(OF::FontEffect)},
    SettingField{"Watermark", "Text Antialiasing", K::Flag, &Settings::wmTextAntialiasing, "0"},
    SettingField{"Watermark", "Text Alignment", K::Code8, &Settings::wmTextAlignment, "0", F(OF::TextAlignment)},
    SettingField{"Watermark", "Text Padding", K::Int, &Settings::wmTextPadding, "0"},
    SettingField{"Watermark", "Text Opacity", K::Int, &Settings::wmTextOpacity, "255"},
    SettingField{"Watermark", "Back Colors", K::String, &Settings::wmBackColors, kColours},
    SettingField{"Watermark", "Back Color", K::Colour, &Settings::wmBackColor, "000000"},
    SettingField{"Watermark", "Back Opacity", K::Int, &Settings::wmBackOpacity, "1"},
    SettingField{"Watermark", "Text Boundary", K::Code8, &Settings::wmTextBoundary, "0", F(OF::WatermarkBoundary)},
    SettingField{"Watermark", "Text Position", K::Code8, &Settings::wmTextPosition, "8", F(OF::AnchorPosition)},
    SettingField{"Watermark", "Text X Offset", K::Int, &Settings::wmTextXOffset, "10"},
    SettingField{"Watermark", "Text Y Offset", K::Int, &Settings::wmTextYOffset, "10"},
    SettingField{"Watermark", "Text Rotation", K::Int, &Settings::wmTextRotation, "0"},
    SettingField{"Watermark", "Text Size", K::Code8, &Settings::wmTextSize, "0", F(OF::WatermarkSizeMode)},
    SettingField{"Watermark", "Text Scale", K::Int, &Settings::wmTextScale, "10"},
    SettingField{"Watermark", "Image", K::String, &Settings::wmImage, ""},
    SettingField{"Watermark", "Image Greyscale", K::Flag, &Settings::wmImageGreyscale, "0"},
    SettingField{"Watermark", "Image Opacity", K::Int, &Settings::wmImageOpacity, "255"},
    SettingField{"Watermark", "Image Boundary", K::Code8, &Settings::wmImageBoundary, "0", F(OF::WatermarkBoundary)},
    SettingField{"Watermark", "Image Position", K::Code8, &Settings::wmImagePosition, "8", F(OF::AnchorPosition)},
    SettingField{"Watermark", "Image X Offset", K::Int, &Settings::wmImageXOffset, "10"},
    SettingField{"Watermark", "Image Y Offset", K::Int, &Settings::wmImageYOffset, "10"},
    SettingField{"Watermark", "Image Rotation", K::Int, &Settings::wmImageRotation, "0"},
    SettingField{"Watermark", "Image Size", K::Code8, &Settings::wmImageSize, "0", F(OF::WatermarkSizeMode)},
    SettingField{"Watermark", "Image Scale", K::Int, &Settings::wmImageScale, "10"},
    SettingField{"Advanced", "Filename Mask", K::String, &Settings::filenameMask, "%filename%.%ext%"},
    SettingField{"Advanced", "File Timestamp", K::Code8, &Settings::fileTimestamp, "0", F(OF::TimestampMode)},
    SettingField{"Advanced", "Custom Timestamp", K::Date, &Settings::customTimestamp, "<now>"},
    SettingField{"Advanced", "Out Folders History", K::Flag, &Settings::outFoldersHistory, "1"},
    SettingField{"Advanced", "Out Folders Number", K::Byte, &Settings::outFoldersNumber, "5"},
    SettingField{"Advanced", "Keep Subfolders", K::Flag, &Settings::keepSubfolders, "1"},
    SettingField{"File", "Recent Out Folders", K::String, &Settings::recentOutFolders, ""},
    SettingField{"File", "Recent Files", K::String, &Settings::recentFiles, ""},
    SettingField{"Privacy", "Clean Recent Files", K::Flag, &Settings::cleanRecentFiles, "0"},
};
// clang-format on

template <typename T>
T* Member(Settings& settings, const SettingField& field) {
    auto* pointer = std::get_if<T Settings::*>(&field.field);
    return pointer ? &(settings.**pointer) : nullptr;
}

template <typename T>
const T* Member(const Settings& settings, const SettingField& field) {
    return Member<T>(const_cast<Settings&>(settings), field);
}

}  // namespace

std::string SettingField::name() const {
    std::string text(section);
    text += '/';
    text += key;
    return text;
}

std::span<const SettingField> SettingFields() {
    return kFields;
}

const SettingField* FindSetting(std::string_view name) {
    const auto slash = name.find('/');
    if (slash == std::string_view::npos) return nullptr;
    const std::string_view section = name.substr(0, slash);
    const std::string_view key = name.substr(slash + 1);
    for (const SettingField& field : kFields) {
        if (EqualsIgnoreCase(field.section, section) && EqualsIgnoreCase(field.key, key)) return &field;
    }
    return nullptr;
}

long long GetInteger(const Settings& settings, const SettingField& field) {
    if (const auto* value = Member<std::int8_t>(settings, field)) return *value;
    if (const auto* value = Member<std::int32_t>(settings, field)) return *value;
    if (const auto* value = Member<Date>(settings, field)) return *value;
    return 0;
}

void SetInteger(Settings& settings, const SettingField& field, long long value) {
    if (auto* target = Member<std::int8_t>(settings, field)) *target = static_cast<std::int8_t>(value);
    if (auto* target = Member<std::int32_t>(settings, field)) *target = static_cast<std::int32_t>(value);
    if (auto* target = Member<Date>(settings, field)) *target = static_cast<Date>(value);
}

float GetFloat(const Settings& settings, const SettingField& field) {
    const auto* value = Member<float>(settings, field);
    return value ? *value : 0.0f;
}

void SetFloat(Settings& settings, const SettingField& field, float value) {
    if (auto* target = Member<float>(settings, field)) *target = value;
}

const std::string& GetText(const Settings& settings, const SettingField& field) {
    static const std::string kEmpty;
    const auto* value = Member<std::string>(settings, field);
    return value ? *value : kEmpty;
}

void SetText(Settings& settings, const SettingField& field, std::string value) {
    if (auto* target = Member<std::string>(settings, field)) *target = std::move(value);
}

long long GetInteger(const Settings& settings, std::string_view name) {
    const SettingField* field = FindSetting(name);
    return field ? GetInteger(settings, *field) : 0;
}

}  // namespace ravelin
