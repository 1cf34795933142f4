#include "engine/safe_save.h"
#include "pcx_writer.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>

namespace ravelin {

namespace {

// A picture whose JPEG is far larger than one write buffer, so that the encoder's output goes out in pieces.
Bitmap NoisyPicture(unsigned width, unsigned height) {
    Bitmap bitmap(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24));
    unsigned state = 12345;
    for (unsigned y = 0; y < height; ++y) {
        BYTE* row = FreeImage_GetScanLine(bitmap.get(), static_cast<int>(y));
        for (unsigned x = 0; x < 3 * width; ++x) {
            state = state * 1103515245u + 12345u;
            row[x] = static_cast<BYTE>(state >> 24);
        }
    }
    return bitmap;
}

constexpr int kJpeg95 = 95 | JPEG_SUBSAMPLING_444;

// Names in the folder besides `keep`: a failed or finished save leaves no temporary file behind.
std::vector<std::string> Leftovers(const std::string& folder, const std::string& keep) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != keep) names.push_back(name);
    }
    return names;
}

class SafeSaveTest : public ::testing::Test {
protected:
    TempDir folder;
    std::string target = folder.path + "out.jpg";
    std::string source = folder.path + "in.pcx";
};

TEST_F(SafeSaveTest, WritesTheWholeEncodedPictureAndReplacesAnEarlierFile) {
    ASSERT_TRUE(WriteBytes(target, {'o', 'l', 'd'}));
    const Bitmap picture = NoisyPicture(400, 300);
    ASSERT_TRUE(SaveReplacing(picture, FIF_JPEG, kJpeg95, target, source));

    // Byte for byte what FreeImage writes to a file of its own.
    const std::string reference = folder.path + "reference.jpg";
    ASSERT_TRUE(FreeImage_Save(FIF_JPEG, picture.get(), reference.c_str(), kJpeg95));
    const std::string written = ReadFileText(target);
    EXPECT_GT(written.size(), 200000u);
    EXPECT_EQ(written, ReadFileText(reference));
    std::filesystem::remove(reference);
    EXPECT_TRUE(Leftovers(folder.path, "out.jpg").empty());
}

TEST_F(SafeSaveTest, AFailedWriteKeepsTheEarlierFileAndLeavesNothingBehind) {
    ASSERT_TRUE(WriteBytes(target, {'o', 'l', 'd'}));
    const Bitmap picture = NoisyPicture(400, 300);

    // A file size limit makes writes fail part-way, as a full disk does.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 100000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool ok = SaveReplacing(picture, FIF_JPEG, kJpeg95, target, source);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadFileText(target), "old");
    EXPECT_TRUE(Leftovers(folder.path, "out.jpg").empty());
}

TEST_F(SafeSaveTest, RefusesWhatCannotOrMustNotBeWritten) {
    ASSERT_TRUE(WriteBytes(source, {'p', 'c', 'x'}));
    const Bitmap picture = NoisyPicture(16, 16);
    // Over the input itself, also by another name for the same file.
    EXPECT_FALSE(SaveReplacing(picture, FIF_JPEG, kJpeg95, source, source));
    std::filesystem::create_hard_link(source, folder.path + "alias.jpg");
    EXPECT_FALSE(SaveReplacing(picture, FIF_JPEG, kJpeg95, folder.path + "alias.jpg", source));
    EXPECT_EQ(ReadFileText(source), "pcx");
    // Onto a folder, into a missing folder, or a depth the codec refuses.
    std::filesystem::create_directory(folder.path + "sub.jpg");
    EXPECT_FALSE(SaveReplacing(picture, FIF_JPEG, kJpeg95, folder.path + "sub.jpg", source));
    EXPECT_FALSE(SaveReplacing(picture, FIF_JPEG, kJpeg95, folder.path + "missing/out.jpg", source));
    const Bitmap mono(FreeImage_Allocate(16, 16, 1));
    EXPECT_FALSE(SaveReplacing(mono, FIF_JPEG, kJpeg95, target, source));
    EXPECT_FALSE(SaveReplacing(Bitmap(), FIF_JPEG, kJpeg95, target, source));
    EXPECT_FALSE(std::filesystem::exists(target));
    std::vector<std::string> left = Leftovers(folder.path, "in.pcx");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"alias.jpg", "sub.jpg"}));
}

}  // namespace

}  // namespace ravelin
