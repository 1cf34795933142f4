#include "platform/product.h"
#include "cli/arguments.h"
#include "cli/console_main.h"
#include "cli/option_table.h"
#include "settings/settings_fields.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <fstream>

namespace ravelin {

namespace {

TEST(Version, FormatsTheNumber) {
    EXPECT_EQ(VersionString(310), "3.1");
    EXPECT_EQ(VersionString(312), "3.1.2");
    EXPECT_EQ(VersionString(300), "3.0");
    EXPECT_EQ(TitleString(kProductTitle, 310), "Orvanta PCX to JPG 3.1");
}

TEST(Arguments, NamesAndValues) {
    const Arguments arguments({"  --jpg-quality=95=1 ", "-ifile.pcx", "bare", "--Input", "-o", "--x=\"a b\""});
    EXPECT_EQ(arguments.Name(0), "--JPG-QUALITY");
    EXPECT_EQ(arguments.Value(0), "95=1");
    EXPECT_EQ(arguments.Name(1), "-IFILE.PCX");
    EXPECT_EQ(arguments.Name(2), "");
    EXPECT_EQ(arguments.Value(2), "bare");
    EXPECT_EQ(arguments.Name(3), "--INPUT");
    EXPECT_EQ(arguments.Value(3), "--Input");
    EXPECT_EQ(arguments.Value(5), "\"a b\"");
    EXPECT_EQ(arguments.Value(6), "");
}

// Parses a command line that names no input, so the window would follow; the settings show what it set.
class ParseTest : public ::testing::Test {
protected:
    ConsoleOutcome Parse(std::vector<std::string> arguments) {
        return ConsoleMain(arguments, "ravelin", job, settings);
    }
    Settings settings;
    ConversionJob job;
};

TEST_F(ParseTest, OptionsWithoutInputLeadToTheWindow) {
    EXPECT_EQ(Parse({}), ConsoleOutcome::StartWindow);
    EXPECT_EQ(Parse({"-q"}), ConsoleOutcome::StartWindow);
    EXPECT_EQ(Parse({"bare", "--unknown=1"}), ConsoleOutcome::StartWindow);
    EXPECT_EQ(Parse({"-U"}), ConsoleOutcome::UninstallDialog);
    EXPECT_EQ(Parse({"-T", "/tmp"}), ConsoleOutcome::ScreenshotMode);
    EXPECT_EQ(job.runMode, "T");
}

TEST_F(ParseTest, ValuesAreReadByTheirKind) {
    ASSERT_EQ(Parse({"--jpg-quality=$5A", "--JPG-CHROMA=high", "--png-interlaced=0", "--gamma=1,5",
                     "--brightness=-20", "--wm-text=\"Hello", "big", "world\"", "--resize-algorithm=lanczos",
                     "--width= 800", "--no-subfolders", "--dither=nonsense"}),
              ConsoleOutcome::StartWindow);
    EXPECT_EQ(settings.jpgQuality, 90);
    EXPECT_EQ(settings.jpgChroma, ChromaSubsampling::High);
    EXPECT_EQ(settings.pngInterlaced, 1);
    EXPECT_FLOAT_EQ(settings.gamma, 1.0f);
    EXPECT_EQ(settings.brightness, -20);
    EXPECT_EQ(settings.doColorCorrection, 1);
    EXPECT_EQ(settings.wmText, "Hello big world");
    EXPECT_EQ(settings.doWatermark, WatermarkType::Text);
    EXPECT_EQ(settings.resizeAlgorithm, ResizeFilter::Lanczos);
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.doResize, 1);
    EXPECT_EQ(settings.height, 0);
    EXPECT_EQ(settings.keepSubfolders, 0);
    EXPECT_EQ(settings.doDither, 1);
    EXPECT_EQ(settings.ditherAlgorithm, DitherAlgorithm::FloydSteinberg);
}

TEST_F(ParseTest, LaterWatermarkOptionDecidesTheType) {
    Parse({"--wm-text=a", "--wm-image=b.png"});
    EXPECT_EQ(settings.doWatermark, WatermarkType::Image);
    EXPECT_EQ(settings.wmText, "a");
}

TEST_F(ParseTest, ColourAloneDoesNotSwitchTheFrameOn) {
    Parse({"--fr-solid-left-color=FF0000"});
    EXPECT_EQ(settings.doFrame, FrameType::None);
    EXPECT_EQ(settings.frameLeftColor, "FF0000");
}

class ProfileTest : public ParseTest {
protected:
    std::string Profile(const std::string& text) {
        const std::string path = folder.path + "profile.ini";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    TempDir folder;
};

TEST_F(ProfileTest, ProfileAppliesAtItsPlaceAmongTheOptions) {
    const std::string profile = Profile("[CLI]\n--width = 800\n--height = 600\n");
    Parse({"--profile=" + profile, "--height=300"});
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 300);
    Parse({"--height=300", "--profile=" + profile});
    EXPECT_EQ(settings.height, 600);
}

TEST_F(ProfileTest, EntriesAreReadByTheProfileRules) {
    const std::string profile = Profile(
        "--jpg-quality=1\n"  // before any group: ignored
        "[other]\n--jpg-quality=2\n"
        "[cli]\n"
        "  --JPG-QUALITY = 80\n"
        "; --jpg-quality = 3\n"
        "--FR-SOLID-OPACITY = 77\n"
        "--WM-SOLID-OPACITY = 128\n"
        "--wm-text = \"quoted\"\n"
        "--filename-mask = \"%filename%_x.%ext%\"\n"
        "--png-interlaced = 0\n"
        "--width =\n"
        "--input = /tmp/a.pcx\n"
        "-q\n"
        "[CLI]\n--jpg-quality = 4\n");
    EXPECT_EQ(Parse({"--profile=" + profile}), ConsoleOutcome::StartWindow);
    EXPECT_EQ(settings.jpgQuality, 80);
    EXPECT_EQ(settings.frameOpacity, 128);
    EXPECT_EQ(settings.wmText, "\"quoted\"");
    EXPECT_EQ(settings.filenameMask, "%filename%_x.%ext%");
    EXPECT_EQ(settings.pngInterlaced, 1);
    EXPECT_EQ(settings.width, 0);
    EXPECT_EQ(settings.doResize, 1);
    EXPECT_FALSE(job.consoleRun);
}

TEST_F(ProfileTest, EncodingsAndBinaryContent) {
    // Without a byte-order mark the bytes are ISO-8859-1; with it, UTF-8.
    Parse({"--profile=" + Profile("[CLI]\n--wm-text=caf\xE9\n")});
    EXPECT_EQ(settings.wmText, "caf\xC3\xA9");
    Parse({"--profile=" + Profile("\xEF\xBB\xBF[CLI]\r\n--wm-text=caf\xC3\xA9\r\n")});
    EXPECT_EQ(settings.wmText, "caf\xC3\xA9");
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 % 256);
    EXPECT_EQ(Parse({"--profile=" + Profile(binary)}), ConsoleOutcome::StartWindow);
}

TEST(OptionTable, EveryRowTargetsAFieldOfTheRecord) {
    for (const OptionRow& row : OptionTable()) {
        EXPECT_NE(row.target, nullptr) << row.name;
        EXPECT_FALSE(OptionNameOf(*row.target).empty()) << row.name;
        EXPECT_EQ(FindOption(row.name), &row);
    }
    EXPECT_EQ(FindProfileOption("--FR-SOLID-OPACITY"), nullptr);
    EXPECT_NE(FindProfileOption("--WM-SOLID-OPACITY"), nullptr);
    EXPECT_EQ(FindOption("--WM-SOLID-OPACITY"), nullptr);
}

}  // namespace

}  // namespace ravelin
