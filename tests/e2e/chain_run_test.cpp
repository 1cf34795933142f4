// The processing chain through the whole program: command-line options and profile files, every PCX variant,
// and bad settings that must fail one file cleanly or be refused, never crash.

#include "pcx_writer.h"
#include "run_program.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <array>
#include <cstdio>
#include <fstream>

namespace ravelin {

namespace {

struct Decoded {
    explicit Decoded(const std::string& path) : bitmap(FreeImage_Load(FIF_JPEG, path.c_str(), 0)) {}
    ~Decoded() {
        if (bitmap) FreeImage_Unload(bitmap);
    }
    Decoded(const Decoded&) = delete;
    Decoded& operator=(const Decoded&) = delete;
    unsigned width() const { return bitmap ? FreeImage_GetWidth(bitmap) : 0; }
    unsigned height() const { return bitmap ? FreeImage_GetHeight(bitmap) : 0; }
    // (red, green, blue) at (x, y) from the top-left corner.
    std::array<int, 3> At(unsigned x, unsigned y) const {
        RGBQUAD quad{};
        FreeImage_GetPixelColor(bitmap, x, height() - 1 - y, &quad);
        return {quad.rgbRed, quad.rgbGreen, quad.rgbBlue};
    }
    FIBITMAP* bitmap;
};

bool Near(const std::array<int, 3>& got, const std::array<int, 3>& expected, int tolerance) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(got[i] - expected[i]) > tolerance) return false;
    return true;
}

class ChainRunTest : public ::testing::Test {
protected:
    std::string Input(const PcxImage& image) {
        const std::string path = folder.path + "picture.pcx";
        EXPECT_TRUE(WritePcx(path, image));
        return path;
    }
    ProgramRun Convert(const PcxImage& image, std::vector<std::string> options) {
        std::vector<std::string> arguments = {"-i", Input(image), "-o", out.path, "--jpg-bpp=24", "--jpg-quality=100"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return RunRavelin(arguments);
    }
    std::string Output() const { return out.path + "picture.jpg"; }

    TempDir folder;
    TempDir out;
};

PcxImage Variant(PcxVariant variant, unsigned width, unsigned height) {
    return variant == PcxVariant::Rgb24 ? TestPattern24(width, height) : TestPatternIndexed(variant, width, height);
}

// The whole chain at once; JPEG output at full quality, so band colours come back within a small tolerance.
const std::vector<std::string> kWholeChain = {
    "--rotation=90", "--rotation-type=SIMPLE", "--width=50", "--width-unit=PERCENT", "--height=50",
    "--height-unit=PERCENT", "--flip-horizontal", "--flip-vertical", "--brightness=5", "--contrast=5",
    "--fr-solid-left=6", "--fr-solid-right=6", "--fr-solid-top=6", "--fr-solid-bottom=6",
    "--fr-solid-left-color=FF0000", "--fr-solid-right-color=00FF00", "--fr-solid-top-color=0000FF",
    "--fr-solid-bottom-color=FFFF00", "--wm-text=%width%x%height%", "--wm-font=Arial", "--wm-font-size=9",
    "--wm-text-boundary=FRAME"};

class ChainVariantTest : public ChainRunTest, public ::testing::WithParamInterface<PcxVariant> {};

TEST_P(ChainVariantTest, WholeChainConvertsEveryVariant) {
    const ProgramRun run = Convert(Variant(GetParam(), 160, 100), kWholeChain);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.output.find("Files converted: 1 of 1"), std::string::npos) << run.output;
    const Decoded jpeg(Output());
    ASSERT_TRUE(jpeg.bitmap);
    EXPECT_EQ(jpeg.width(), 50u);  // turned to 100 x 160, then halved
    EXPECT_EQ(jpeg.height(), 80u);
    EXPECT_TRUE(Near(jpeg.At(2, 40), {255, 0, 0}, 24));
    EXPECT_TRUE(Near(jpeg.At(47, 40), {0, 255, 0}, 24));
    EXPECT_TRUE(Near(jpeg.At(25, 2), {0, 0, 255}, 24));
    EXPECT_TRUE(Near(jpeg.At(25, 77), {255, 255, 0}, 24));
}

INSTANTIATE_TEST_SUITE_P(Variants, ChainVariantTest,
                         ::testing::Values(PcxVariant::Mono1, PcxVariant::Planes4, PcxVariant::Palette8,
                                           PcxVariant::Grey8, PcxVariant::Rgb24));

// A profile with the same options gives the same picture as the command line.
TEST_F(ChainRunTest, ProfileGivesTheSamePictureAsTheCommandLine) {
    const std::vector<std::string> options = {"--rotation=30", "--rotation-back-color=FF8000", "--greyscale",
                                              "--fr-solid-left=9", "--fr-solid-top=3", "--fr-solid-top-color=00FFFF",
                                              "--wm-text=Profile%eol%Line two", "--wm-font=DejaVu Sans",
                                              "--wm-text-alignment=CENTER", "--wm-back-opacity=90",
                                              "--wm-text-antialiasing", "--wm-text-position=MIDDLECENTER"};
    const PcxImage image = TestPattern24(120, 90);
    ASSERT_NE(Convert(image, options).output.find("Files converted: 1 of 1"), std::string::npos);
    const std::string fromCommandLine = ReadFileText(Output());

    const std::string profile = folder.path + "chain.ini";
    {
        std::ofstream file(profile);
        file << "[CLI]\n";
        for (const std::string& option : options) {
            const std::size_t equals = option.find('=');
            file << (equals == std::string::npos ? option + "=1" : option) << "\n";
        }
    }
    std::remove(Output().c_str());
    ASSERT_NE(Convert(image, {"--profile=" + profile}).output.find("Files converted: 1 of 1"), std::string::npos);
    EXPECT_EQ(ReadFileText(Output()), fromCommandLine);
}

// Bad settings: each either fails the file cleanly, is refused before the run, or converts as the rules say.
struct BadCase {
    const char* name;
    std::vector<std::string> options;
    const char* expectedLine;  // a line the run must print
    unsigned width, height;    // of the output, when one is written
};

class BadSettingsTest : public ChainRunTest, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadSettingsTest, FailsCleanlyOrConverts) {
    const BadCase& c = GetParam();
    const ProgramRun run = Convert(TestPattern24(64, 48), c.options);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.output.find(c.expectedLine), std::string::npos) << run.output;
    const Decoded jpeg(Output());
    EXPECT_EQ(jpeg.width(), c.width);
    EXPECT_EQ(jpeg.height(), c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSettingsTest,
    ::testing::Values(
        BadCase{"EnormousResize", {"--width=100000", "--height=100000"}, "Conversion stopped", 0, 0},
        BadCase{"NegativeResizeDoesNothing", {"--width=-50", "--height=-50"}, "Files converted: 1 of 1", 64, 48},
        BadCase{"AngleBeyondAFullTurn", {"--rotation=720"}, "Files converted: 1 of 1", 64, 48},
        BadCase{"NegativeAngle", {"--rotation=-90"}, "Files converted: 1 of 1", 64, 48},
        BadCase{"FrameWiderThanThePicture", {"--fr-solid-left=500", "--fr-solid-top=2147483647"}, "Files converted: 1 of 1", 64, 48},
        BadCase{"UnknownFontFallsBack", {"--wm-text=Hello", "--wm-font=No Such Face"}, "Files converted: 1 of 1", 64, 48},
        BadCase{"ZeroFontSize", {"--wm-text=Hello", "--wm-font-size=0"}, "Error: Invalid watermark font", 0, 0},
        BadCase{"OffsetsPushTheTextOff", {"--wm-text=Hello", "--wm-text-x-offset=-40", "--wm-text-position=TOPLEFT"},
                "Files converted: 1 of 1", 64, 48},
        BadCase{"HugeLeading", {"--wm-text=a%eol%b", "--wm-font-leading=2000000000"}, "Files converted: 1 of 1", 64, 48},
        BadCase{"HostileWatermarkPicture", {"--wm-image=" RAVELIN_SOURCE_DIR "/data/texts.txt"}, "Files converted: 1 of 1", 64, 48}),
    [](const auto& info) { return std::string(info.param.name); });

// A plain conversion never loads the Qt module; a frame does.
TEST_F(ChainRunTest, QtModuleLoadsOnlyWhenTheChainDraws) {
    const std::string input = Input(TestPattern24(32, 24));
    auto loadsModule = [&](std::vector<std::string> options) {
        std::vector<std::string> arguments = {"LD_DEBUG=files", RAVELIN_BINARY, "-q", "-i", input, "-o", out.path};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const ProgramRun run = RunProgram("/usr/bin/env", arguments);
        EXPECT_EQ(run.exitCode, 0);
        return run.errors.find("ravelin-qt.so") != std::string::npos;
    };
    EXPECT_FALSE(loadsModule({"--rotation=90", "--width=50", "--height=50", "--greyscale", "--dither=BAYER4"}));
    EXPECT_TRUE(loadsModule({"--fr-solid-left=3"}));
}

}  // namespace

}  // namespace ravelin
