// Rotation, resizing and flipping.

#include "engine/pcx/pcx_loader.h"
#include "pcx_writer.h"
#include "step_helpers.h"

#include <gtest/gtest.h>

namespace ravelin {

namespace {

using namespace step_test;

Bitmap LoadVariant(PcxVariant variant, unsigned width, unsigned height) {
    const PcxImage image = variant == PcxVariant::Rgb24 ? TestPattern24(width, height)
                                                         : TestPatternIndexed(variant, width, height);
    const std::vector<unsigned char> bytes = MakePcx(image);
    return LoadPcxFromMemory(bytes.data(), bytes.size());
}

// --- Rotation ---

struct RotationCase {
    int angle;
    int type;
    unsigned width, height;  // expected size
    unsigned bpp;            // expected depth
};
void PrintTo(const RotationCase& c, std::ostream* out) {
    *out << c.angle << " degrees, type " << c.type;
}

class RotationTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(RotationTest, SizeAndDepthFollowTheAngleAndType) {
    const RotationCase& c = GetParam();
    StepRun run;
    run.settings.doRotation = 1;
    run.settings.rotation = c.angle;
    run.settings.rotationType = static_cast<RotationType>(c.type);
    Bitmap picture = LoadVariant(PcxVariant::Palette8, 300, 200);
    ASSERT_EQ(picture.bpp(), 8u);
    const Bitmap result = RotateStep(std::move(picture), run.context(300, 200));
    ASSERT_TRUE(result);
    EXPECT_EQ(result.width(), c.width);
    EXPECT_EQ(result.height(), c.height);
    EXPECT_EQ(result.bpp(), c.bpp);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, RotationTest,
    ::testing::Values(RotationCase{90, 0, 200, 300, 24},    // the canvas grows
                      RotationCase{90, 1, 300, 200, 24},    // the canvas keeps its size
                      RotationCase{0, 0, 300, 200, 8},      // no rotation, no conversion
                      RotationCase{360, 0, 300, 200, 8},
                      RotationCase{-90, 0, 300, 200, 8},
                      RotationCase{725, 1, 300, 200, 8},
                      RotationCase{90, 7, 300, 200, 24}));  // unknown type: converted only

TEST(RotateStep, SimpleRotationTurnsCounterClockwiseAndFillsCornersWithTheBackColour) {
    StepRun run;
    run.settings.doRotation = 1;
    run.settings.rotation = 90;
    run.settings.rotationBackColor = "ff8000";
    Bitmap picture = Solid24(30, 20, {0, 0, 255});
    RGBQUAD red{0, 0, 255, 0};
    FreeImage_SetPixelColor(picture.get(), 0, 19, &red);  // top-left
    const Bitmap quarter = RotateStep(Clone(picture), run.context(30, 20));
    EXPECT_EQ(At(quarter, 0, 29), (Colour{255, 0, 0}));  // top-left went to bottom-left

    run.settings.rotation = 45;
    const Bitmap turned = RotateStep(std::move(picture), run.context(30, 20));
    ASSERT_TRUE(turned);
    EXPECT_GT(turned.width(), 30u);
    EXPECT_EQ(At(turned, 0, 0), (Colour{255, 128, 0}));
    EXPECT_EQ(At(turned, turned.width() - 1, turned.height() - 1), (Colour{255, 128, 0}));
}

TEST(RotateStep, AdvancedRotationTurnsAboutTheCentre) {
    StepRun run;
    run.settings.doRotation = 1;
    run.settings.rotation = 180;
    run.settings.rotationType = RotationType::Advanced;
    Bitmap picture = Pattern24(40, 40);
    const Bitmap result = RotateStep(Clone(picture), run.context(40, 40));
    ASSERT_TRUE(result);
    // FreeImage counts the centre (20, 20) in whole pixels: pixel p goes to 40 - p.
    for (unsigned y = 1; y < 40; ++y)
        for (unsigned x = 1; x < 40; ++x) ASSERT_EQ(At(result, x, y), At(picture, 40 - x, 40 - y)) << x << "," << y;
}

// Indexed sources of every depth are turned as 24-bit colour (FreeImage refuses 4-bit and garbles 8-bit).
TEST(RotateStep, EveryVariantIsTurnedAsTwentyFourBits) {
    StepRun run;
    run.settings.doRotation = 1;
    run.settings.rotation = 30;
    for (PcxVariant variant : {PcxVariant::Mono1, PcxVariant::Planes4, PcxVariant::Palette8, PcxVariant::Grey8,
                               PcxVariant::Rgb24}) {
        Bitmap picture = LoadVariant(variant, 24, 16);
        ASSERT_TRUE(picture) << static_cast<int>(variant);
        const Bitmap result = RotateStep(std::move(picture), run.context(24, 16));
        ASSERT_TRUE(result) << static_cast<int>(variant);
        EXPECT_EQ(result.bpp(), 24u) << static_cast<int>(variant);
    }
}

// --- Resizing ---

struct ResizeCase {
    const char* name;
    unsigned width, height;  // source
    int targetWidth, widthUnit, targetHeight, heightUnit;
    bool keepAspect;
    int type;
    unsigned expectedWidth, expectedHeight;  // 0 x 0: the file fails
};

class ResizeTest : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeTest, TargetSize) {
    const ResizeCase& c = GetParam();
    StepRun run;
    run.settings.doResize = 1;
    run.settings.width = c.targetWidth;
    run.settings.widthUnit = static_cast<SizeUnit>(c.widthUnit);
    run.settings.height = c.targetHeight;
    run.settings.heightUnit = static_cast<SizeUnit>(c.heightUnit);
    run.settings.keepAspectRatio = c.keepAspect;
    run.settings.resizeType = static_cast<ResizeScope>(c.type);
    const Bitmap result = ResizeStep(Solid24(c.width, c.height, {10, 20, 30}), run.context(c.width, c.height));
    EXPECT_EQ(result.width(), c.expectedWidth);
    EXPECT_EQ(result.height(), c.expectedHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ResizeTest,
    ::testing::Values(
        ResizeCase{"LandscapeKeepsAspectFromWidth", 800, 600, 400, 0, 1, 0, true, 0, 400, 300},
        ResizeCase{"PortraitKeepsAspectFromHeight", 600, 800, 1, 0, 400, 0, true, 0, 300, 400},
        ResizeCase{"SinglePrecisionQuotientRoundsUp", 1000, 333, 500, 0, 1, 0, true, 0, 500, 167},
        ResizeCase{"ZeroHeightDoesNothingEvenWithKeepAspect", 800, 600, 400, 0, 0, 0, true, 0, 800, 600},
        ResizeCase{"NegativeWidthDoesNothing", 800, 600, -400, 0, 300, 0, false, 0, 800, 600},
        ResizeCase{"UnknownUnitGivesNoTarget", 800, 600, 400, 2, 300, 0, false, 0, 800, 600},
        ResizeCase{"PercentRoundsHalfToEven", 101, 103, 50, 1, 50, 1, false, 0, 50, 52},
        ResizeCase{"ExactSizeIsLeftAlone", 120, 80, 120, 0, 80, 0, false, 0, 120, 80},
        ResizeCase{"LargeOnlySkipsSmallerPicture", 300, 200, 400, 0, 300, 0, false, 1, 300, 200},
        ResizeCase{"LargeOnlyShrinksWhenOneSideIsLarger", 300, 200, 400, 0, 100, 0, false, 1, 400, 100},
        ResizeCase{"StretchesWithoutKeepAspect", 300, 200, 50, 0, 70, 0, false, 0, 50, 70},
        ResizeCase{"KeptSideRoundingToZeroFails", 1000, 10, 5, 0, 1, 0, true, 0, 0, 0},
        ResizeCase{"EnormousTargetFailsCleanly", 300, 200, 100000, 0, 100000, 0, false, 0, 0, 0},
        ResizeCase{"EnormousPercentFailsCleanly", 300, 200, 2000000000, 1, 50, 1, false, 0, 0, 0},
        ResizeCase{"TooManyPixelsFailsCleanly", 300, 200, 60000, 0, 60000, 0, false, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct FilterCase {
    int code;
    FREE_IMAGE_FILTER filter;
};

TEST(ResizeStep, EachAlgorithmCodeSelectsItsFilter) {
    const Bitmap source = Pattern24(37, 23);
    for (const FilterCase& c : {FilterCase{0, FILTER_BOX}, FilterCase{1, FILTER_BILINEAR}, FilterCase{2, FILTER_BSPLINE},
                                FilterCase{3, FILTER_BICUBIC}, FilterCase{4, FILTER_CATMULLROM},
                                FilterCase{5, FILTER_LANCZOS3}, FilterCase{9, FILTER_BICUBIC}}) {
        StepRun run;
        run.settings.doResize = 1;
        run.settings.width = 61;
        run.settings.height = 29;
        run.settings.keepAspectRatio = 0;
        run.settings.resizeAlgorithm = static_cast<ResizeFilter>(c.code);
        const Bitmap result = ResizeStep(Clone(source), run.context(37, 23));
        const Bitmap expected(FreeImage_Rescale(source.get(), 61, 29, c.filter));
        EXPECT_TRUE(SamePixels(result, expected)) << "algorithm " << c.code;
    }
}

// --- Flipping ---

TEST(FlipStep, FlipsMirrorAndBothTurnByHalfACircle) {
    const Bitmap source = Pattern24(9, 5);
    StepRun run;
    run.settings.doFlipHorizontal = 1;
    const Bitmap mirrored = FlipStep(Clone(source), run.context(9, 5));
    EXPECT_EQ(At(mirrored, 0, 1), At(source, 8, 1));
    run.settings.doFlipVertical = 1;
    const Bitmap both = FlipStep(Clone(source), run.context(9, 5));
    for (unsigned y = 0; y < 5; ++y)
        for (unsigned x = 0; x < 9; ++x) ASSERT_EQ(At(both, x, y), At(source, 8 - x, 4 - y));
}

TEST(GeometrySteps, NoBitmapStaysNoBitmap) {
    StepRun run;
    run.settings.doRotation = run.settings.doResize = run.settings.doFlipVertical = 1;
    run.settings.rotation = 90;
    run.settings.width = run.settings.height = 10;
    EXPECT_FALSE(FlipStep(ResizeStep(RotateStep(Bitmap(), run.context(0, 0)), run.context(0, 0)), run.context(0, 0)));
}

}  // namespace

}  // namespace ravelin
