// The solid frame: four bands with mitred corners, one opacity, composited over the picture.

#include "engine/steps/overlay.h"
#include "step_helpers.h"

#include <gtest/gtest.h>

#include <climits>

namespace ravelin {

namespace {

using namespace step_test;

constexpr Colour kPicture{0, 0, 0};
constexpr Colour kLeft{255, 0, 0}, kRight{0, 255, 0}, kTop{0, 0, 255}, kBottom{255, 255, 0};

StepRun FrameRun(int left, int right, int top, int bottom, int opacity = 255) {
    StepRun run;
    Settings& s = run.settings;
    s.doFrame = FrameType::Solid;
    s.frameLeft = left, s.frameRight = right, s.frameTop = top, s.frameBottom = bottom;
    s.frameLeftColor = "FF0000", s.frameRightColor = "00ff00", s.frameTopColor = "0000FF", s.frameBottomColor = "FFFF00";
    s.frameOpacity = opacity;
    return run;
}

struct Sample {
    unsigned x, y;
    Colour expected;
};

struct FrameCase {
    const char* name;
    int left, right, top, bottom;
    std::vector<Sample> samples;  // on a black 200 x 100 picture
};
void PrintTo(const FrameCase& c, std::ostream* out) {
    *out << c.name;
}

class FrameBandsTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameBandsTest, PixelsInBandsAndAtMitres) {
    const FrameCase& c = GetParam();
    const StepRun run = FrameRun(c.left, c.right, c.top, c.bottom);
    const Bitmap result = FrameStep(Solid24(200, 100, kPicture), run.context(200, 100));
    ASSERT_TRUE(result);
    ASSERT_EQ(result.bpp(), 24u);
    for (const Sample& s : c.samples) {
        const Colour got = At(result, s.x, s.y);
        EXPECT_EQ(got, s.expected) << "(" << s.x << ", " << s.y << ") is " << got.r << "," << got.g << "," << got.b;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Widths, FrameBandsTest,
    ::testing::Values(
        FrameCase{"EqualWidths",
                  10, 10, 10, 10,
                  {{100, 0, kTop}, {100, 9, kTop}, {100, 10, kPicture}, {0, 50, kLeft}, {9, 50, kLeft},
                   {10, 50, kPicture}, {199, 50, kRight}, {190, 50, kRight}, {189, 50, kPicture},
                   {100, 99, kBottom}, {100, 90, kBottom}, {100, 89, kPicture},
                   // Each corner is cut on the diagonal: above it the top or bottom band, beside it the side.
                   {7, 2, kTop}, {2, 7, kLeft}, {192, 2, kTop}, {197, 7, kRight},
                   {192, 97, kBottom}, {197, 92, kRight}, {7, 97, kBottom}, {2, 92, kLeft},
                   {100, 50, kPicture}}},
        FrameCase{"UnequalWidthsMeetOnTheLineToTheInnerCorner",  // left 20, top 5: joint from (0, 0) to (20, 5)
                  20, 10, 5, 10,
                  {{15, 1, kTop}, {4, 3, kLeft}, {19, 4, kTop}, {1, 4, kLeft}, {19, 6, kLeft}, {20, 6, kPicture},
                   {25, 4, kTop}, {25, 5, kPicture}}},
        FrameCase{"ZeroTopLeavesItUnpaintedAndTheSidesEndSquare",
                  10, 10, 0, 10,
                  {{100, 0, kPicture}, {0, 0, kLeft}, {9, 0, kLeft}, {10, 0, kPicture}, {199, 0, kRight},
                   {190, 0, kRight}, {189, 0, kPicture}, {4, 98, kBottom}, {7, 97, kBottom}, {2, 92, kLeft}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrameStep, OpacityBlendsTheWholeBorder) {
    struct Case {
        int opacity;
        Colour top;  // the blue top band over a white picture
    };
    for (const Case& c : {Case{255, {0, 0, 255}}, Case{128, {128, 128, 255}}, Case{0, {255, 255, 255}}}) {
        const StepRun run = FrameRun(10, 10, 10, 10, c.opacity);
        const Bitmap result = FrameStep(Solid24(60, 40, {255, 255, 255}), run.context(60, 40));
        // Half opacity goes through premultiplied drawing and a truncating composite: one level either way.
        EXPECT_TRUE(Near(At(result, 30, 3), c.top, c.opacity == 128 ? 1 : 0))
            << "opacity " << c.opacity << ": " << At(result, 30, 3).r << "," << At(result, 30, 3).b;
        EXPECT_EQ(At(result, 30, 20), (Colour{255, 255, 255}));
    }
}

TEST(FrameStep, ZeroOpacityLeavesPixelsButWidensToTwentyFourBits) {
    const StepRun run = FrameRun(10, 10, 10, 10, 0);
    Bitmap grey(FreeImage_ConvertToGreyscale(Pattern24(40, 30).get()));
    const Bitmap expected(FreeImage_ConvertTo24Bits(grey.get()));
    const Bitmap result = FrameStep(std::move(grey), run.context(40, 30));
    EXPECT_TRUE(SamePixels(result, expected));
}

TEST(FrameStep, OtherFrameTypesOnlyWiden) {
    StepRun run = FrameRun(10, 10, 10, 10);
    run.settings.doFrame = FrameType{2};
    Bitmap grey(FreeImage_ConvertToGreyscale(Pattern24(40, 30).get()));
    const Bitmap expected(FreeImage_ConvertTo24Bits(grey.get()));
    EXPECT_TRUE(SamePixels(FrameStep(std::move(grey), run.context(40, 30)), expected));
    run.settings.doFrame = FrameType::None;
    Bitmap untouched(FreeImage_ConvertToGreyscale(Pattern24(40, 30).get()));
    EXPECT_EQ(FrameStep(std::move(untouched), run.context(40, 30)).bpp(), 8u);
}

// Bands wider than the picture, or beyond any picture, paint it over without trouble.
TEST(FrameStep, OversizedBandsCoverThePicture) {
    for (int width : {150, 100000, INT_MAX}) {
        const StepRun run = FrameRun(width, width, width, width);
        const Bitmap result = FrameStep(Solid24(60, 40, kPicture), run.context(60, 40));
        ASSERT_TRUE(result) << width;
        EXPECT_EQ(result.width(), 60u);
        EXPECT_NE(At(result, 30, 20), kPicture) << width;
    }
    const StepRun negative = FrameRun(-20, -20, -20, -20);
    EXPECT_TRUE(FrameStep(Solid24(60, 40, kPicture), negative.context(60, 40)));
}

// The overlay goes to FreeImage straight from the raster; an in-memory PNG gives the very same picture.
TEST(FrameStep, DirectHandOverEqualsThePngRoute) {
    const StepRun run = FrameRun(17, 5, 9, 23, 128);
    const Bitmap picture = Pattern24(120, 90);
    Canvas overlay = DrawFrameOverlay(run.settings, 120, 90);
    ASSERT_TRUE(overlay);
    std::vector<unsigned char> png = overlay.EncodePng();
    ASSERT_FALSE(png.empty());
    FIMEMORY* memory = FreeImage_OpenMemory(png.data(), static_cast<DWORD>(png.size()));
    const Bitmap viaPng(FreeImage_LoadFromMemory(FIF_PNG, memory, 0));
    FreeImage_CloseMemory(memory);
    const Bitmap direct = overlay.ToBitmap();
    EXPECT_TRUE(SamePixels(direct, viaPng));
    EXPECT_TRUE(SamePixels(CompositeOverlay(Clone(picture), direct), CompositeOverlay(Clone(picture), viaPng)));
}

}  // namespace

}  // namespace ravelin

namespace ravelin {

namespace {

using namespace step_test;

// The frame is composited tile by tile where its bands can lie; the pixels are those of the whole-picture
// overlay composited at once, whatever the tiles' size and wherever the bands meet.
TEST(FrameStep, TilesGiveThePixelsOfTheWholeOverlay) {
    struct Bands {
        int left, right, top, bottom, opacity;
    };
    for (const Bands& b : {Bands{17, 5, 9, 23, 128}, Bands{10, 10, 10, 10, 255}, Bands{0, 30, 0, 7, 200},
                           Bands{70, 70, 3, 3, 255}, Bands{5, 5, 60, 60, 90}, Bands{-20, 8, 8, -20, 255},
                           Bands{1, 1, 1, 1, 1}, Bands{150, 150, 150, 150, 255}}) {
        const StepRun run = FrameRun(b.left, b.right, b.top, b.bottom, b.opacity);
        const Bitmap picture = Pattern24(121, 91);
        const Bitmap whole = CompositeOverlay(Clone(picture), DrawFrameOverlay(run.settings, 121, 91).ToBitmap());
        ASSERT_TRUE(whole);
        for (const long long tilePixels : {1LL << 20, 1000LL, 97LL, 7LL}) {
            EXPECT_TRUE(SamePixels(ApplyFrame(Clone(picture), run.settings, 121, 91, tilePixels), whole))
                << b.left << "/" << b.right << "/" << b.top << "/" << b.bottom << " in tiles of " << tilePixels;
        }
    }
}

// The tiles cover the bands' strips only, each within the tile budget, and none overlaps another.
TEST(FrameStep, TilesCoverOnlyTheBandsStrips) {
    const StepRun run = FrameRun(3, 4, 5, 6);
    long long covered = 0;
    for (const PixelRect& tile : FrameTiles(run.settings, 1000, 800, 500)) {
        EXPECT_LE(tile.width * tile.height, 500);
        covered += tile.width * tile.height;
    }
    EXPECT_EQ(covered, 1000 * 800 - (1000 - 7) * (800 - 11));
}

}  // namespace

}  // namespace ravelin
