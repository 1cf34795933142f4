#include "settings/option_codes.h"

#include "platform/text.h"

#include <array>
#include <initializer_list>
#include <span>

namespace ravelin {

namespace {

struct CodeEntry {
    int code;
    const char* token;
    const char* label;  // text-table key, group "Preferences"
};

using Table = std::initializer_list<CodeEntry>;

const Table kDdsLoadMode = {{0, "AUTO", "Auto"}, {1, "BGRA", "BGRA"}, {2, "RGBA", "RGBA"}};
const Table kRawLoadMode = {{0, "AUTO", "Auto"}, {1, "8", "RGB8"},     {2, "16", "RGB16"},
                            {3, "24", "RGB24"}, {4, "48HS", "RGB48HS"}, {5, "48", "RGB48"}};
const Table kFrameSelection = {{0, "ALL", "All Frames"},
                               {1, "FIRST", "First Frame"},
                               {2, "MIDDLE", "Middle Frame"},
                               {3, "LAST", "Last Frame"},
                               {4, "RANDOM", "Random Frame"}};
const Table kToneMapping = {{0, "NONE", "None"},
                            {1, "LINEAR", "Linear"},
                            {2, "AL", "Adaptive Logarithmic"},
                            {3, "DRR", "DR Reduction"},
                            {4, "GD", "Gradient Domain"}};
const Table kColorTableMode = {{0, "AUTO", "Auto"}, {1, "EXACT", "Exact"}};
const Table kColorModel = {{0, "RGB", "RGB"}, {1, "CMYK", "CMYK"}, {2, "LAB", "LAB"}};
const Table kChroma = {{0, "NONE", "None"}, {1, "LOW", "Low"}, {2, "MEDIUM", "Medium"}, {3, "HIGH", "High"}};
const Table kJpegEncoding = {{0, "STANDARD", "Baseline Standard"},
                             {1, "SIMPLE", "Baseline Simple"},
                             {2, "OPTIMIZED", "Baseline Optimized"},
                             {3, "PROGRESSIVE", "Progressive"}};
const Table kRotationType = {{0, "SIMPLE", "Simple Rotation"}, {1, "ADVANCED", "Advanced Rotation"}};
const Table kSizeUnit = {{0, "PIXELS", "Pixels"}, {1, "PERCENT", "Percent"}};
const Table kResizeScope = {{0, "ALLIMAGES", "All Images"}, {1, "LARGEIMAGES", "Large Images"}};
const Table kResizeFilter = {{0, "BOX", "Box"},         {1, "BILINEAR", "Bilinear"},     {2, "BSPLINE", "Bspline"},
                             {3, "BICUBIC", "Bicubic"}, {4, "CATMULLROM", "Catmullrom"}, {5, "LANCZOS", "Lanczos"}};
const Table kDither = {{0, "FS", "FS"},
                       {1, "BAYER4", "Bayer4"},
                       {2, "BAYER8", "Bayer8"},
                       {3, "BAYER16", "Bayer16"},
                       {4, "CLUSTER6", "Cluster6"},
                       {5, "CLUSTER8", "Cluster8"},
                       {6, "CLUSTER16", "Cluster16"}};
const Table kFrameType = {{0, "NONE", "None"}, {1, "SOLID", "Frame Solid"}};
const Table kWatermarkType = {{0, "NONE", "None"}, {1, "TEXT", "Watermark Text"}, {2, "IMAGE", "Watermark Image"}};
const Table kFontStyle = {{0, "REGULAR", "Regular"}, {1, "BOLD", "Bold"}, {2, "ITALIC", "Italic"},
                          {3, "BOLDITALIC", "Bold Italic"}};
const Table kFontEffect = {{0, "NONE", "None"}, {1, "UNDERLINE", "Underline"}, {2, "STRIKETHROUGHT", "Strikeout"}};
const Table kTextAlignment = {{0, "LEFT", "Align Left"}, {1, "CENTER", "Align Center"}, {2, "RIGHT", "Align Right"}};
const Table kBoundary = {{0, "IMAGE", "Bound Image"}, {1, "FRAME", "Bound Frame"}};
const Table kAnchor = {{0, "TOPLEFT", "Top-Left"},         {1, "TOPCENTER", "Top-Center"},
                       {2, "TOPRIGHT", "Top-Right"},       {3, "MIDDLELEFT", "Middle-Left"},
                       {4, "MIDDLECENTER", "Middle-Center"}, {5, "MIDDLERIGHT", "Middle-Right"},
                       {6, "BOTTOMLEFT", "Bottom-Left"},   {7, "BOTTOMCENTER", "Bottom-Center"},
                       {8, "BOTTOMRIGHT", "Bottom-Right"}};
const Table kSizeMode = {{0, "FIXED", "Fixed"}};
const Table kTimestamp = {{0, "CURRENT", "Current"}, {1, "ORIGINAL", "Original"}, {2, "CUSTOM", "Custom"}};

// The compression family reads any format's token: its code is its place in that format's list.
const Table kNoCompressionTable = {};

int CompressionCode(const std::string& upper) {
    for (const std::span<const std::string_view> tokens :
         {std::span<const std::string_view>(kRleCompressionTokens), std::span<const std::string_view>(kExrCompressionTokens),
          std::span<const std::string_view>(kPngCompressionTokens), std::span<const std::string_view>(kTiffCompressionTokens)}) {
        for (std::size_t code = 0; code < tokens.size(); ++code) {
            if (upper == tokens[code]) return static_cast<int>(code);
        }
    }
    return 0;
}

const Table* FamilyTable(int family) {
    static const std::array<const Table*, kOptionFamilyCount> tables = {
        &kDdsLoadMode, &kRawLoadMode,  &kFrameSelection, &kToneMapping,   &kNoCompressionTable, &kColorTableMode,
        &kColorModel,  &kChroma,       &kJpegEncoding,   &kRotationType,  &kSizeUnit,         &kResizeScope,
        &kResizeFilter, &kDither,      &kFrameType,      &kWatermarkType, &kFontStyle,        &kFontEffect,
        &kTextAlignment, &kBoundary,   &kAnchor,         &kSizeMode,      &kTimestamp};
    if (family < 0 || family >= kOptionFamilyCount) return nullptr;
    return tables[static_cast<std::size_t>(family)];
}

bool IsReadOnlyFamily(int family) {
    return family == static_cast<int>(OptionFamily::FrameType) ||
           family == static_cast<int>(OptionFamily::WatermarkType) ||
           family == static_cast<int>(OptionFamily::WatermarkSizeMode);
}

}  // namespace

int TokenToCode(int family, std::string_view token) {
    const Table* table = FamilyTable(family);
    if (!table || IsReadOnlyFamily(family)) return 0;
    const std::string upper = ToUpper(token);
    if (family == static_cast<int>(OptionFamily::Compression)) return CompressionCode(upper);
    for (const CodeEntry& entry : *table) {
        if (upper == entry.token) return entry.code;
    }
    return 0;
}

std::string CodeToToken(OptionFamily family, int code, std::span<const std::string_view> formatTokens) {
    if (family == OptionFamily::Compression) {
        if (code < 0 || code >= static_cast<int>(formatTokens.size())) return {};
        return ToLower(formatTokens[static_cast<std::size_t>(code)]);
    }
    const Table* table = FamilyTable(static_cast<int>(family));
    if (!table) return {};
    for (const CodeEntry& entry : *table) {
        if (entry.code == code) return ToLower(entry.token);
    }
    return {};
}

std::vector<std::string> FamilyLabelKeys(OptionFamily family, std::span<const std::string_view> formatTokens) {
    std::vector<std::string> keys;
    if (family == OptionFamily::Compression) {
        for (const std::string_view token : formatTokens) keys.emplace_back(keys.empty() ? "None" : token);
        return keys;
    }
    if (const Table* table = FamilyTable(static_cast<int>(family))) {
        for (const CodeEntry& entry : *table) keys.emplace_back(entry.label);
    }
    return keys;
}

}  // namespace ravelin
