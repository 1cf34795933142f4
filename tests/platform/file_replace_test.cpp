#include "platform/file_replace.h"

#include "run_program.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ravelin {

namespace {

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

class FileReplace : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.path + "config.ini";
};

TEST_F(FileReplace, ReplacesTheWholeFileKeepsItsModeAndLeavesNothingBeside) {
    WriteText(path, "an old and much longer content");
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileReplacing(path, "new"));
    EXPECT_EQ(ReadFileText(path), "new");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(Entries(dir.path), std::vector<std::string>{"config.ini"});
}

TEST_F(FileReplace, ANewFileGetsTheUsualModeAndEmptyContentIsWritten) {
    const mode_t old = umask(022);
    const bool written = WriteFileReplacing(path, "");
    umask(old);
    ASSERT_TRUE(written);
    EXPECT_EQ(ModeOf(path), 0644u);
    EXPECT_EQ(ReadFileText(path), "");
}

TEST_F(FileReplace, ALinkKeepsPointingAtTheFileItNames) {
    std::filesystem::create_directory(dir.path + "real");
    WriteText(dir.path + "real/config.ini", "old");
    std::filesystem::create_symlink(dir.path + "real/config.ini", path);
    ASSERT_TRUE(WriteFileReplacing(path, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(ReadFileText(dir.path + "real/config.ini"), "new");
}

TEST_F(FileReplace, RefusedPlacesLeaveEverythingAsItWas) {
    std::filesystem::create_directory(dir.path + "folder");
    WriteText(dir.path + "file", "x");
    for (const std::string& target : {dir.path + "missing/config.ini", dir.path + "file/config.ini",
                                      dir.path + "folder", dir.path + "folder/", std::string()}) {
        EXPECT_FALSE(WriteFileReplacing(target, "new")) << target;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path + "folder"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path + "folder"));
    EXPECT_EQ(ReadFileText(dir.path + "file"), "x");
}

TEST_F(FileReplace, AnUnwritableFolderFailsTheWriteAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
    WriteText(path, "old");
    chmod(dir.path.c_str(), 0500);
    const bool written = WriteFileReplacing(path, "new");
    chmod(dir.path.c_str(), 0700);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileText(path), "old");
}

// A file-size limit makes write() fail part-way, as a full disk does.
TEST_F(FileReplace, AFailedWriteKeepsTheOldFileAndRemovesTheTemporary) {
    WriteText(path, "old");
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileReplacing(path, std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileText(path), "old");
    EXPECT_EQ(Entries(dir.path), std::vector<std::string>{"config.ini"});
}

}  // namespace

}  // namespace ravelin
