// A file that fails says why on standard error, one line naming the file; standard output keeps its lines.

#include "pcx_writer.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ravelin {

namespace {

struct FailureCase {
    const char* name;
    PcxImage (*picture)();
    std::vector<std::string> options;
    std::string file;    // "in" or "out/<name>": the file the line names
    std::string reason;  // the end of the line
};

PcxImage Small() { return TestPattern24(8, 4); }
PcxImage Thin() { return TestPattern24(20, 2); }
PcxImage Damaged() {
    PcxImage image = TestPattern24(8, 4);
    image.width = 0;  // written as a header whose window is inverted
    return image;
}

class FailureReasonTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureReasonTest, NamesTheFileAndTheReasonOnStandardError) {
    const FailureCase& c = GetParam();
    TempDir folder;
    const std::string input = folder.path + "a.pcx";
    if (c.picture == Damaged) {
        ASSERT_TRUE(WriteBytes(input, std::vector<unsigned char>(200, 0x0A)));
    } else {
        ASSERT_TRUE(WritePcx(input, c.picture()));
    }
    std::filesystem::create_directory(folder.path + "out");
    std::filesystem::create_directory(folder.path + "out/taken.jpg");  // a folder where the output would go
    std::vector<std::string> arguments = {"-i", input, "-o", folder.path + "out"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    const ProgramRun run = RunRavelin(arguments);

    EXPECT_EQ(run.lines().back(), "Conversion stopped");
    const std::string file = c.file == "in" ? input : folder.path + c.file;
    EXPECT_EQ(run.errors, "ravelin: " + file + ": " + c.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, FailureReasonTest,
    ::testing::Values(
        FailureCase{"Unreadable", Damaged, {}, "in", "not a PCX picture this program can read"},
        FailureCase{"ReplacesInput", Small, {"--filename-mask=../a.pcx"}, "out/../a.pcx",
                    "the output would replace the input file"},
        FailureCase{"OutputIsAFolder", Small, {"--filename-mask=taken.jpg"}, "out/taken.jpg", "Is a directory"},
        FailureCase{"MissingSubfolder", Small, {"--filename-mask=none/b.jpg"}, "out/none/b.jpg",
                    "No such file or directory"},
        FailureCase{"BeyondJpegSize", Small, {"--width=65501", "--height=4"}, "out/a.jpg",
                    "Maximum supported image dimension is 65500 pixels"},
        FailureCase{"KeptSideRoundsToNothing", Thin, {"--width=1", "--height=1", "--keep-aspect-ratio"}, "in",
                    "the resized picture would have a side of 0 pixels"},
        FailureCase{"BeyondTheLimits", Small, {"--width=70000", "--height=4"}, "in",
                    "the picture would be larger than 65535 pixels a side or 268435456 pixels in all"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FailureReason, SuccessSaysNothingOnStandardError) {
    TempDir folder;
    ASSERT_TRUE(WritePcx(folder.path + "a.pcx", Small()));
    const ProgramRun run = RunRavelin({"-q", "-i", folder.path + "a.pcx", "-o", folder.path});
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "");
}

}  // namespace

}  // namespace ravelin
