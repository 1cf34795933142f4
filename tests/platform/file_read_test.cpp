#include "platform/file_descriptor.h"
#include "platform/file_read.h"
#include "platform/hex_digit.h"
#include "platform/numbers.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace ravelin {

namespace {

bool IsOpen(int fd) {
    return fcntl(fd, F_GETFD) != -1;
}

TEST(FileDescriptor, OneOwnerClosesOnceAndHandsOverOnMoveOrRelease) {
    TempDir folder;
    FileDescriptor first = OpenFile(folder.path + "a", O_WRONLY | O_CREAT, 0600);
    ASSERT_TRUE(first.valid());
    const int raw = first.get();
    EXPECT_TRUE(fcntl(raw, F_GETFD) & FD_CLOEXEC);  // never inherited by a child

    FileDescriptor second = std::move(first);
    EXPECT_FALSE(first.valid());
    EXPECT_EQ(second.get(), raw);
    second = FileDescriptor();  // assignment closes what was held
    EXPECT_FALSE(IsOpen(raw));

    int released = -1;
    {
        FileDescriptor owner = OpenFile(folder.path + "a", O_RDONLY);
        released = owner.release();
    }
    EXPECT_TRUE(IsOpen(released));  // released means no longer closed by the owner
    ::close(released);
    EXPECT_FALSE(OpenFile(folder.path + "missing", O_RDONLY).valid());
}

class ReadRegularFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder.path + name, std::ios::binary) << bytes;
        return folder.path + name;
    }
    TempDir folder;
};

TEST_F(ReadRegularFileTest, ReadsOnlyRegularFilesWithinTheBound) {
    const std::string ten = Write("ten", "0123456789");
    const std::string empty = Write("empty", "");
    std::filesystem::create_directory(folder.path + "sub");
    const std::string fifo = folder.path + "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    struct Case {
        std::string path;
        std::size_t bound;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {ten, 10, "0123456789"},            // exactly the bound
        {ten, 9, std::nullopt},             // one byte beyond it
        {empty, 0, ""},                     // empty is still a file
        {folder.path + "sub", 1 << 20, std::nullopt},
        {fifo, 1 << 20, std::nullopt},      // no writer: neither waits nor reads
        {"/dev/zero", 1 << 20, std::nullopt},  // a device never ends
        {folder.path + "missing", 1 << 20, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadRegularFile(c.path, c.bound), c.expected) << c.path;
}

TEST_F(ReadRegularFileTest, WindowsReadAtAnOffsetAndTellAnEarlyEnd) {
    const std::optional<RegularFile> file = OpenRegularFile(Write("ten", "0123456789"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size, 10u);
    unsigned char window[4] = {};
    EXPECT_TRUE(ReadExactlyAt(file->fd.get(), window, 6));
    EXPECT_EQ(std::string(window, window + 4), "6789");
    EXPECT_FALSE(ReadExactlyAt(file->fd.get(), window, 7));  // only three bytes left
    EXPECT_EQ(ReadAtMost(file->fd.get(), window, 7), 3u);
    EXPECT_FALSE(OpenRegularFile(folder.path));
}

TEST(HexDigits, EitherCaseAndNothingElse) {
    const std::string digits = "0123456789abcdefABCDEF";
    const int values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
    for (std::size_t i = 0; i < digits.size(); ++i) EXPECT_EQ(HexDigitValue(digits[i]), values[i]) << digits[i];
    for (char c : {'g', 'G', '/', ':', '@', '`', ' ', '\0', '\xC3'}) EXPECT_EQ(HexDigitValue(c), -1) << int(c);
    // The option reader keeps its bases apart: a hexadecimal letter ends a decimal or binary number.
    EXPECT_EQ(ParseOptionInteger("$fF"), 255);
    EXPECT_EQ(ParseOptionInteger("12a"), 12);
    EXPECT_EQ(ParseOptionInteger("%1012"), 5);
}

}  // namespace

}  // namespace ravelin
