#include "engine/naming.h"

#include <gtest/gtest.h>

#include <ctime>

namespace ravelin {

namespace {

class NamingTest : public ::testing::Test {
protected:
    NamingTest() {
        ApplyDefaults(settings, DefaultsProfile::Console, 0);
        job.outputFolder = "/out/";
        job.outputExtension = "jpg";
        job.currentInput = "/in/sUMMER.pcx";
        job.outputDepth = 24;
        job.imageWidth = 640;
        job.imageHeight = 480;
        job.randomNumber = 42;
        job.sequenceNumber = 1;
    }
    std::string Name(const std::string& mask) {
        settings.filenameMask = mask;
        return BuildOutputPath(job, settings);
    }
    Settings settings;
    ConversionJob job;
};

TEST_F(NamingTest, MasksExpandTheirTokens) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "/out/sUMMER.jpg"},
        {"%filename%.%ext%", "/out/sUMMER.jpg"},
        {"%filename[t]%.%ext[u]%", "/out/Summer.JPG"},
        {"%filename[u]%-%filename[l]%.%ext[t]%", "/out/SUMMER-summer.Jpg"},
        {"Img_%FILENAME%.%EXT%", "/out/img_sUMMER.jpg"},
        {"%filename%", "/out/sUMMER"},
        {"%n%_%rnd%_%bpp%_%width%x%height%_%frame%", "/out/00001_00042_24_640x480_1"},
        {"100%.%ext%", "/out/100%.jpg"},
    };
    for (const auto& [mask, expected] : cases) EXPECT_EQ(Name(mask), expected) << mask;
}

TEST_F(NamingTest, NameWithSeveralDotsLosesOnlyTheLastExtension) {
    job.currentInput = "/in/a.b.pcx";
    EXPECT_EQ(Name("%filename%.%ext%"), "/out/a.b.jpg");
    job.currentInput = "/in/noextension";
    EXPECT_EQ(Name("%filename%.%ext%"), "/out/noextension.jpg");
}

TEST_F(NamingTest, SequenceKeepsItsFirstFiveDigits) {
    job.sequenceNumber = 1234567;
    EXPECT_EQ(Name("%n%"), "/out/12345");
}

TEST_F(NamingTest, SubfolderOnlyWhenKept) {
    job.currentSubfolder = "sub/";
    EXPECT_EQ(Name("%filename%"), "/out/sub/sUMMER");
    settings.keepSubfolders = 0;
    EXPECT_EQ(Name("%filename%"), "/out/sUMMER");
}

TEST_F(NamingTest, DateTokensReadTheLocalClock) {
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    const std::string name = Name("%yyyy%");
    EXPECT_EQ(name, "/out/" + std::to_string(local.tm_year + 1900));
    EXPECT_EQ(Name("%mm%%dd%").size(), std::string("/out/0101").size());
}

TEST_F(NamingTest, WatermarkTextKeepsItsCaseAndNeedsTwoPercentSigns) {
    settings.wmText = "100% Summer";
    EXPECT_EQ(ExpandWatermarkText(settings, job), "100% Summer");
    settings.wmText = "Photo %FILENAME% at %WIDTH%px";
    EXPECT_EQ(ExpandWatermarkText(settings, job), "Photo sUMMER at 640px");
}

}  // namespace

}  // namespace ravelin
