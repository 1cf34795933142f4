// Our reader against FreeImage's own PCX loader on every kind of file FreeImage reads correctly: the
// bitmaps must be identical (depth, masks, resolution, palette and every pixel).

#include "engine/pcx/pcx_loader.h"

#include "engine/pcx_test_pixels.h"
#include "support/pcx_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace ravelin {

namespace {

using Bytes = std::vector<unsigned char>;

Bitmap LoadWithFreeImage(const Bytes& bytes) {
    FIMEMORY* memory = FreeImage_OpenMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    Bitmap bitmap(FreeImage_LoadFromMemory(FIF_PCX, memory, 0));
    FreeImage_CloseMemory(memory);
    return bitmap;
}

void ExpectIdentical(const Bytes& bytes, const std::string& what) {
    const Bitmap theirs = LoadWithFreeImage(bytes);
    const Bitmap ours = LoadPcxFromMemory(bytes.data(), bytes.size());
    ASSERT_TRUE(theirs) << what;
    ASSERT_TRUE(ours) << what;
    FIBITMAP* a = ours.get();
    FIBITMAP* b = theirs.get();
    ASSERT_EQ(FreeImage_GetImageType(a), FreeImage_GetImageType(b)) << what;
    ASSERT_EQ(FreeImage_GetBPP(a), FreeImage_GetBPP(b)) << what;
    ASSERT_EQ(FreeImage_GetWidth(a), FreeImage_GetWidth(b)) << what;
    ASSERT_EQ(FreeImage_GetHeight(a), FreeImage_GetHeight(b)) << what;
    EXPECT_EQ(FreeImage_GetColorType(a), FreeImage_GetColorType(b)) << what;
    EXPECT_EQ(FreeImage_GetRedMask(a), FreeImage_GetRedMask(b)) << what;
    EXPECT_EQ(FreeImage_GetGreenMask(a), FreeImage_GetGreenMask(b)) << what;
    EXPECT_EQ(FreeImage_GetBlueMask(a), FreeImage_GetBlueMask(b)) << what;
    EXPECT_EQ(FreeImage_GetDotsPerMeterX(a), FreeImage_GetDotsPerMeterX(b)) << what;
    EXPECT_EQ(FreeImage_GetDotsPerMeterY(a), FreeImage_GetDotsPerMeterY(b)) << what;
    EXPECT_EQ(FreeImage_IsTransparent(a), FreeImage_IsTransparent(b)) << what;
    ASSERT_EQ(FreeImage_GetColorsUsed(a), FreeImage_GetColorsUsed(b)) << what;
    if (FreeImage_GetColorsUsed(a) > 0) {
        EXPECT_EQ(0, std::memcmp(FreeImage_GetPalette(a), FreeImage_GetPalette(b),
                                 FreeImage_GetColorsUsed(a) * sizeof(RGBQUAD))) << what << ": palette";
    }

    const unsigned bpp = FreeImage_GetBPP(a);
    for (unsigned y = 0; y < FreeImage_GetHeight(a); ++y) {
        const BYTE* rowA = FreeImage_GetScanLine(a, static_cast<int>(y));
        const BYTE* rowB = FreeImage_GetScanLine(b, static_cast<int>(y));
        for (unsigned x = 0; x < FreeImage_GetWidth(a); ++x) {
            if (bpp >= 8) {
                const unsigned size = bpp / 8;
                ASSERT_EQ(0, std::memcmp(rowA + x * size, rowB + x * size, size)) << what << " at " << x << "," << y;
            } else {
                BYTE indexA = 0, indexB = 0;
                FreeImage_GetPixelIndex(a, x, y, &indexA);
                FreeImage_GetPixelIndex(b, x, y, &indexB);
                ASSERT_EQ(indexA, indexB) << what << " at " << x << "," << y;
            }
        }
    }
}

PcxImage Picture(PcxVariant variant, unsigned width, unsigned height) {
    if (variant == PcxVariant::Rgb24) return TestPattern24(width, height);
    return TestPatternIndexed(variant, width, height);
}

TEST(PcxAgainstFreeImage, IdenticalOnEveryVariantFreeImageReadsCorrectly) {
    struct Case {
        PcxVariant variant;
        PcxEncoding encoding;
        bool evenWidthsOnly;
    };
    const Case cases[] = {
        {PcxVariant::Mono1, PcxEncoding::Rle, false},    {PcxVariant::Palette8, PcxEncoding::Rle, false},
        {PcxVariant::Grey8, PcxEncoding::Rle, false},    {PcxVariant::Rgb24, PcxEncoding::Rle, false},
        {PcxVariant::Rgb24, PcxEncoding::Raw, false},    {PcxVariant::Planes4, PcxEncoding::Rle, true},
    };
    const unsigned sizes[][2] = {{2, 2}, {3, 2}, {8, 3}, {9, 4}, {16, 2}, {17, 5}, {64, 3}, {130, 7}};
    for (const Case& c : cases) {
        for (const auto& size : sizes) {
            if (c.evenWidthsOnly && size[0] % 2) continue;
            for (const unsigned extraBytes : {0u, 4u}) {
                PcxImage image = Picture(c.variant, size[0], size[1]);
                image.encoding = c.encoding;
                const Bytes plain = MakePcx(image);
                if (extraBytes) image.bytesPerLine = (plain[pcx_offset::kBytesPerLine] | plain[67] << 8) + extraBytes;
                image.xMin = 3;
                image.yMin = 5;
                Bytes bytes = MakePcx(image);
                SetLe16(bytes, 12, 150);
                SetLe16(bytes, 14, 75);
                ExpectIdentical(bytes, "variant " + std::to_string(static_cast<int>(c.variant)) + " " +
                                           std::to_string(size[0]) + "x" + std::to_string(size[1]) +
                                           " extra " + std::to_string(extraBytes));
            }
        }
    }
}

TEST(PcxAgainstFreeImage, IdenticalOnEightBitFilesWithoutTheirPalette) {
    for (const PcxVariant variant : {PcxVariant::Palette8, PcxVariant::Grey8}) {
        PcxImage image = Picture(variant, 12, 4);
        image.appendPalette = false;
        ExpectIdentical(MakePcx(image), "no palette");
    }
}

TEST(PcxAgainstFreeImage, IdenticalOnNetpbmFilesFreeImageReadsCorrectly) {
    for (const char* name : {"mono", "palette8", "palette8_200", "grey8", "rgb24_odd"}) {
        ExpectIdentical(ReadFileBytes(PcxFixture(std::string("netpbm_") + name + ".pcx")), name);
    }
}

}  // namespace

}  // namespace ravelin
