#pragma once
// Every setting declared once: section, key, kind, where the record holds it, its default, its range, the
// option family of a coded value and the format a per-format key belongs to. The defaults, the
// configuration file, the option table, the console's checks and listing, the encoder and the save flags
// all read this table; nothing else spells a setting's name or its default.

#include "settings/option_codes.h"
#include "settings/settings.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace ravelin {

enum class FieldKind { Flag, Code8, Code32, Int, Byte, Float, Date, String, Colour, Depth };

// Typed access to one member of the record (or of a member's member), as plain function pointers so that
// the table stays a constant.
struct FieldAccess {
    long long (*getInteger)(const Settings&) = nullptr;
    void (*setInteger)(Settings&, long long) = nullptr;
    float (*getFloat)(const Settings&) = nullptr;
    void (*setFloat)(Settings&, float) = nullptr;
    std::string& (*text)(Settings&) = nullptr;
};

namespace field_access {

template <auto Member>
constexpr auto& Reach(Settings& settings) {
    return settings.*Member;
}
template <auto Outer, auto Inner>
constexpr auto& Reach(Settings& settings) {
    return (settings.*Outer).*Inner;
}

}  // namespace field_access

template <auto... Path>
constexpr FieldAccess AccessTo() {
    using field_access::Reach;
    using T = std::remove_cvref_t<decltype(Reach<Path...>(std::declval<Settings&>()))>;
    FieldAccess access;
    if constexpr (std::is_same_v<T, std::string>) {
        access.text = [](Settings& s) -> std::string& { return Reach<Path...>(s); };
    } else if constexpr (std::is_floating_point_v<T>) {
        access.getFloat = [](const Settings& s) { return Reach<Path...>(const_cast<Settings&>(s)); };
        access.setFloat = [](Settings& s, float value) { Reach<Path...>(s) = value; };
    } else if constexpr (std::is_enum_v<T>) {
        using U = std::underlying_type_t<T>;
        access.getInteger = [](const Settings& s) {
            return static_cast<long long>(static_cast<U>(Reach<Path...>(const_cast<Settings&>(s))));
        };
        // Truncated to the code's width, as a C assignment would.
        access.setInteger = [](Settings& s, long long value) { Reach<Path...>(s) = static_cast<T>(static_cast<U>(value)); };
    } else {
        static_assert(std::is_integral_v<T>);
        access.getInteger = [](const Settings& s) { return static_cast<long long>(Reach<Path...>(const_cast<Settings&>(s))); };
        access.setInteger = [](Settings& s, long long value) { Reach<Path...>(s) = static_cast<T>(value); };
    }
    return access;
}

// Defaults that are not a fixed value are computed when the profile is applied.
enum class DefaultRule { Value, Now, CentredX, CentredY, FirstInput, FirstOutput, VendorNotice };

struct FieldDefault {
    DefaultRule rule = DefaultRule::Value;
    double number = 0;      // flags, codes, numbers
    std::string_view text;  // strings and colours
};

constexpr FieldDefault Num(double number) {
    return {DefaultRule::Value, number, {}};
}
constexpr FieldDefault Str(std::string_view text) {
    return {DefaultRule::Value, 0, text};
}
constexpr FieldDefault Rule(DefaultRule rule) {
    return {rule, 0, {}};
}

struct SettingField {
    std::string_view section;
    std::string_view key;
    FieldKind kind;
    FieldAccess access;
    FieldDefault initial;
    bool hasRange = false;
    double minimum = 0, maximum = 0;           // inclusive, where hasRange
    OptionFamily family = OptionFamily::None;  // of a coded value
    std::span<const std::string_view> tokens;  // this format's compression tokens, in code order
    std::string_view format;                   // lower-case extension of a per-format key
    std::string_view listLabel;                // the console listing's label where it is not the key

    std::string name() const;  // "Section/Key"
    constexpr bool IsNamed(std::string_view name) const {
        return name.size() == section.size() + 1 + key.size() && name.starts_with(section) &&
               name[section.size()] == '/' && name.ends_with(key);
    }
    template <typename T>
    constexpr bool InRange(T value) const {
        if (!hasRange) return true;
        return value >= static_cast<T>(minimum) && value <= static_cast<T>(maximum);
    }

    constexpr SettingField Range(double low, double high) const {
        SettingField copy = *this;
        copy.hasRange = true, copy.minimum = low, copy.maximum = high;
        return copy;
    }
    constexpr SettingField Codes(OptionFamily codes, std::span<const std::string_view> formatTokens = {}) const {
        SettingField copy = *this;
        copy.family = codes, copy.tokens = formatTokens;
        return copy;
    }
    constexpr SettingField Of(std::string_view extension) const {
        SettingField copy = *this;
        copy.format = extension;
        return copy;
    }
    constexpr SettingField Listed(std::string_view label) const {
        SettingField copy = *this;
        copy.listLabel = label;
        return copy;
    }
};

constexpr SettingField Row(std::string_view section, std::string_view key, FieldKind kind, FieldAccess access,
                           FieldDefault initial) {
    return {section, key, kind, access, initial};
}

inline constexpr std::string_view kOfferedColours = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

// clang-format off
namespace settings_table {
using K = FieldKind;
using OF = OptionFamily;
using D = DefaultRule;
using S = Settings;
using P = WatermarkPlacement;

// Default visibility even inside a module built with hidden visibility: the window module then shares the
// executable's one table, so that a field's address is its identity everywhere.
[[gnu::visibility("default")]] inline constexpr std::array kFields = {
    Row("General", "CFG", K::Int, AccessTo<&S::cfg>(), Num(19)),
    Row("General", "Language", K::String, AccessTo<&S::language>(), Str("en")),
    Row("General", "Update Range", K::Int, AccessTo<&S::updateRange>(), Num(2)).Range(0, 5),
    Row("General", "Update Date", K::Date, AccessTo<&S::updateDate>(), Rule(D::Now)),
    Row("General", "Save Window Position", K::Flag, AccessTo<&S::saveWindowPosition>(), Num(1)),
    Row("Window", "IsMaximized", K::Flag, AccessTo<&S::windowIsMaximized>(), Num(0)),
    Row("Window", "Width", K::Int, AccessTo<&S::windowWidth>(), Num(510)),
    Row("Window", "Height", K::Int, AccessTo<&S::windowHeight>(), Num(260)),
    Row("Window", "X", K::Int, AccessTo<&S::windowX>(), Rule(D::CentredX)),
    Row("Window", "Y", K::Int, AccessTo<&S::windowY>(), Rule(D::CentredY)),
    Row("Interface", "UI Theme", K::String, AccessTo<&S::uiTheme>(), Str("handdrawn")),
    Row("Interface", "UI Size", K::Int, AccessTo<&S::uiSize>(), Num(2)).Range(0, 4),
    Row("Input", "Format", K::String, AccessTo<&S::inputFormat>(), Rule(D::FirstInput)),
    Row("Input", "DDS Load As", K::Code32, AccessTo<&S::ddsLoadAs>(), Num(0)).Codes(OF::DdsLoadMode).Of("dds"),
    Row("Input", "GIF Frame Loading", K::Code32, AccessTo<&S::gifFrameLoading>(), Num(0)).Codes(OF::FrameSelection).Of("gif"),
    Row("Input", "ICO Frame Loading", K::Code32, AccessTo<&S::icoFrameLoading>(), Num(0)).Codes(OF::FrameSelection).Of("ico"),
    Row("Input", "TIFF Frame Loading", K::Code32, AccessTo<&S::tiffFrameLoading>(), Num(0)).Codes(OF::FrameSelection).Of("tiff"),
    Row("Input", "PSD Color Mode", K::Code32, AccessTo<&S::psdColorMode>(), Num(0)).Codes(OF::ColorModel).Of("psd"),
    Row("Input", "RAW Load As", K::Code32, AccessTo<&S::rawLoadAs>(), Num(0)).Codes(OF::RawLoadMode).Of("raw"),
    Row("Input", "RAW Header Size", K::Int, AccessTo<&S::rawHeaderSize>(), Num(0)).Of("raw"),
    Row("Input", "RAW Image Width", K::Int, AccessTo<&S::rawImageWidth>(), Num(0)).Of("raw"),
    Row("Input", "RAW Image Height", K::Int, AccessTo<&S::rawImageHeight>(), Num(0)).Of("raw"),
    Row("Input", "RAW Tone Mapping", K::Code32, AccessTo<&S::rawToneMapping>(), Num(2)).Codes(OF::ToneMapping).Of("raw"),
    Row("Output", "Format", K::String, AccessTo<&S::outputFormat>(), Rule(D::FirstOutput)),
    Row("Output", "BMP BPP", K::Depth, AccessTo<&S::bmpBpp>(), Num(0)).Of("bmp"),
    Row("Output", "BMP Compression", K::Code32, AccessTo<&S::bmpCompression>(), Num(0)).Codes(OF::Compression, kRleCompressionTokens).Of("bmp"),
    Row("Output", "BMP Color Table", K::Code32, AccessTo<&S::bmpColorTable>(), Num(0)).Codes(OF::ColorTableMode).Of("bmp"),
    Row("Output", "DDS BPP", K::Depth, AccessTo<&S::ddsBpp>(), Num(0)).Of("dds"),
    Row("Output", "EXR BPP", K::Depth, AccessTo<&S::exrBpp>(), Num(0)).Of("exr"),
    Row("Output", "EXR Compression", K::Code32, AccessTo<&S::exrCompression>(), Num(0)).Codes(OF::Compression, kExrCompressionTokens).Of("exr"),
    Row("Output", "GIF BPP", K::Depth, AccessTo<&S::gifBpp>(), Num(0)).Of("gif"),
    Row("Output", "HDR BPP", K::Depth, AccessTo<&S::hdrBpp>(), Num(0)).Of("hdr"),
    Row("Output", "ICO BPP", K::Depth, AccessTo<&S::icoBpp>(), Num(0)).Of("ico"),
    Row("Output", "J2K BPP", K::Depth, AccessTo<&S::j2kBpp>(), Num(0)).Of("j2k"),
    Row("Output", "JNG BPP", K::Depth, AccessTo<&S::jngBpp>(), Num(0)).Of("jng"),
    Row("Output", "JP2 BPP", K::Depth, AccessTo<&S::jp2Bpp>(), Num(0)).Of("jp2"),
    Row("Output", "JPG BPP", K::Depth, AccessTo<&S::jpgBpp>(), Num(0)).Of("jpg"),
    Row("Output", "JPG Quality", K::Int, AccessTo<&S::jpgQuality>(), Num(95)).Range(1, 100).Of("jpg"),
    Row("Output", "JPG Chroma", K::Code32, AccessTo<&S::jpgChroma>(), Num(0)).Codes(OF::ChromaSubsampling).Of("jpg").Listed("JPG Chroma Subsampling"),
    Row("Output", "JPG Save As", K::Code32, AccessTo<&S::jpgSaveAs>(), Num(0)).Codes(OF::JpegEncoding).Of("jpg"),
    Row("Output", "JXR BPP", K::Depth, AccessTo<&S::jxrBpp>(), Num(0)).Of("jxr"),
    Row("Output", "PBM BPP", K::Depth, AccessTo<&S::pbmBpp>(), Num(0)).Of("pbm"),
    Row("Output", "PCX BPP", K::Depth, AccessTo<&S::pcxBpp>(), Num(0)).Of("pcx"),
    Row("Output", "PFM BPP", K::Depth, AccessTo<&S::pfmBpp>(), Num(0)).Of("pfm"),
    Row("Output", "PGM BPP", K::Depth, AccessTo<&S::pgmBpp>(), Num(0)).Of("pgm"),
    Row("Output", "PNG BPP", K::Depth, AccessTo<&S::pngBpp>(), Num(0)).Of("png"),
    Row("Output", "PNG Compression", K::Code32, AccessTo<&S::pngCompression>(), Num(0)).Codes(OF::Compression, kPngCompressionTokens).Of("png"),
    Row("Output", "PNG Interlaced", K::Flag, AccessTo<&S::pngInterlaced>(), Num(0)).Of("png"),
    Row("Output", "PPM BPP", K::Depth, AccessTo<&S::ppmBpp>(), Num(0)).Of("ppm"),
    Row("Output", "PSD BPP", K::Depth, AccessTo<&S::psdBpp>(), Num(0)).Of("psd"),
    Row("Output", "TGA BPP", K::Depth, AccessTo<&S::tgaBpp>(), Num(0)).Of("tga"),
    Row("Output", "TGA Compression", K::Code32, AccessTo<&S::tgaCompression>(), Num(0)).Codes(OF::Compression, kRleCompressionTokens).Of("tga"),
    Row("Output", "TIFF BPP", K::Depth, AccessTo<&S::tiffBpp>(), Num(0)).Of("tiff"),
    Row("Output", "TIFF Compression", K::Code32, AccessTo<&S::tiffCompression>(), Num(0)).Codes(OF::Compression, kTiffCompressionTokens).Of("tiff"),
    Row("Output", "TIFF Color Mode", K::Code32, AccessTo<&S::tiffColorMode>(), Num(0)).Codes(OF::ColorModel).Of("tiff"),
    Row("Output", "WBMP BPP", K::Depth, AccessTo<&S::wbmpBpp>(), Num(0)).Of("wbmp"),
    Row("Output", "WEBP BPP", K::Depth, AccessTo<&S::webpBpp>(), Num(0)).Of("webp"),
    Row("Output", "WEBP Quality", K::Int, AccessTo<&S::webpQuality>(), Num(100)).Range(1, 100).Of("webp"),
    Row("Output", "XPM BPP", K::Depth, AccessTo<&S::xpmBpp>(), Num(0)).Of("xpm"),
    Row("Transform", "Do Image Rotation", K::Flag, AccessTo<&S::doRotation>(), Num(0)),
    Row("Transform", "Image Rotation Type", K::Code8, AccessTo<&S::rotationType>(), Num(0)).Codes(OF::RotationType),
    Row("Transform", "Image Rotation", K::Int, AccessTo<&S::rotation>(), Num(0)).Range(0, 360),
    Row("Transform", "Image Rotation Back Color", K::Colour, AccessTo<&S::rotationBackColor>(), Str("000000")),
    Row("Transform", "Do Image Resize", K::Flag, AccessTo<&S::doResize>(), Num(0)),
    Row("Transform", "Image Width", K::Int, AccessTo<&S::width>(), Num(0)),
    Row("Transform", "Image Width Unit", K::Code8, AccessTo<&S::widthUnit>(), Num(0)).Codes(OF::SizeUnit),
    Row("Transform", "Image Height", K::Int, AccessTo<&S::height>(), Num(0)),
    Row("Transform", "Image Height Unit", K::Code8, AccessTo<&S::heightUnit>(), Num(0)).Codes(OF::SizeUnit),
    Row("Transform", "Keep Aspect Ratio", K::Flag, AccessTo<&S::keepAspectRatio>(), Num(1)),
    Row("Transform", "Image Resize Type", K::Code8, AccessTo<&S::resizeType>(), Num(0)).Codes(OF::ResizeScope),
    Row("Transform", "Image Resize Algorithm", K::Code8, AccessTo<&S::resizeAlgorithm>(), Num(3)).Codes(OF::ResizeFilter),
    Row("Transform", "Do Image Flip Horizontal", K::Flag, AccessTo<&S::doFlipHorizontal>(), Num(0)),
    Row("Transform", "Do Image Flip Vertical", K::Flag, AccessTo<&S::doFlipVertical>(), Num(0)),
    Row("Adjustment", "Do Image Color Correction", K::Flag, AccessTo<&S::doColorCorrection>(), Num(0)),
    Row("Adjustment", "Image Brightness", K::Int, AccessTo<&S::brightness>(), Num(0)).Range(-100, 100),
    Row("Adjustment", "Image Contrast", K::Int, AccessTo<&S::contrast>(), Num(0)).Range(-100, 100),
    Row("Adjustment", "Image Gamma", K::Float, AccessTo<&S::gamma>(), Num(1.0)).Range(0.01, 9.99),
    Row("Adjustment", "Image Invert", K::Flag, AccessTo<&S::invert>(), Num(0)),
    Row("Adjustment", "Do Image Greyscale", K::Flag, AccessTo<&S::doGreyscale>(), Num(0)),
    Row("Adjustment", "Do Image Threshold", K::Flag, AccessTo<&S::doThreshold>(), Num(0)),
    Row("Adjustment", "Image Threshold", K::Int, AccessTo<&S::threshold>(), Num(0)).Range(0, 255),
    Row("Adjustment", "Do Image Dither", K::Flag, AccessTo<&S::doDither>(), Num(0)),
    Row("Adjustment", "Image Dither Algorithm", K::Code8, AccessTo<&S::ditherAlgorithm>(), Num(0)).Codes(OF::DitherAlgorithm),
    Row("Frame", "Do Frame", K::Code8, AccessTo<&S::doFrame>(), Num(0)).Codes(OF::FrameType),
    Row("Frame", "Solid Left", K::Int, AccessTo<&S::frameLeft>(), Num(0)),
    Row("Frame", "Solid Right", K::Int, AccessTo<&S::frameRight>(), Num(0)),
    Row("Frame", "Solid Top", K::Int, AccessTo<&S::frameTop>(), Num(0)),
    Row("Frame", "Solid Bottom", K::Int, AccessTo<&S::frameBottom>(), Num(0)),
    Row("Frame", "Solid Left Color", K::Colour, AccessTo<&S::frameLeftColor>(), Str("000000")),
    Row("Frame", "Solid Right Color", K::Colour, AccessTo<&S::frameRightColor>(), Str("000000")),
    Row("Frame", "Solid Top Color", K::Colour, AccessTo<&S::frameTopColor>(), Str("000000")),
    Row("Frame", "Solid Bottom Color", K::Colour, AccessTo<&S::frameBottomColor>(), Str("000000")),
    Row("Frame", "Solid Opacity", K::Int, AccessTo<&S::frameOpacity>(), Num(255)).Range(1, 255),
    Row("Watermark", "Do Watermark", K::Code8, AccessTo<&S::doWatermark>(), Num(0)).Codes(OF::WatermarkType),
    Row("Watermark", "Text", K::String, AccessTo<&S::wmText>(), Rule(D::VendorNotice)),
    Row("Watermark", "Fonts", K::String, AccessTo<&S::wmFonts>(), Str("Arial,Tahoma,Verdana")),
    Row("Watermark", "Font", K::String, AccessTo<&S::wmFont>(), Str("Arial")),
    Row("Watermark", "Font Size", K::Int, AccessTo<&S::wmFontSize>(), Num(14)),
    Row("Watermark", "Font Leading", K::Int, AccessTo<&S::wmFontLeading>(), Num(0)),
    Row("Watermark", "Font Colors", K::String, AccessTo<&S::wmFontColors>(), Str(kOfferedColours)),
    Row("Watermark", "Font Color", K::Colour, AccessTo<&S::wmFontColor>(), Str("FFFFFF")),
    Row("Watermark", "Font Style", K::Code8, AccessTo<&S::wmFontStyle>(), Num(0)).Codes(OF::FontStyle),
    Row("Watermark", "Font Effect", K::Code8, AccessTo<&S::wmFontEffect>(), Num(0)).Codes(OF::FontEffect),
    Row("Watermark", "Text Antialiasing", K::Flag, AccessTo<&S::wmTextAntialiasing>(), Num(0)),
    Row("Watermark", "Text Alignment", K::Code8, AccessTo<&S::wmTextAlignment>(), Num(0)).Codes(OF::TextAlignment),
    Row("Watermark", "Text Padding", K::Int, AccessTo<&S::wmTextPadding>(), Num(0)),
    Row("Watermark", "Text Opacity", K::Int, AccessTo<&S::wmTextOpacity>(), Num(255)).Range(1, 255),
    Row("Watermark", "Back Colors", K::String, AccessTo<&S::wmBackColors>(), Str(kOfferedColours)),
    Row("Watermark", "Back Color", K::Colour, AccessTo<&S::wmBackColor>(), Str("000000")),
    Row("Watermark", "Back Opacity", K::Int, AccessTo<&S::wmBackOpacity>(), Num(1)).Range(1, 255),
    Row("Watermark", "Text Boundary", K::Code8, AccessTo<&S::wmTextPlacement, &P::boundary>(), Num(0)).Codes(OF::WatermarkBoundary),
    Row("Watermark", "Text Position", K::Code8, AccessTo<&S::wmTextPlacement, &P::position>(), Num(8)).Codes(OF::AnchorPosition),
    Row("Watermark", "Text X Offset", K::Int, AccessTo<&S::wmTextPlacement, &P::xOffset>(), Num(10)),
    Row("Watermark", "Text Y Offset", K::Int, AccessTo<&S::wmTextPlacement, &P::yOffset>(), Num(10)),
    Row("Watermark", "Text Rotation", K::Int, AccessTo<&S::wmTextPlacement, &P::rotation>(), Num(0)).Range(0, 360),
    Row("Watermark", "Text Size", K::Code8, AccessTo<&S::wmTextPlacement, &P::size>(), Num(0)).Codes(OF::WatermarkSizeMode),
    Row("Watermark", "Text Scale", K::Int, AccessTo<&S::wmTextPlacement, &P::scale>(), Num(10)).Range(1, 200),
    Row("Watermark", "Image", K::String, AccessTo<&S::wmImage>(), Str("")),
    Row("Watermark", "Image Greyscale", K::Flag, AccessTo<&S::wmImageGreyscale>(), Num(0)),
    Row("Watermark", "Image Opacity", K::Int, AccessTo<&S::wmImageOpacity>(), Num(255)).Range(1, 255),
    Row("Watermark", "Image Boundary", K::Code8, AccessTo<&S::wmImagePlacement, &P::boundary>(), Num(0)).Codes(OF::WatermarkBoundary),
    Row("Watermark", "Image Position", K::Code8, AccessTo<&S::wmImagePlacement, &P::position>(), Num(8)).Codes(OF::AnchorPosition),
    Row("Watermark", "Image X Offset", K::Int, AccessTo<&S::wmImagePlacement, &P::xOffset>(), Num(10)),
    Row("Watermark", "Image Y Offset", K::Int, AccessTo<&S::wmImagePlacement, &P::yOffset>(), Num(10)),
    Row("Watermark", "Image Rotation", K::Int, AccessTo<&S::wmImagePlacement, &P::rotation>(), Num(0)).Range(0, 360),
    Row("Watermark", "Image Size", K::Code8, AccessTo<&S::wmImagePlacement, &P::size>(), Num(0)).Codes(OF::WatermarkSizeMode),
    Row("Watermark", "Image Scale", K::Int, AccessTo<&S::wmImagePlacement, &P::scale>(), Num(10)).Range(1, 200),
    Row("Advanced", "Filename Mask", K::String, AccessTo<&S::filenameMask>(), Str("%filename%.%ext%")),
    Row("Advanced", "File Timestamp", K::Code8, AccessTo<&S::fileTimestamp>(), Num(0)).Codes(OF::TimestampMode),
    Row("Advanced", "Custom Timestamp", K::Date, AccessTo<&S::customTimestamp>(), Rule(D::Now)),
    Row("Advanced", "Out Folders History", K::Flag, AccessTo<&S::outFoldersHistory>(), Num(1)),
    Row("Advanced", "Out Folders Number", K::Byte, AccessTo<&S::outFoldersNumber>(), Num(5)).Range(1, 50),
    Row("Advanced", "Keep Subfolders", K::Flag, AccessTo<&S::keepSubfolders>(), Num(1)),
    Row("File", "Recent Out Folders", K::String, AccessTo<&S::recentOutFolders>(), Str("")),
    Row("File", "Recent Files", K::String, AccessTo<&S::recentFiles>(), Str("")),
    Row("Privacy", "Clean Recent Files", K::Flag, AccessTo<&S::cleanRecentFiles>(), Num(0)),
};
}  // namespace settings_table
// clang-format on

// All fields in configuration-file order.
constexpr std::span<const SettingField> SettingFields() {
    return settings_table::kFields;
}

// The field named exactly "Section/Key", found while compiling: a misspelt name does not build.
consteval const SettingField& Setting(std::string_view name) {
    for (const SettingField& field : settings_table::kFields) {
        if (field.IsNamed(name)) return field;
    }
    throw "no setting of this name";
}

// The field named "Section/Key" (compared without regard to ASCII case), or nullptr: for names that come
// from outside (files, the command line).
const SettingField* FindSetting(std::string_view name);

// The per-format field of `extension` ("jpg") whose kind is `kind`, or nullptr.
const SettingField* FormatSetting(std::string_view extension, FieldKind kind);

// Integer view of a numeric field (flags, codes, ints, bytes, dates); 0 for text and float fields.
long long GetInteger(const Settings& settings, const SettingField& field);
// Stores `value` truncated to the field's width, as a C assignment would.
void SetInteger(Settings& settings, const SettingField& field, long long value);
float GetFloat(const Settings& settings, const SettingField& field);
void SetFloat(Settings& settings, const SettingField& field, float value);
const std::string& GetText(const Settings& settings, const SettingField& field);
void SetText(Settings& settings, const SettingField& field, std::string value);

}  // namespace ravelin
