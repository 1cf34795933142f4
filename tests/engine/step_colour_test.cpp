// Colour correction, greyscale, threshold and dithering, with their depth preconditions.

#include "engine/pcx/pcx_loader.h"
#include "pcx_writer.h"
#include "step_helpers.h"

#include <gtest/gtest.h>

namespace ravelin {

namespace {

using namespace step_test;

Bitmap LoadVariant(PcxVariant variant) {
    const PcxImage image = variant == PcxVariant::Rgb24 ? TestPattern24(16, 8) : TestPatternIndexed(variant, 16, 8);
    const std::vector<unsigned char> bytes = MakePcx(image);
    return LoadPcxFromMemory(bytes.data(), bytes.size());
}

// Which step runs, on which source depth, and the depth that comes out.
enum class Step { Colour, Greyscale, Threshold, Dither };

struct DepthCase {
    Step step;
    PcxVariant variant;
    unsigned sourceBpp, resultBpp;
};
void PrintTo(const DepthCase& c, std::ostream* out) {
    *out << "step " << static_cast<int>(c.step) << " on " << c.sourceBpp << " bits";
}

class DepthTest : public ::testing::TestWithParam<DepthCase> {};

TEST_P(DepthTest, SourceDepthIsPreparedAsTheStepNeeds) {
    const DepthCase& c = GetParam();
    StepRun run;
    run.settings.doColorCorrection = c.step == Step::Colour;
    run.settings.brightness = 10;
    run.settings.doGreyscale = c.step == Step::Greyscale;
    run.settings.doThreshold = c.step == Step::Threshold;
    run.settings.threshold = 128;
    run.settings.doDither = c.step == Step::Dither;
    Bitmap picture = LoadVariant(c.variant);
    ASSERT_EQ(picture.bpp(), c.sourceBpp);
    const StepContext context = run.context(16, 8);
    picture = DitherStep(ThresholdStep(GreyscaleStep(ColorCorrectionStep(std::move(picture), context), context),
                                       context),
                         context);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture.bpp(), c.resultBpp);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, DepthTest,
    ::testing::Values(DepthCase{Step::Colour, PcxVariant::Mono1, 1, 24}, DepthCase{Step::Colour, PcxVariant::Planes4, 4, 24},
                      DepthCase{Step::Colour, PcxVariant::Palette8, 8, 8}, DepthCase{Step::Colour, PcxVariant::Grey8, 8, 8},
                      DepthCase{Step::Colour, PcxVariant::Rgb24, 24, 24},
                      DepthCase{Step::Greyscale, PcxVariant::Mono1, 1, 8}, DepthCase{Step::Greyscale, PcxVariant::Planes4, 4, 8},
                      DepthCase{Step::Greyscale, PcxVariant::Rgb24, 24, 8},
                      DepthCase{Step::Threshold, PcxVariant::Mono1, 1, 1}, DepthCase{Step::Threshold, PcxVariant::Planes4, 4, 1},
                      DepthCase{Step::Threshold, PcxVariant::Palette8, 8, 1}, DepthCase{Step::Threshold, PcxVariant::Rgb24, 24, 1},
                      DepthCase{Step::Dither, PcxVariant::Mono1, 1, 1}, DepthCase{Step::Dither, PcxVariant::Planes4, 4, 1},
                      DepthCase{Step::Dither, PcxVariant::Grey8, 8, 1}, DepthCase{Step::Dither, PcxVariant::Rgb24, 24, 1}));

TEST(ColorCorrectionStep, IdentityLeavesPixelsButStillWidensOneBitSources) {
    StepRun run;
    run.settings.doColorCorrection = 1;  // 0, 0, 1.0, no invert
    const Bitmap source = Pattern24(20, 10);
    EXPECT_TRUE(SamePixels(ColorCorrectionStep(Clone(source), run.context(20, 10)), source));
    const Bitmap widened = ColorCorrectionStep(LoadVariant(PcxVariant::Mono1), run.context(16, 8));
    EXPECT_EQ(widened.bpp(), 24u);
}

TEST(ColorCorrectionStep, InvertAndRefusedGamma) {
    StepRun run;
    run.settings.doColorCorrection = 1;
    run.settings.invert = 1;
    const Bitmap inverted = ColorCorrectionStep(Solid24(4, 4, {10, 200, 255}), run.context(4, 4));
    EXPECT_EQ(At(inverted, 1, 1), (Colour{245, 55, 0}));
    run.settings.invert = 0;
    run.settings.gamma = 0.0f;  // refused by FreeImage: the pixels stay
    const Bitmap same = ColorCorrectionStep(Solid24(4, 4, {10, 200, 255}), run.context(4, 4));
    EXPECT_EQ(At(same, 1, 1), (Colour{10, 200, 255}));
    run.settings.gamma = 2.0f;
    const Bitmap brighter = ColorCorrectionStep(Solid24(4, 4, {64, 64, 64}), run.context(4, 4));
    EXPECT_GT(At(brighter, 1, 1).r, 64);
}

TEST(ThresholdStep, LevelDecidesAndStaysWithinTheByteRange) {
    struct Case {
        int level;
        int grey;
        bool white;
    };
    for (const Case& c : {Case{128, 127, false}, Case{128, 128, true}, Case{0, 0, true}, Case{300, 254, false},
                          Case{300, 255, true}, Case{-5, 0, true}}) {
        StepRun run;
        run.settings.doThreshold = 1;
        run.settings.threshold = c.level;
        const Bitmap result = ThresholdStep(Solid24(8, 2, {c.grey, c.grey, c.grey}), run.context(8, 2));
        ASSERT_EQ(result.bpp(), 1u);
        EXPECT_EQ(IndexAt(result, 3, 1) == 1, c.white) << "level " << c.level << " grey " << c.grey;
    }
}

TEST(DitherStep, EachAlgorithmCodeSelectsItsMethod) {
    const Bitmap source = Pattern24(64, 64);
    struct Case {
        int code;
        FREE_IMAGE_DITHER method;
    };
    for (const Case& c : {Case{0, FID_FS}, Case{1, FID_BAYER4x4}, Case{2, FID_BAYER8x8}, Case{3, FID_BAYER16x16},
                          Case{4, FID_CLUSTER6x6}, Case{5, FID_CLUSTER8x8}, Case{6, FID_CLUSTER16x16}, Case{7, FID_FS}}) {
        StepRun run;
        run.settings.doDither = 1;
        run.settings.ditherAlgorithm = static_cast<DitherAlgorithm>(c.code);
        const Bitmap expected(FreeImage_Dither(source.get(), c.method));
        EXPECT_TRUE(SamePixels(DitherStep(Clone(source), run.context(64, 64)), expected)) << "code " << c.code;
    }
}

TEST(ToneSteps, ThresholdThenDitherDithersTheWidenedThresholdResult) {
    StepRun run;
    run.settings.doThreshold = run.settings.doDither = 1;
    run.settings.threshold = 100;
    const Bitmap source = Pattern24(32, 32);
    const StepContext context = run.context(32, 32);
    const Bitmap result = DitherStep(ThresholdStep(Clone(source), context), context);
    const Bitmap thresholded(FreeImage_Threshold(source.get(), 100));
    const Bitmap widened(FreeImage_ConvertTo24Bits(thresholded.get()));
    const Bitmap expected(FreeImage_Dither(widened.get(), FID_FS));
    EXPECT_TRUE(SamePixels(result, expected));
}

TEST(ToneSteps, NoBitmapStaysNoBitmap) {
    StepRun run;
    run.settings.doColorCorrection = run.settings.doGreyscale = run.settings.doThreshold = run.settings.doDither = 1;
    const StepContext context = run.context(0, 0);
    EXPECT_FALSE(DitherStep(ThresholdStep(GreyscaleStep(ColorCorrectionStep(Bitmap(), context), context), context),
                            context));
}

}  // namespace

}  // namespace ravelin
