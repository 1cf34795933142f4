// Whole-program runs with values a careless or hostile user might give: numbers beyond their field, NUL
// bytes in profiles.

#include "pcx_writer.h"
#include "run_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace ravelin {

namespace {

class HostileValuesTest : public ::testing::Test {
protected:
    std::string Input(unsigned width = 8, unsigned height = 4) {
        const std::string path = folder.path + "picture.pcx";
        EXPECT_TRUE(WritePcx(path, TestPattern24(width, height)));
        return path;
    }
    ProgramRun Run(const std::vector<std::string>& options) {
        std::vector<std::string> arguments = {"-q", "-i", Input(), "-o", out.path};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return RunRavelin(arguments);
    }
    TempDir folder;
    TempDir out;
};

// A number that does not fit its setting is read as no number (0), so the checks before the run see it.
struct RefusedNumber {
    std::string option;
    std::string line;
};

TEST_F(HostileValuesTest, OverflowingNumbersAreRefusedByTheirChecks) {
    for (const RefusedNumber& c : {
             RefusedNumber{"--jpg-quality=4294967391", "Error: Invalid jpg-quality value"},  // 2^32 + 95
             RefusedNumber{"--jpg-quality=$100000001", "Error: Invalid jpg-quality value"},
             RefusedNumber{"--wm-font-size=2147483647", "Error: Invalid watermark font"},
             RefusedNumber{"--wm-font-size=4294967310", "Error: Invalid watermark font"},
         }) {
        std::vector<std::string> options = {c.option};
        if (c.option.starts_with("--wm-font-size")) options.push_back("--wm-text=Hello");
        const ProgramRun run = Run(options);
        EXPECT_EQ(run.output, c.line + "\n") << c.option;
        EXPECT_TRUE(std::filesystem::is_empty(out.path)) << c.option;
    }
}

// Settings without a check take 0 for such a number, as for text without digits; nothing wraps.
TEST_F(HostileValuesTest, OverflowingNumbersWithoutACheckReadAsZero) {
    struct Case {
        std::string option;
        std::string listed;
    };
    for (const Case& c : {Case{"--rotation=4294967386", "Image Rotation: 0"},  // 2^32 + 90
                          Case{"--file-timestamp-custom=99999999999", "Custom Timestamp: 0"},
                          Case{"--file-timestamp-custom=-9999999999", "Custom Timestamp: 0"},
                          Case{"--file-timestamp-custom=15032385535", "Custom Timestamp: 15032385535"}}) {
        const ProgramRun run = Run({"-d", "--file-timestamp=custom", c.option});
        const std::vector<std::string> lines = run.lines();
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.listed), lines.end()) << c.option << "\n" << run.output;
        std::filesystem::remove_all(out.path), std::filesystem::create_directory(out.path);
    }
    // The picture is not turned, and the date is 0, not the 2008 that 99999999999 wraps to in 32 bits.
    Run({"--rotation=4294967386", "--file-timestamp=custom", "--file-timestamp-custom=99999999999"});
    struct stat status {};
    ASSERT_EQ(stat((out.path + "picture.jpg").c_str(), &status), 0);
    EXPECT_EQ(status.st_mtime, 0);
}

// A NUL byte would cut a value short (a mask "nul\0after.%ext%" would write a file "nul"): such a profile is
// refused like any unreadable one, and nothing of it is applied.
TEST_F(HostileValuesTest, ProfileWithANulByteIsRefused) {
    using namespace std::string_literals;
    for (const std::string& text : {"[CLI]\n--filename-mask=nul\0after.%ext%\n"s, "[CLI]\n--wm-text=a\0b\n"s,
                                    "[CLI]\n--width\0x=5\n"s}) {
        const std::string profile = folder.path + "profile.ini";
        ASSERT_TRUE(WriteBytes(profile, std::vector<unsigned char>(text.begin(), text.end())));
        const ProgramRun run = Run({"--profile=" + profile});
        EXPECT_EQ(run.output, "Error: Invalid profile file\n");
        EXPECT_TRUE(std::filesystem::is_empty(out.path));
    }
    // A NUL outside the options' group touches no value and is no reason to refuse.
    const std::string text = "[Other]\nx=a\0b\n[CLI]\n--filename-mask=kept.%ext%\n"s;
    const std::string profile = folder.path + "profile.ini";
    ASSERT_TRUE(WriteBytes(profile, std::vector<unsigned char>(text.begin(), text.end())));
    EXPECT_EQ(Run({"--profile=" + profile}).output, "");
    EXPECT_TRUE(std::filesystem::exists(out.path + "kept.jpg"));
}

}  // namespace

}  // namespace ravelin
