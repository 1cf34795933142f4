#include <gtest/gtest.h>

#include <FreeImage.h>

#include <functional>
#include <string>
#include <vector>

#include "formats/output_catalogue.h"
#include "settings/product_formats.h"

namespace ravelin {

namespace {

struct CatalogueRow {
    const char* extension;
    int formatId;        // the number the catalogue promises
    int freeImageId;     // the library's own constant for it
    const char* description;
    const char* depths;
};

const CatalogueRow kRows[] = {
    {"bmp", 0, FIF_BMP, "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
    {"exr", 29, FIF_EXR, "ILM OpenEXR", "96"},
    {"gif", 25, FIF_GIF, "Graphics Interchange Format", "8"},
    {"hdr", 26, FIF_HDR, "High Dynamic Range Image", "96"},
    {"ico", 1, FIF_ICO, "Windows Icon", "1,4,8,16,24,32"},
    {"j2k", 30, FIF_J2K, "JPEG-2000 Codestream", "8,24,32,48"},
    {"jng", 3, FIF_JNG, "JPEG Network Graphics", "24,32"},
    {"jp2", 31, FIF_JP2, "JPEG-2000 File Format", "8,24,32,48"},
    {"jpg", 2, FIF_JPEG, "JPEG File Format", "8,24"},
    {"jxr", 36, FIF_JXR, "JPEG XR Image Format", "1,8,16,24,32,48,96"},
    {"pbm", 7, FIF_PBM, "Portable Bitmap", "1"},
    {"pfm", 32, FIF_PFM, "Portable Floatmap", "96"},
    {"pgm", 11, FIF_PGM, "Portable Greymap", "8"},
    {"png", 13, FIF_PNG, "Portable Network Graphics", "1,4,8,24,32,48"},
    {"ppm", 14, FIF_PPM, "Portable Pixelmap", "24,48"},
    {"tga", 17, FIF_TARGA, "Truevision Targa", "8,16,24,32"},
    {"tiff", 18, FIF_TIFF, "Tagged Image File Format", "1,4,8,24,32,48,96"},
    {"wbmp", 19, FIF_WBMP, "Wireless Bitmap", "1"},
    {"webp", 35, FIF_WEBP, "Google WebP Image Format", "24,32"},
    {"xpm", 23, FIF_XPM, "X11 Pixmap Format", "24"},
};

TEST(OutputCatalogue, HoldsEveryFormatInOrderWithTheLibrarysIds) {
    std::vector<std::string> order;
    for (const auto& row : kRows) {
        const FormatEntry& entry = LookupOutputFormat(row.extension);
        EXPECT_EQ(row.formatId, row.freeImageId) << row.extension;
        EXPECT_EQ(entry.formatId, row.formatId) << row.extension;
        EXPECT_EQ(entry.extension, row.extension);
        EXPECT_EQ(entry.description, row.description) << row.extension;
        EXPECT_EQ(entry.depths, row.depths) << row.extension;
        order.push_back(row.extension);
    }
    EXPECT_EQ(OutputCatalogueExtensions(), order);
}

TEST(OutputCatalogue, FormatsWithoutEntryGiveTheEmptyEntry) {
    for (const char* extension : {"dds", "pcx", "psd", "", "JPG", "jpeg", "jpg "}) {
        const FormatEntry& entry = LookupOutputFormat(extension);
        EXPECT_EQ(entry.formatId, 0) << extension;
        EXPECT_TRUE(entry.extension.empty()) << extension;
        EXPECT_TRUE(entry.description.empty()) << extension;
        EXPECT_TRUE(entry.depths.empty()) << extension;
        EXPECT_TRUE(DepthList(extension).empty()) << extension;
        EXPECT_EQ(FormatListLabel(extension), "") << extension;
        EXPECT_EQ(AutomaticDepth(extension, 24), 0) << extension;
        EXPECT_TRUE(DepthAllowed(extension, 0)) << extension;
        EXPECT_FALSE(DepthAllowed(extension, 24)) << extension;
    }
}

TEST(OutputCatalogue, ProductOutputIsAKnownFormat) {
    for (const auto extension : OutputExtensions) {
        EXPECT_FALSE(LookupOutputFormat(extension).extension.empty()) << extension;
    }
    EXPECT_EQ(FormatListLabel("jpg"), "JPG (JPEG File Format)");
    EXPECT_EQ(FormatListLabel("tiff"), "TIFF (Tagged Image File Format)");
}

TEST(OutputCatalogue, DepthAllowedAcceptsAutomaticAndListedDepths) {
    struct Case {
        const char* extension;
        int depth;
        bool allowed;
    } const cases[] = {
        {"jpg", 16, false}, {"jpg", 0, true},   {"jpg", 24, true},  {"jpg", 8, true},  {"jpg", 2, false},
        {"jpg", -8, false}, {"png", 48, true},  {"png", 16, false}, {"exr", 96, true}, {"bmp", 32, true},
        {"jxr", 4, false},  {"tiff", 96, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DepthAllowed(c.extension, c.depth), c.allowed) << c.extension << " " << c.depth;
    }
}

TEST(OutputCatalogue, AutomaticDepthTakesTheFirstDepthAtLeastTheSources) {
    struct Case {
        const char* extension;
        int source;
        int depth;
    } const cases[] = {
        {"jpg", 32, 24}, {"jpg", 1, 8},    {"jpg", 8, 8},   {"jpg", 9, 24},  {"jpg", 24, 24}, {"png", 24, 24},
        {"png", 2, 4},   {"png", 64, 48},  {"ico", 16, 16}, {"exr", 1, 96},  {"jpg", 0, 8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AutomaticDepth(c.extension, c.source), c.depth) << c.extension << " " << c.source;
    }
}

// The flag values as the formats promise them, checked against the library's constants.
TEST(SaveFlags, LibraryConstantsHaveTheExpectedValues) {
    const std::pair<int, int> pairs[] = {
        {BMP_SAVE_RLE, 1},          {EXR_NONE, 0x2},           {EXR_ZIP, 0x4},
        {EXR_PIZ, 0x8},             {EXR_PXR24, 0x10},         {EXR_B44, 0x20},
        {JPEG_SUBSAMPLING_444, 0x10000}, {JPEG_SUBSAMPLING_422, 0x8000}, {JPEG_SUBSAMPLING_420, 0x4000},
        {JPEG_SUBSAMPLING_411, 0x1000},  {JPEG_BASELINE, 0x40000},       {JPEG_OPTIMIZE, 0x20000},
        {JPEG_PROGRESSIVE, 0x2000}, {JXR_LOSSLESS, 100},       {PNG_Z_NO_COMPRESSION, 0x100},
        {PNG_Z_BEST_SPEED, 1},      {PNG_Z_DEFAULT_COMPRESSION, 6}, {PNG_Z_BEST_COMPRESSION, 9},
        {PNG_INTERLACED, 0x200},    {TARGA_SAVE_RLE, 2},       {TIFF_NONE, 0x800},
        {TIFF_CCITTFAX3, 0x1000},   {TIFF_CCITTFAX4, 0x2000},  {TIFF_PACKBITS, 0x100},
        {TIFF_DEFLATE, 0x200},      {TIFF_ADOBE_DEFLATE, 0x400}, {TIFF_LZW, 0x4000},
        {TIFF_JPEG, 0x8000},        {TIFF_LOGLUV, 0x10000},    {TIFF_CMYK, 1},
        {WEBP_LOSSLESS, 0x100},
    };
    for (std::size_t i = 0; i < std::size(pairs); ++i) EXPECT_EQ(pairs[i].first, pairs[i].second) << "pair " << i;
}

struct FlagsCase {
    const char* name;
    const char* extension;
    std::function<void(Settings&)> set;
    int flags;
};

TEST(SaveFlags, FollowTheFormatsSettings) {
    const FlagsCase cases[] = {
        {"jpg defaults", "jpg", [](Settings& s) { s.jpgQuality = 95; }, 95 | 0x10000},
        {"jpg 420 progressive", "jpg", [](Settings& s) { s.jpgQuality = 95, s.jpgChroma = ChromaSubsampling{2}, s.jpgSaveAs = JpegEncoding{3}; },
         95 | 0x4000 | 0x2000},
        {"jpg 422 baseline", "jpg", [](Settings& s) { s.jpgQuality = 50, s.jpgChroma = ChromaSubsampling{1}, s.jpgSaveAs = JpegEncoding{1}; },
         50 | 0x8000 | 0x40000},
        {"jpg 411 optimised", "jpg", [](Settings& s) { s.jpgQuality = 1, s.jpgChroma = ChromaSubsampling{3}, s.jpgSaveAs = JpegEncoding{2}; },
         1 | 0x1000 | 0x20000},
        {"jpg unknown codes", "jpg", [](Settings& s) { s.jpgQuality = 70, s.jpgChroma = ChromaSubsampling{4}, s.jpgSaveAs = JpegEncoding{9}; }, 70},
        // A quality outside 1..100 must not spill into the subsampling and mode bits.
        {"jpg quality too high", "jpg", [](Settings& s) { s.jpgQuality = 5000, s.jpgChroma = ChromaSubsampling{4}; }, 100},
        {"jpg quality zero", "jpg", [](Settings& s) { s.jpgQuality = 0, s.jpgChroma = ChromaSubsampling{4}; }, 1},
        {"webp lossless", "webp", [](Settings& s) { s.webpQuality = 100; }, 0x100},
        {"webp lossy", "webp", [](Settings& s) { s.webpQuality = 80; }, 80},
        {"webp quality too high", "webp", [](Settings& s) { s.webpQuality = 356; }, 0x100},
        {"png best interlaced", "png", [](Settings& s) { s.pngCompression = PngCompression{3}, s.pngInterlaced = 1; }, 9 | 0x200},
        {"png none", "png", [](Settings& s) { s.pngCompression = PngCompression{0}; }, 0x100},
        {"png fast", "png", [](Settings& s) { s.pngCompression = PngCompression{1}; }, 1},
        {"png default", "png", [](Settings& s) { s.pngCompression = PngCompression{2}; }, 6},
        {"png unknown", "png", [](Settings& s) { s.pngCompression = PngCompression{7}; }, 0},
        {"bmp rle", "bmp", [](Settings& s) { s.bmpCompression = RleCompression{1}, s.bmpColorTable = ColorTableMode{1}; }, 1},
        {"bmp plain", "bmp", [](Settings& s) { s.bmpCompression = RleCompression{0}; }, 0},
        {"tga rle", "tga", [](Settings& s) { s.tgaCompression = RleCompression{1}; }, 2},
        {"tga plain", "tga", [](Settings& s) { s.tgaCompression = RleCompression{2}; }, 0},
        {"exr none", "exr", [](Settings& s) { s.exrCompression = ExrCompression{0}; }, 0x2},
        {"exr zip", "exr", [](Settings& s) { s.exrCompression = ExrCompression{1}; }, 0x4},
        {"exr piz", "exr", [](Settings& s) { s.exrCompression = ExrCompression{2}; }, 0x8},
        {"exr pxr24", "exr", [](Settings& s) { s.exrCompression = ExrCompression{3}; }, 0x10},
        {"exr b44", "exr", [](Settings& s) { s.exrCompression = ExrCompression{4}; }, 0x20},
        {"exr unknown", "exr", [](Settings& s) { s.exrCompression = ExrCompression{5}; }, 0},
        {"tiff none", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{0}; }, 0x800},
        {"tiff fax3", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{1}; }, 0x1000},
        {"tiff fax4", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{2}; }, 0x2000},
        {"tiff packbits", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{3}; }, 0x100},
        {"tiff deflate", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{4}; }, 0x200},
        {"tiff adobe deflate", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{5}; }, 0x400},
        {"tiff lzw cmyk", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{6}, s.tiffColorMode = ColorModel{1}; }, 0x4000 | 1},
        {"tiff jpeg", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{7}, s.tiffColorMode = ColorModel{2}; }, 0x8000},
        {"tiff logluv", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{8}; }, 0x10000},
        {"tiff unknown", "tiff", [](Settings& s) { s.tiffCompression = TiffCompression{9}; }, 0},
        {"jxr", "jxr", [](Settings&) {}, 100},
    };
    for (const auto& c : cases) {
        Settings settings;
        c.set(settings);
        EXPECT_EQ(SaveFlags(c.extension, settings), c.flags) << c.name;
    }
}

TEST(SaveFlags, FormatsWithoutOptionsSaveWithZero) {
    Settings settings;
    settings.jpgQuality = settings.webpQuality = 90;
    settings.pngCompression = PngCompression{3};
    for (const char* extension : {"dds", "gif", "hdr", "ico", "j2k", "jng", "jp2", "pbm", "pcx", "pfm", "pgm",
                                  "ppm", "psd", "wbmp", "xpm", "JPG", ""}) {
        EXPECT_EQ(SaveFlags(extension, settings), 0) << extension;
    }
}

}  // namespace

}  // namespace ravelin
