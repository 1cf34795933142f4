// Whole-program runs of the built converter on small PCX files.

#include "pcx_writer.h"
#include "run_program.h"

#include <FreeImage.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace ravelin {

namespace {

const std::vector<std::string> kBanner = {"Orvanta PCX to JPG 3.1",
                                          "Converted with Orvanta PCX to JPG (c) Orvanta Software",
                                          "https://www.orvanta.example/ravelin/", " "};

struct LoadedJpeg {
    explicit LoadedJpeg(const std::string& path) : bitmap(FreeImage_Load(FIF_JPEG, path.c_str(), 0)) {}
    ~LoadedJpeg() {
        if (bitmap) FreeImage_Unload(bitmap);
    }
    FIBITMAP* bitmap;
};

class ConsoleRunTest : public ::testing::Test {
protected:
    std::string Input(const PcxImage& image, const std::string& name = "picture.pcx") {
        const std::string path = folder.path + name;
        EXPECT_TRUE(WritePcx(path, image));
        return path;
    }
    std::string Output(const std::string& name) const { return out.path + name; }
    bool Exists(const std::string& path) const { return std::filesystem::exists(path); }

    TempDir folder;
    TempDir out;
};

TEST_F(ConsoleRunTest, SuccessfulRunPrintsBannerStatusLinesAndReport) {
    const std::string input = Input(TestPattern24(40, 30));
    const ProgramRun run = RunRavelin({"-i", input, "-o", out.path});
    EXPECT_EQ(run.exitCode, 0);
    std::vector<std::string> expected = kBanner;
    for (const char* line : {"Preparing...", "Importing...", "Import complete, new files added: 1", "Converting...",
                             "Conversion complete", "Files converted: 1 of 1"}) {
        expected.emplace_back(line);
    }
    EXPECT_EQ(run.lines(), expected);
    EXPECT_TRUE(Exists(Output("picture.jpg")));
}

// Each PCX variant converts; 1-, 4- and 8-bit sources stay 8-bit, deeper ones become 24-bit. FreeImage
// writes an 8-bit picture with a colour palette as a colour JPEG and a grey one as a grey JPEG.
struct VariantCase {
    PcxVariant variant;
    unsigned jpegDepth;  // of the file as written
};

class VariantTest : public ConsoleRunTest, public ::testing::WithParamInterface<VariantCase> {};

TEST_P(VariantTest, ConvertsWithAutomaticDepth) {
    const VariantCase& c = GetParam();
    PcxImage image = c.variant == PcxVariant::Rgb24 ? TestPattern24(33, 17) : TestPatternIndexed(c.variant, 34, 17);
    const ProgramRun run = RunRavelin({"-q", "-i", Input(image), "-o", out.path});
    EXPECT_EQ(run.output, "");
    const LoadedJpeg jpeg(Output("picture.jpg"));
    ASSERT_NE(jpeg.bitmap, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(jpeg.bitmap), image.width);
    EXPECT_EQ(FreeImage_GetHeight(jpeg.bitmap), 17u);
    EXPECT_EQ(FreeImage_GetBPP(jpeg.bitmap), c.jpegDepth);
}

INSTANTIATE_TEST_SUITE_P(Variants, VariantTest,
                         ::testing::Values(VariantCase{PcxVariant::Mono1, 8}, VariantCase{PcxVariant::Planes4, 24},
                                           VariantCase{PcxVariant::Palette8, 24}, VariantCase{PcxVariant::Grey8, 8},
                                           VariantCase{PcxVariant::Rgb24, 24}));

TEST_F(ConsoleRunTest, ConvertedPixelsMatchTheSourceWithinJpegTolerance) {
    PcxImage image;
    image.width = 16;
    image.height = 16;
    image.variant = PcxVariant::Rgb24;
    for (unsigned i = 0; i < 256; ++i) {
        image.pixels.insert(image.pixels.end(), {200, 40, 90});
    }
    RunRavelin({"-q", "-i", Input(image), "-o", out.path, "--jpg-quality=100"});
    const LoadedJpeg jpeg(Output("picture.jpg"));
    ASSERT_NE(jpeg.bitmap, nullptr);
    RGBQUAD pixel {};
    ASSERT_TRUE(FreeImage_GetPixelColor(jpeg.bitmap, 8, 8, &pixel));
    EXPECT_NEAR(pixel.rgbRed, 200, 3);
    EXPECT_NEAR(pixel.rgbGreen, 40, 3);
    EXPECT_NEAR(pixel.rgbBlue, 90, 3);
}

TEST_F(ConsoleRunTest, JpegBitDepthOptionForcesGreyOrColour) {
    const std::string input = Input(TestPattern24(20, 20));
    RunRavelin({"-q", "-i", input, "-o", out.path, "--jpg-bpp=8"});
    const LoadedJpeg grey(Output("picture.jpg"));
    ASSERT_NE(grey.bitmap, nullptr);
    EXPECT_EQ(FreeImage_GetBPP(grey.bitmap), 8u);
    EXPECT_EQ(FreeImage_GetColorType(grey.bitmap), FIC_MINISBLACK);
}

TEST_F(ConsoleRunTest, ResizedPaletteSourceStaysInColour) {
    PcxImage image = TestPattern8(40, 40);
    image.pixels.assign(40 * 40, 1);
    image.palette = {0, 0, 0, 220, 30, 30};
    RunRavelin({"-q", "-i", Input(image), "-o", out.path, "--width=20", "--height=20", "--filename-mask=%bpp%"});
    const LoadedJpeg jpeg(Output("24"));
    ASSERT_NE(jpeg.bitmap, nullptr);
    RGBQUAD pixel {};
    ASSERT_TRUE(FreeImage_GetPixelColor(jpeg.bitmap, 10, 10, &pixel));
    EXPECT_NEAR(pixel.rgbRed, 220, 4);
    EXPECT_NEAR(pixel.rgbGreen, 30, 4);
}

TEST_F(ConsoleRunTest, ProgressiveOptionWritesAProgressiveJpeg) {
    const std::string input = Input(TestPattern24(20, 20));
    RunRavelin({"-q", "-i", input, "-o", out.path, "--jpg-save-as=progressive"});
    const std::string bytes = ReadFileText(Output("picture.jpg"));
    EXPECT_NE(bytes.find("\xFF\xC2", 0, 2), std::string::npos);  // SOF2: progressive
}

// Every check prints its fixed line and converts nothing.
struct CheckCase {
    std::vector<std::string> options;
    std::string line;
};

class CheckTest : public ConsoleRunTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckTest, PrintsItsErrorLineAndWritesNothing) {
    std::vector<std::string> arguments = {"-q", "-i", Input(TestPattern24(8, 8)), "-o", out.path};
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
    const ProgramRun run = RunRavelin(arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, GetParam().line + "\n");
    EXPECT_TRUE(std::filesystem::is_empty(out.path));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckTest,
    ::testing::Values(CheckCase{{"-c", "JPG"}, "Error: Invalid conversion type"},
                      CheckCase{{"-c", "png"}, "Error: Invalid conversion type"},
                      CheckCase{{"--jpg-bpp=32"}, "Error: Invalid jpg-bpp value"},
                      CheckCase{{"--jpg-quality=0"}, "Error: Invalid jpg-quality value"},
                      CheckCase{{"--jpg-quality=101"}, "Error: Invalid jpg-quality value"},
                      CheckCase{{"--jpg-quality=abc"}, "Error: Invalid jpg-quality value"},
                      CheckCase{{"--width=800"}, "Error: Invalid height value"},
                      CheckCase{{"--height=600"}, "Error: Invalid width value"},
                      CheckCase{{"--brightness=150"}, "Error: Invalid brightness value"},
                      CheckCase{{"--contrast=-101"}, "Error: Invalid contrast value"},
                      CheckCase{{"--gamma=0"}, "Error: Invalid gamma value"},
                      CheckCase{{"--gamma=10"}, "Error: Invalid gamma value"},
                      CheckCase{{"--wm-image=/nonexistent/mark.png"}, "Error: Invalid watermark image"},
                      CheckCase{{"--width"}, "Error: Incorrect number of parameters"},
                      CheckCase{{"--width", "800"}, "Error: Incorrect number of parameters"},
                      CheckCase{{"--profile=/nonexistent/profile.ini"}, "Error: Invalid profile file"},
                      CheckCase{{"--profile=\"\""}, "Error: Invalid profile file"},
                      CheckCase{{"-o"}, "Error: Incorrect number of parameters"}));

// An output of the longest name a folder allows replaces an earlier one and keeps its mode.
TEST_F(ConsoleRunTest, LongestOutputNameReplacesAnEarlierFileAndKeepsItsMode) {
    const std::string stem(251, 'n');
    const std::string input = Input(TestPattern24(20, 10), stem + ".pcx");
    const std::string output = Output(stem + ".jpg");
    { std::ofstream(output) << "old"; }
    ASSERT_EQ(chmod(output.c_str(), 0640), 0);
    const ProgramRun run = RunRavelin({"-i", input, "-o", out.path});
    EXPECT_EQ(run.lines().back(), "Files converted: 1 of 1");
    const LoadedJpeg jpeg(output);
    ASSERT_NE(jpeg.bitmap, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(jpeg.bitmap), 20u);
    struct stat status {};
    ASSERT_EQ(stat(output.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path), std::filesystem::directory_iterator()), 1);
}

TEST_F(ConsoleRunTest, InputAndOutputChecks) {
    const std::string input = Input(TestPattern24(8, 8));
    const std::string empty = folder.path + "empty.pcx";
    WriteBytes(empty, {});
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"-i", folder.path + "missing.pcx", "-o", out.path}, "Error: Invalid input file"},
        {{"-i", folder.path + "noextension", "-o", out.path}, "Error: Invalid input file"},
        {{"-i", empty, "-o", out.path}, "Error: Invalid input file"},
        {{"-i", folder.path.substr(0, folder.path.size() - 1) + ".d/", "-o", out.path}, "Error: Invalid input file"},
        {{"-i", input, "-o", "../elsewhere"}, "Error: Incorrect output folder"},
        {{"-i", input, "-o", out.path + "missing"}, "Error: Invalid output folder"},
        {{"-i", input, "-o", "surely-no-such-folder-beside-the-program"}, "Error: Invalid output folder"},
        {{"-i"}, "Error: Incorrect number of parameters"},
        {{"-i", "-o", out.path}, "Error: Incorrect number of parameters"},
        {{"--input"}, "Error: Incorrect number of parameters"},
        {{"--input="}, "Error: Incorrect number of parameters"},
        {{"--input=-x.pcx"}, "Error: Incorrect number of parameters"},
    };
    for (const auto& [arguments, line] : cases) {
        std::vector<std::string> quietArguments = {"-q"};
        quietArguments.insert(quietArguments.end(), arguments.begin(), arguments.end());
        EXPECT_EQ(RunRavelin(quietArguments).output, line + "\n") << arguments[1];
    }
}

TEST_F(ConsoleRunTest, RefusedRunShowsBannerPreparingAndTheErrorOnly) {
    const ProgramRun run = RunRavelin({"-i", Input(TestPattern24(8, 8)), "-o", out.path, "-c", "bmp"});
    std::vector<std::string> expected = kBanner;
    expected.emplace_back("Preparing...");
    expected.emplace_back("Error: Invalid conversion type");
    EXPECT_EQ(run.lines(), expected);
}

TEST_F(ConsoleRunTest, ForeignAndListInputsEndWithTheEmptyListLines) {
    for (const char* name : {"list.txt", "files.LST", "picture.png"}) {
        const std::string input = folder.path + name;
        WriteBytes(input, {1, 2, 3});
        const ProgramRun run = RunRavelin({"-i", input, "-o", out.path});
        const std::vector<std::string> lines = run.lines();
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[lines.size() - 3], "Import complete, new files added: 0") << name;
        EXPECT_EQ(lines[lines.size() - 2], "Conversion stopped");
        EXPECT_EQ(lines.back(), "No input file(s) found. Please, add valid file(s) and try again!");
    }
}

TEST_F(ConsoleRunTest, UnreadablePcxIsReportedAsNotConverted) {
    const std::string input = folder.path + "broken.pcx";
    WriteBytes(input, {0x0A, 0x05, 0x01, 0x08, 1, 2, 3});
    EXPECT_EQ(RunRavelin({"-q", "-i", input, "-o", out.path}).output, "Conversion stopped\n");
    const ProgramRun debug = RunRavelin({"-q", "-d", "-i", input, "-o", out.path});
    const std::vector<std::string> lines = debug.lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "[ERROR] Unable to convert the file!");
    EXPECT_TRUE(std::filesystem::is_empty(out.path));
}

TEST_F(ConsoleRunTest, DebugListingShowsEffectiveSettingsInOrder) {
    const std::string input = Input(TestPattern24(8, 8));
    const ProgramRun run = RunRavelin({"-q", "-d", "-i", input, "-o", out.path, "--width=50", "--height=50",
                                       "--width-unit=percent", "--rotation=90", "--gamma=2.5", "--threshold=100",
                                       "--dither=bayer8", "--fr-solid-left=3", "--fr-solid-top-color=FF0000",
                                       "--file-timestamp=custom", "--file-timestamp-custom=1000000000"});
    const std::vector<std::string> expected = {
        "Input: " + input, "Output: " + out.path, "Conversion: jpg", "JPG BPP: 0", "JPG Quality: 95",
        "JPG Chroma Subsampling: none", "JPG Save As: standard", "Image Rotation Type: simple",
        "Image Rotation: 90", "Image Rotation Back Color: 000000", "Width: 50 percent", "Height: 50 pixels",
        "Keep Aspect Ratio: 0", "Image Resize Type: allimages", "Image Resize Algorithm: bicubic",
        "Flip Horizontal: 0", "Flip Vertical: 0", "Brightness: 0", "Contrast: 0", "Gamma: 2.50", "Invert: 0",
        "Greyscale: 0", "Image Threshold: 100", "Image Dithering Algorithm: bayer8", "Frame: solid",
        "Frame left: 3", "Frame right: 0", "Frame top: 0", "Frame bottom: 0", "Frame left color: 000000",
        "Frame right color: 000000", "Frame top color: FF0000", "Frame bottom color: 000000",
        "Frame opacity: 255", "Watermark: none", "Filename Mask: %filename%.%ext%", "File Timestamp: custom",
        "Custom Timestamp: 1000000000", "Keep Subfolders: 1", "Processing: " + input,
        "File Format: [ERROR] UNRECOGNIZED", "[OK] Saving As: " + out.path + "picture.jpg"};
    EXPECT_EQ(run.lines(), expected);
}

TEST_F(ConsoleRunTest, DebugListingStopsAtTheFirstFailingCheck) {
    const ProgramRun run = RunRavelin({"-q", "-d", "-i", Input(TestPattern24(8, 8)), "-o", out.path,
                                       "--jpg-quality=0", "--width=5"});
    const std::vector<std::string> lines = run.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "Error: Invalid jpg-quality value");
    EXPECT_EQ(lines[lines.size() - 2], "JPG Save As: standard");
}

TEST_F(ConsoleRunTest, FilenameMaskNamesTheOutput) {
    const std::string input = Input(TestPattern24(12, 7), "sUMMER.pcx");
    RunRavelin({"-q", "-i", input, "-o", out.path, "--filename-mask=Img_%FILENAME[T]%_%width%x%height%_%bpp%_%n%.%EXT[U]%"});
    EXPECT_TRUE(Exists(Output("img_Summer_12x7_24_00001.JPG")));
}

TEST_F(ConsoleRunTest, ExistingOutputIsReplacedByASuccessfulSaveOnly) {
    const std::string input = Input(TestPattern24(8, 8));
    WriteBytes(Output("picture.jpg"), {'o', 'l', 'd'});
    const std::string broken = folder.path + "picture2.pcx";
    WriteBytes(broken, {0x0A, 0x05, 0x01, 0x08});
    RunRavelin({"-q", "-i", broken, "-o", out.path, "--filename-mask=picture.jpg"});
    EXPECT_EQ(ReadFileText(Output("picture.jpg")), "old");
    RunRavelin({"-q", "-i", input, "-o", out.path});
    EXPECT_NE(ReadFileText(Output("picture.jpg")), "old");
    // No temporary file is left behind either way.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path), {}), 1);
}

TEST_F(ConsoleRunTest, OutputThatWouldReplaceTheInputIsRefused) {
    const std::string input = Input(TestPattern24(8, 8));
    const std::string before = ReadFileText(input);
    const ProgramRun run = RunRavelin({"-q", "-i", input, "--filename-mask=%filename%.pcx"});
    EXPECT_EQ(run.output, "Conversion stopped\n");
    EXPECT_EQ(ReadFileText(input), before);
}

TEST_F(ConsoleRunTest, WithoutOutputFolderTheOutputLandsBesideTheInput) {
    const std::string input = Input(TestPattern24(8, 8));
    RunRavelin({"-q", "-i", input});
    EXPECT_TRUE(Exists(folder.path + "picture.jpg"));
}

TEST_F(ConsoleRunTest, FileTimestampModes) {
    const std::string input = Input(TestPattern24(8, 8));
    const timespec times[2] = {{0, UTIME_OMIT}, {946684800, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, input.c_str(), times, 0), 0);
    struct stat status {};

    RunRavelin({"-q", "-i", input, "-o", out.path, "--file-timestamp=original"});
    ASSERT_EQ(stat(Output("picture.jpg").c_str(), &status), 0);
    EXPECT_EQ(status.st_mtime, 946684800);

    RunRavelin({"-q", "-i", input, "-o", out.path, "--file-timestamp=custom", "--file-timestamp-custom=1234567890"});
    ASSERT_EQ(stat(Output("picture.jpg").c_str(), &status), 0);
    EXPECT_EQ(status.st_mtime, 1234567890);
}

TEST_F(ConsoleRunTest, QuotedPiecesAreJoinedIntoOnePath) {
    std::filesystem::create_directory(folder.path + "my files");
    const std::string input = Input(TestPattern24(8, 8), "my files/a.pcx");
    const ProgramRun run = RunRavelin({"-q", "--input=\"" + folder.path + "my", "files/a.pcx\"", "-o", out.path});
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(Exists(Output("a.jpg")));
}

TEST_F(ConsoleRunTest, ProfileAndCommandLineApplyInOrder) {
    const std::string input = Input(TestPattern24(100, 50));
    const std::string profile = folder.path + "size.ini";
    WriteBytes(profile, std::vector<unsigned char>{});
    {
        const std::string text = "[cli]\r\n--width = 40\r\n--height = 30\r\n--FR-SOLID-OPACITY = 7\r\n";
        WriteBytes(profile, std::vector<unsigned char>(text.begin(), text.end()));
    }
    const auto size = [&](std::vector<std::string> options) {
        std::vector<std::string> arguments = {"-q", "-d", "-i", input, "-o", out.path};
        arguments.insert(arguments.end(), options.begin(), options.end());
        std::string width, height;
        for (const std::string& line : RunRavelin(arguments).lines()) {
            if (line.starts_with("Width: ")) width = line;
            if (line.starts_with("Height: ")) height = line;
        }
        return width + "|" + height;
    };
    EXPECT_EQ(size({"--profile=" + profile, "--height=20"}), "Width: 40 pixels|Height: 20 pixels");
    EXPECT_EQ(size({"--height=20", "--profile=" + profile}), "Width: 40 pixels|Height: 30 pixels");
}

TEST(ConsoleCommands, VersionAndHelp) {
    const ProgramRun version = RunRavelin({"-v"});
    EXPECT_EQ(version.output, "3.1\n");
    EXPECT_EQ(RunRavelin({"--VERSION", "-i", "x.pcx"}).output, "3.1\n");

    const ProgramRun help = RunRavelin({"-h"});
    const std::vector<std::string> lines = help.lines();
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[1], "Usage: ravelin -i <filename> [options]");
    EXPECT_EQ(lines[3], "  ravelin -i example.pcx");
    EXPECT_EQ(lines.back(), "  -v, --version             Display version information and exit");
    EXPECT_EQ(RunRavelin({"-?"}).output, help.output);
}

TEST(ConsoleCommands, PauseNeverHangsWithoutATerminal) {
    TempDir out;
    const ProgramRun run = RunRavelin({"-q", "-p", "-i", "/nonexistent.pcx", "-o", out.path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines(), (std::vector<std::string>{"Error: Invalid input file", "Press any key to exit."}));
    const ProgramRun parseError = RunRavelin({"-p", "--width"}, {.input = "x"});
    EXPECT_EQ(parseError.output, "Error: Incorrect number of parameters\n");
}

TEST(ConsoleCommands, SecondInstanceEndsSilently) {
    TempDir runtime;
    const std::string lockPath = runtime.path + "Orvanta PCX to JPG 3.1.lock";
    const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    const ProgramRun run = RunRavelin({"-v"}, {.runtimeDir = runtime.path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "");
    close(fd);
    EXPECT_EQ(RunRavelin({"-v"}, {.runtimeDir = runtime.path}).output, "3.1\n");
}

TEST(ConsoleCommands, HostileArgumentsNeverCrash) {
    const std::string huge(100000, 'x');
    const std::string binary("\xFF\xFE\x01\x02--\x80=\xC3", 9);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--" + huge}, {"-i", huge + ".pcx"}, {"--wm-text=\"" + huge}, {binary, binary},
          {"-i", "x.pcx", "--filename-mask=\"", "\""}, {"--jpg-quality=99999999999999999999"}}) {
        const ProgramRun run = RunRavelin(arguments);
        EXPECT_EQ(run.exitCode, 0);
    }
}

}  // namespace

}  // namespace ravelin
