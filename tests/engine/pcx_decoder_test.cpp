#include "engine/pcx/pcx_decoder.h"
#include "engine/pcx/pcx_loader.h"

#include "engine/pcx_test_pixels.h"
#include "support/pcx_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace ravelin {

namespace {

using Bytes = std::vector<unsigned char>;

struct VariantCase {
    const char* name;
    PcxVariant variant;
    unsigned depth;  // of the loaded bitmap
};

const VariantCase kVariants[] = {
    {"1-bit", PcxVariant::Mono1, 1},         {"2-bit CGA", PcxVariant::Cga2, 4},
    {"1-bit x 2 planes", PcxVariant::Planes2, 4}, {"1-bit x 3 planes", PcxVariant::Planes3, 4},
    {"1-bit x 4 planes", PcxVariant::Planes4, 4}, {"4-bit packed", PcxVariant::Packed4, 4},
    {"8-bit palette", PcxVariant::Palette8, 8}, {"8-bit grey", PcxVariant::Grey8, 8},
    {"24-bit", PcxVariant::Rgb24, 24},         {"32-bit RGBA", PcxVariant::Rgba32, 32},
};

PcxImage Picture(PcxVariant variant, unsigned width, unsigned height) {
    if (variant == PcxVariant::Rgb24) return TestPattern24(width, height);
    if (variant == PcxVariant::Rgba32) return TestPattern32(width, height);
    return TestPatternIndexed(variant, width, height);
}

std::string Describe(const VariantCase& c, const PcxImage& image) {
    return std::string(c.name) + (image.encoding == PcxEncoding::Raw ? " raw " : " rle ") +
           std::to_string(image.width) + "x" + std::to_string(image.height) +
           " bpl " + std::to_string(image.bytesPerLine) + (image.runsAcrossLines ? " runs across lines" : "");
}

void ExpectPicture(const PcxImage& image, const Bitmap& bitmap, unsigned depth, const std::string& what) {
    ASSERT_TRUE(bitmap) << what;
    ASSERT_EQ(bitmap.width(), image.width) << what;
    ASSERT_EQ(bitmap.height(), image.height) << what;
    ASSERT_EQ(bitmap.bpp(), depth) << what;
    for (unsigned y = 0; y < image.height; ++y) {
        for (unsigned x = 0; x < image.width; ++x) {
            ASSERT_EQ(PixelAt(bitmap.get(), x, y), ExpectedPixel(image, x, y)) << what << " at " << x << "," << y;
        }
    }
}

TEST(PcxDecoder, EveryVariantEncodingAndShapeReadsItsPixels) {
    const unsigned sizes[][2] = {{1, 1}, {1, 6}, {7, 1}, {2, 2}, {9, 3}, {16, 4}, {33, 5}, {70, 2}};
    for (const VariantCase& c : kVariants) {
        for (const PcxEncoding encoding : {PcxEncoding::Rle, PcxEncoding::Raw}) {
            for (const auto& size : sizes) {
                PcxImage image = Picture(c.variant, size[0], size[1]);
                image.encoding = encoding;
                const Bytes bytes = MakePcx(image);
                ExpectPicture(image, LoadPcxFromMemory(bytes.data(), bytes.size()), c.depth, Describe(c, image));
            }
        }
    }
}

TEST(PcxDecoder, PaddedLinesWindowsAndRunsAcrossLinesReadTheSame) {
    for (const VariantCase& c : kVariants) {
        PcxImage image = Picture(c.variant, 11, 4);
        image.bytesPerLine = 16;  // more than a row needs; the padding is not picture
        image.xMin = 300;
        image.yMin = 7;
        const Bytes padded = MakePcx(image);
        ExpectPicture(image, LoadPcxFromMemory(padded.data(), padded.size()), c.depth, Describe(c, image));

        image.bytesPerLine = 0;
        image.runsAcrossLines = true;
        const Bytes across = MakePcx(image);
        ExpectPicture(image, LoadPcxFromMemory(across.data(), across.size()), c.depth, Describe(c, image));
    }
}

TEST(PcxDecoder, OneBitPicturesAreBlackAndWhiteWhateverTheHeaderPaletteSays) {
    PcxImage image = TestPatternIndexed(PcxVariant::Mono1, 10, 3);  // header palette is colourful
    const Bytes bytes = MakePcx(image);
    const Bitmap bitmap = LoadPcxFromMemory(bytes.data(), bytes.size());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(FreeImage_GetColorType(bitmap.get()), FIC_MINISBLACK);
    ExpectPicture(image, bitmap, 1, "1-bit");
}

TEST(PcxDecoder, AHeaderWithoutAPaletteGetsTheStandardColours) {
    for (const PcxVariant variant : {PcxVariant::Planes4, PcxVariant::Packed4, PcxVariant::Planes3}) {
        PcxImage image = TestPatternIndexed(variant, 16, 1);
        image.palette.clear();  // all black
        const Bytes bytes = MakePcx(image);
        const Bitmap bitmap = LoadPcxFromMemory(bytes.data(), bytes.size());
        ASSERT_TRUE(bitmap);
        for (unsigned x = 0; x < 16; ++x) {
            const unsigned index = x % ColoursOf(variant);
            const Rgba expected = {kPcxDefaultPalette16[3 * index], kPcxDefaultPalette16[3 * index + 1],
                                   kPcxDefaultPalette16[3 * index + 2], 255};
            EXPECT_EQ(PixelAt(bitmap.get(), x, 0), expected) << x;
        }
    }
    PcxImage cga = TestPatternIndexed(PcxVariant::Cga2, 4, 1);
    cga.palette.clear();
    const Bytes bytes = MakePcx(cga);
    const Bitmap bitmap = LoadPcxFromMemory(bytes.data(), bytes.size());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(PixelAt(bitmap.get(), 1, 0), (Rgba{0x55, 0xFF, 0xFF, 255}));
    EXPECT_EQ(PixelAt(bitmap.get(), 2, 0), (Rgba{0xFF, 0x55, 0xFF, 255}));
    EXPECT_EQ(PixelAt(bitmap.get(), 3, 0), (Rgba{0xFF, 0xFF, 0xFF, 255}));
}

TEST(PcxDecoder, TheEightBitPaletteIsTakenFromTheFilesEnd) {
    PcxImage image = TestPattern8(6, 3);
    Bytes bytes = MakePcx(image);
    // Bytes between the pixels and the palette do not move it: it is always the file's last 769 bytes.
    bytes.insert(bytes.end() - kPcxPaletteTrailerSize, {1, 2, 3, 4, 5});
    ExpectPicture(image, LoadPcxFromMemory(bytes.data(), bytes.size()), 8, "palette after junk");
}

TEST(PcxDecoder, AnEightBitPictureWithoutItsPaletteIsGrey) {
    PcxImage image = TestPattern8(40, 30);  // large enough that a palette could fit inside the stream
    image.appendPalette = false;
    image.encoding = PcxEncoding::Raw;
    image.pixels[image.pixels.size() - 769] = 0x0C;  // a marker inside the pixels is not a palette
    const Bytes bytes = MakePcx(image);
    const Bitmap bitmap = LoadPcxFromMemory(bytes.data(), bytes.size());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(FreeImage_GetColorType(bitmap.get()), FIC_MINISBLACK);
    for (unsigned x = 0; x < 40; ++x) {
        const unsigned level = image.pixels[x];
        EXPECT_EQ(PixelAt(bitmap.get(), x, 0), (Rgba{level, level, level, 255}));
    }
}

TEST(PcxDecoder, ResolutionIsCarriedOver) {
    Bytes bytes = MakePcx(TestPattern24(3, 3));
    SetLe16(bytes, 12, 300);
    SetLe16(bytes, 14, 96);
    const Bitmap bitmap = LoadPcxFromMemory(bytes.data(), bytes.size());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(FreeImage_GetDotsPerMeterX(bitmap.get()), 11811u);
    EXPECT_EQ(FreeImage_GetDotsPerMeterY(bitmap.get()), 3780u);
}

TEST(PcxDecoder, LoadsFromAFileAsFromMemory) {
    const std::string path = ::testing::TempDir() + "pcx_decoder_test.pcx";
    for (const VariantCase& c : kVariants) {
        const PcxImage image = Picture(c.variant, 13, 3);
        ASSERT_TRUE(WritePcx(path, image));
        ExpectPicture(image, LoadPcx(path), c.depth, c.name);
    }
    std::remove(path.c_str());
}

}  // namespace

}  // namespace ravelin
