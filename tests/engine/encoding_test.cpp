#include "engine/encoding.h"
#include "engine/job_control.h"
#include "pcx_writer.h"
#include "run_program.h"

#include <gtest/gtest.h>

namespace ravelin {

namespace {

Bitmap MakeBitmap(unsigned bpp) {
    Bitmap bitmap(FreeImage_Allocate(4, 4, static_cast<int>(bpp)));
    if (bpp <= 8) {
        RGBQUAD* palette = FreeImage_GetPalette(bitmap.get());
        for (unsigned i = 0; i < (1u << bpp); ++i) palette[i] = {BYTE(i * 3), BYTE(i), BYTE(255 - i), 0};
    }
    return bitmap;
}

class EncodingTest : public ::testing::Test {
protected:
    EncodingTest() {
        ApplyDefaults(settings, DefaultsProfile::Console, 0);
        job.outputExtension = "jpg";
    }
    Settings settings;
    ConversionJob job;
};

TEST_F(EncodingTest, PreparesJpegFlagsAndAutomaticDepth) {
    PrepareOutputEncoding(job, settings);
    EXPECT_EQ(job.outputFormatId, FIF_JPEG);
    EXPECT_EQ(job.saveFlags, 95 | JPEG_SUBSAMPLING_444);
    EXPECT_TRUE(job.autoDepth);
    settings.jpgBpp = 8;
    settings.jpgChroma = ChromaSubsampling::Medium;
    settings.jpgSaveAs = JpegEncoding::Progressive;
    PrepareOutputEncoding(job, settings);
    EXPECT_EQ(job.saveFlags, 95 | JPEG_SUBSAMPLING_420 | JPEG_PROGRESSIVE);
    EXPECT_EQ(job.outputDepth, 8);
    EXPECT_FALSE(job.autoDepth);
}

TEST_F(EncodingTest, AutomaticDepthFollowsTheLoadedDepth) {
    PrepareOutputEncoding(job, settings);
    for (const auto& [source, expected] : std::vector<std::pair<unsigned, unsigned>>{{1, 8}, {4, 8}, {8, 8}, {24, 24}, {32, 24}}) {
        job.sourceDepth = static_cast<int>(source);
        const Bitmap result = ConvertToOutputDepth(MakeBitmap(source), job);
        ASSERT_TRUE(result) << source;
        EXPECT_EQ(result.bpp(), expected) << source;
        EXPECT_EQ(job.outputDepth, static_cast<int>(expected));
    }
}

TEST_F(EncodingTest, EightBitsForJpegIsGreyButQuantisedForPng) {
    job.outputDepth = 8;
    job.autoDepth = false;
    const Bitmap grey = ConvertToOutputDepth(MakeBitmap(24), job);
    ASSERT_TRUE(grey);
    EXPECT_EQ(FreeImage_GetColorType(grey.get()), FIC_MINISBLACK);
    job.outputExtension = "png";
    const Bitmap quantised = ConvertToOutputDepth(MakeBitmap(24), job);
    ASSERT_TRUE(quantised);
    EXPECT_EQ(quantised.bpp(), 8u);
}

TEST_F(EncodingTest, UnknownDepthGivesNoBitmap) {
    job.outputDepth = 12;
    job.autoDepth = false;
    EXPECT_FALSE(ConvertToOutputDepth(MakeBitmap(24), job));
    EXPECT_FALSE(ConvertToOutputDepth(Bitmap(), job));
}

TEST(JobControl, AddInputFileAcceptsOnlyExistingNonEmptyPcxFiles) {
    TempDir folder;
    ConversionJob job;
    ResetJob(job);
    EXPECT_EQ(job.sequenceNumber, 1);
    EXPECT_GE(job.randomNumber, 1);
    EXPECT_LE(job.randomNumber, 99999);
    ASSERT_TRUE(WritePcx(folder.path + "PICTURE.PCX", TestPattern24(2, 2)));
    ASSERT_TRUE(WritePcx(folder.path + "picture.pcx.bak", TestPattern24(2, 2)));
    ASSERT_TRUE(WriteBytes(folder.path + "empty.pcx", {}));
    EXPECT_FALSE(AddInputFile(job, folder.path + "picture.pcx.bak"));
    EXPECT_FALSE(AddInputFile(job, folder.path + "empty.pcx"));
    EXPECT_FALSE(AddInputFile(job, folder.path + "missing.pcx"));
    EXPECT_FALSE(AddInputFile(job, folder.path));
    EXPECT_TRUE(job.inputs.empty());
    EXPECT_TRUE(AddInputFile(job, folder.path + "PICTURE.PCX"));
    ASSERT_EQ(job.inputs.size(), 1u);
    EXPECT_EQ(job.inputs.begin()->second.subfolder, "");
    job.baseFolder = folder.path.substr(0, folder.path.size() - 1);
    EXPECT_TRUE(AddInputFile(job, folder.path + "PICTURE.PCX"));
    EXPECT_EQ(job.inputs.begin()->second.subfolder, "/");
}

}  // namespace

namespace {

// A palette picture that a resize or a frame turned into 24-bit colour stays in colour: the grey 8-bit
// conversion would throw its colours away.
TEST(AutomaticDepth, ProcessedColourPictureOfAPaletteSourceKeepsItsColours) {
    Settings settings;
    ApplyDefaults(settings, DefaultsProfile::Console, 0);
    ConversionJob job;
    job.outputExtension = "jpg";
    PrepareOutputEncoding(job, settings);
    job.sourceDepth = 8;
    const Bitmap colour = ConvertToOutputDepth(MakeBitmap(24), job);
    ASSERT_TRUE(colour);
    EXPECT_EQ(colour.bpp(), 24u);
    EXPECT_EQ(job.outputDepth, 24);

    // Greyscale output of the same source stays 8-bit grey.
    Bitmap grey(FreeImage_ConvertToGreyscale(MakeBitmap(24).get()));
    const Bitmap kept = ConvertToOutputDepth(std::move(grey), job);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept.bpp(), 8u);
    EXPECT_EQ(job.outputDepth, 8);
}

}  // namespace

}  // namespace ravelin
