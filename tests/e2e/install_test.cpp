// The installed tree: the program under lib/ravelin/ with its modules, reached through bin/ravelin, and the
// desktop files, icons and manual page where a desktop looks for them.

#include "run_program.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ravelin {

namespace {

namespace fs = std::filesystem;

// One install into a fresh prefix for the whole suite: installing is the slow part.
class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix = new TempDir;
        const std::string build = fs::path(RAVELIN_BINARY).parent_path().string();
        installRun = new ProgramRun(
            RunProgram(RAVELIN_CMAKE, {"--install", build, "--component", "ravelin", "--prefix", prefix->path}));
    }
    static void TearDownTestSuite() {
        delete installRun;
        delete prefix;
    }
    static std::string At(const std::string& relative) { return prefix->path + relative; }

    static TempDir* prefix;
    static ProgramRun* installRun;
};

TempDir* InstallTest::prefix = nullptr;
ProgramRun* InstallTest::installRun = nullptr;

TEST_F(InstallTest, PutsEveryFileWhereTheDesktopLooks) {
    ASSERT_EQ(installRun->exitCode, 0) << installRun->output << installRun->errors;
    for (const char* file : {"lib/ravelin/ravelin", "lib/ravelin/ravelin-qt.so", "lib/ravelin/ravelin-window.so",
                             "share/applications/ravelin.desktop", "share/metainfo/ravelin.metainfo.xml",
                             "share/icons/hicolor/scalable/apps/ravelin.svg", "share/man/man1/ravelin.1"}) {
        EXPECT_TRUE(fs::is_regular_file(At(file))) << file;
    }
    for (const char* size : {"16", "24", "32", "48", "64", "128", "256"}) {
        const std::string icon = std::string("share/icons/hicolor/") + size + "x" + size + "/apps/ravelin.png";
        EXPECT_TRUE(fs::is_regular_file(At(icon))) << icon;
    }
    ASSERT_TRUE(fs::is_symlink(At("bin/ravelin")));
    // Relative, so that the tree can be moved (DESTDIR staging, packages).
    EXPECT_EQ(fs::read_symlink(At("bin/ravelin")).string(), "../lib/ravelin/ravelin");
}

TEST_F(InstallTest, TheLinkRunsTheProgramWhichFindsItsModules) {
    ASSERT_EQ(installRun->exitCode, 0) << installRun->output << installRun->errors;
    const ProgramRun version = RunProgram(At("bin/ravelin"), {"-v"});
    EXPECT_NE(version.output.find("3.1"), std::string::npos) << version.output;

    // A text watermark needs the canvas module: the program must find it beside the link's target, and
    // an absolute output folder works from any working folder.
    TempDir out, elsewhere;
    RunOptions options;
    options.workingDir = elsewhere.path;
    const ProgramRun convert = RunProgram(
        At("bin/ravelin"),
        {"-i", std::string(RAVELIN_SOURCE_DIR) + "/data/sample.pcx", "-o", out.path, "--wm-text=Hi"}, options);
    EXPECT_EQ(convert.exitCode, 0);
    EXPECT_TRUE(fs::is_regular_file(out.path + "sample.jpg")) << convert.output << convert.errors;
}

// The installed desktop files pass their validators, where those are installed, and the manual page renders.
TEST_F(InstallTest, TheDesktopFilesValidateAndTheManualPageRenders) {
    ASSERT_EQ(installRun->exitCode, 0) << installRun->output << installRun->errors;
    if (fs::exists("/usr/bin/man")) {
        const ProgramRun page = RunProgram("/usr/bin/man", {"-l", At("share/man/man1/ravelin.1")},
                                           RunOptions{.environment = {{"MANPAGER", "cat"}, {"MANWIDTH", "80"}}});
        EXPECT_EQ(page.exitCode, 0) << page.errors;
        for (const char* heading : {"SYNOPSIS", "OPTIONS", "PROFILE FILES", "OUTPUT NAMES", "FILES", "ENVIRONMENT",
                                    "EXIT STATUS", "EXAMPLES", "--jpg-quality"}) {
            EXPECT_NE(page.output.find(heading), std::string::npos) << heading;
        }
    }
    if (fs::exists("/usr/bin/desktop-file-validate")) {
        const ProgramRun desktop =
            RunProgram("/usr/bin/desktop-file-validate", {At("share/applications/ravelin.desktop")});
        EXPECT_EQ(desktop.exitCode, 0) << desktop.output << desktop.errors;
    }
    if (fs::exists("/usr/bin/appstreamcli")) {
        // The component is named after its desktop file, which is not a reverse domain name: a warning
        // of style that is taken as a note here.
        const ProgramRun metainfo =
            RunProgram("/usr/bin/appstreamcli", {"validate", "--no-net", "--override=cid-desktopapp-is-not-rdns=info",
                                                 At("share/metainfo/ravelin.metainfo.xml")});
        EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output << metainfo.errors;
    }
}

}  // namespace

}  // namespace ravelin
