#pragma once
// Enumerated options are stored as small codes; each family names its codes with upper-case tokens
// (command line, profiles), prints them in lower case (console listing) and labels them in dialogs.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

enum class OptionFamily : int {
    None = -1,  // not a coded setting
    DdsLoadMode = 0,
    RawLoadMode = 1,
    FrameSelection = 2,
    ToneMapping = 3,
    Compression = 4,
    ColorTableMode = 5,
    ColorModel = 6,
    ChromaSubsampling = 7,
    JpegEncoding = 8,
    RotationType = 9,
    SizeUnit = 10,
    ResizeScope = 11,
    ResizeFilter = 12,
    DitherAlgorithm = 13,
    FrameType = 14,
    WatermarkType = 15,
    FontStyle = 16,
    FontEffect = 17,
    TextAlignment = 18,
    WatermarkBoundary = 19,
    AnchorPosition = 20,
    WatermarkSizeMode = 21,
    TimestampMode = 22,
};

inline constexpr int kOptionFamilyCount = 23;

// The codes of each family, by name. Code8 families are stored in 8 bits, code32 families in 32.
// Compression is one family whose codes mean different things per format, so each format has its enum.
enum class DdsLoadMode : std::int32_t { Auto, Bgra, Rgba };
enum class RawLoadMode : std::int32_t { Auto, Rgb8, Rgb16, Rgb24, Rgb48HighShift, Rgb48 };
enum class FrameSelection : std::int32_t { All, First, Middle, Last, Random };
enum class ToneMapping : std::int32_t { None, Linear, AdaptiveLogarithmic, DynamicRangeReduction, GradientDomain };
enum class RleCompression : std::int32_t { None, Rle };
enum class ExrCompression : std::int32_t { None, Zip, Piz, Pxr24, B44 };
enum class PngCompression : std::int32_t { None, Zlib1, Zlib6, Zlib9 };
enum class TiffCompression : std::int32_t {
    None, CcittFax3, CcittFax4, PackBits, Deflate, AdobeDeflate, Lzw, Jpeg, LogLuv
};
enum class ColorTableMode : std::int32_t { Auto, Exact };
enum class ColorModel : std::int32_t { Rgb, Cmyk, Lab };
enum class ChromaSubsampling : std::int32_t { None, Low, Medium, High };  // 4:4:4, 4:2:2, 4:2:0, 4:1:1
enum class JpegEncoding : std::int32_t { Standard, Simple, Optimized, Progressive };
enum class RotationType : std::int8_t { Simple, Advanced };
enum class SizeUnit : std::int8_t { Pixels, Percent };
enum class ResizeScope : std::int8_t { AllImages, LargeImages };
enum class ResizeFilter : std::int8_t { Box, Bilinear, Bspline, Bicubic, CatmullRom, Lanczos };
enum class DitherAlgorithm : std::int8_t { FloydSteinberg, Bayer4, Bayer8, Bayer16, Cluster6, Cluster8, Cluster16 };
enum class FrameType : std::int8_t { None, Solid };
enum class WatermarkType : std::int8_t { None, Text, Image };
enum class FontStyle : std::int8_t { Regular, Bold, Italic, BoldItalic };
enum class FontEffect : std::int8_t { None, Underline, Strikeout };
enum class TextAlignment : std::int8_t { Left, Center, Right };
enum class WatermarkBoundary : std::int8_t { Image, Frame };
enum class AnchorPosition : std::int8_t {
    TopLeft, TopCenter, TopRight, MiddleLeft, MiddleCenter, MiddleRight, BottomLeft, BottomCenter, BottomRight
};
enum class WatermarkSizeMode : std::int8_t { Fixed };
enum class TimestampMode : std::int8_t { Current, Original, Custom };

// The number stored for a named code.
template <typename Code>
constexpr int CodeOf(Code code) {
    return static_cast<int>(code);
}

// The compression tokens of each format, in code order (the lists of the family's union).
inline constexpr std::array<std::string_view, 2> kRleCompressionTokens = {"NONE", "RLE"};
inline constexpr std::array<std::string_view, 5> kExrCompressionTokens = {"NONE", "ZIP", "PIZ", "PXR24", "B44"};
inline constexpr std::array<std::string_view, 4> kPngCompressionTokens = {"NONE", "ZLIB1", "ZLIB6", "ZLIB9"};
inline constexpr std::array<std::string_view, 9> kTiffCompressionTokens = {
    "NONE", "CCITTFAX3", "CCITTFAX4", "PACKBITS", "DEFLATE", "ADOBEDEFLATE", "LZW", "JPEG", "LOGLUV"};

// Upper-cases `token` (no trimming) and gives its code in `family`; no match gives 0.
int TokenToCode(int family, std::string_view token);
inline int TokenToCode(OptionFamily family, std::string_view token) {
    return TokenToCode(static_cast<int>(family), token);
}

// The lower-case token of `code`, or "" when the code has none. The compression family's tokens differ per
// format: `formatTokens` are that format's list.
std::string CodeToToken(OptionFamily family, int code, std::span<const std::string_view> formatTokens = {});

// Text-table keys (group "Preferences") of a family's dialog list entries, in code order. For
// compression, `formatTokens` are the format's list.
std::vector<std::string> FamilyLabelKeys(OptionFamily family, std::span<const std::string_view> formatTokens = {});

}  // namespace ravelin
