#pragma once
// Enumerated options are stored as small codes; each family names its codes with upper-case tokens
// (command line, profiles), prints them in lower case (console listing) and labels them in dialogs.

#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

enum class OptionFamily : int {
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

// Upper-cases `token` (no trimming) and gives its code in `family`; no match gives 0.
int TokenToCode(int family, std::string_view token);
inline int TokenToCode(OptionFamily family, std::string_view token) {
    return TokenToCode(static_cast<int>(family), token);
}

// The lower-case token of `code`, or "" when the code has none. `option` ("Output/PNG Compression")
// matters only for the compression family, whose tokens differ per format.
std::string CodeToToken(int family, int code, std::string_view option = {});
inline std::string CodeToToken(OptionFamily family, int code, std::string_view option = {}) {
    return CodeToToken(static_cast<int>(family), code, option);
}

// Text-table keys (group "Preferences") of a family's dialog list entries, in code order.
// For compression, `option` selects the format's row.
std::vector<std::string> FamilyLabelKeys(OptionFamily family, std::string_view option = {});

}  // namespace ravelin
