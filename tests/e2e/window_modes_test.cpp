// The window's one-shot modes through the real program: "-T FOLDER" captures the main window into two JPEG
// files and ends by itself, never touching the configuration file.

#include "run_program.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

namespace ravelin {

namespace {

namespace fs = std::filesystem;

constexpr int kWindowWidth = 510, kWindowHeight = 260;

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using OwnedBitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

OwnedBitmap LoadJpeg(const std::string& path) {
    if (FreeImage_GetFileType(path.c_str(), 0) != FIF_JPEG) return nullptr;
    return OwnedBitmap(FreeImage_Load(FIF_JPEG, path.c_str(), 0));
}

bool HasDarkPixel(FIBITMAP* bitmap, int left, int top, int right, int bottom) {
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            RGBQUAD colour{};
            // FreeImage counts rows from the bottom.
            if (!FreeImage_GetPixelColor(bitmap, static_cast<unsigned>(x), static_cast<unsigned>(height - 1 - y),
                                         &colour)) {
                continue;
            }
            if (colour.rgbRed + colour.rgbGreen + colour.rgbBlue < 3 * 90) return true;
        }
    }
    return false;
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored)) {
        names.push_back(entry.path().lexically_relative(folder).string());
    }
    return names;
}

class ScreenshotMode : public ::testing::Test {
protected:
    ProgramRun Run(const std::vector<std::string>& arguments) {
        RunOptions options;
        options.environment = {{"QT_QPA_PLATFORM", "offscreen"}, {"XDG_CONFIG_HOME", config.path}};
        options.timeoutSeconds = 30;  // it must end by itself; a hang shows as exit -1
        return RunRavelin(arguments, options);
    }

    TempDir config;
    TempDir shots;
};

TEST_F(ScreenshotMode, CapturesTheWindowAndItsThumbnailWithTheWebAddress) {
    const ProgramRun run = Run({"-T", shots.path});
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const OwnedBitmap full = LoadJpeg(shots.path + "ravelin1.jpg");
    ASSERT_TRUE(full) << "ravelin1.jpg is missing or not a JPEG; stderr: " << run.errors;
    EXPECT_EQ(FreeImage_GetWidth(full.get()), static_cast<unsigned>(kWindowWidth));
    EXPECT_EQ(FreeImage_GetHeight(full.get()), static_cast<unsigned>(kWindowHeight));
    EXPECT_EQ(FreeImage_GetBPP(full.get()), 24u);
    // The address ends 35 pixels from the right edge, its top 26 pixels above the bottom.
    EXPECT_TRUE(HasDarkPixel(full.get(), kWindowWidth - 150, kWindowHeight - 26, kWindowWidth - 37,
                             kWindowHeight - 12));
    EXPECT_FALSE(HasDarkPixel(full.get(), kWindowWidth - 30, kWindowHeight - 26, kWindowWidth, kWindowHeight - 12));

    const OwnedBitmap thumbnail = LoadJpeg(shots.path + "ravelin1x.jpg");
    ASSERT_TRUE(thumbnail) << "ravelin1x.jpg is missing or not a JPEG";
    EXPECT_EQ(FreeImage_GetWidth(thumbnail.get()), 180u);
    EXPECT_EQ(FreeImage_GetHeight(thumbnail.get()), 92u);  // 180 / (510 / 260) = 91.76

    EXPECT_TRUE(Entries(config.path).empty()) << "the screenshot mode created " << Entries(config.path).front();
}

TEST_F(ScreenshotMode, NeitherReadsNorWritesTheConfigurationFile) {
    const std::string folder = config.path + "Orvanta/ravelin/";
    fs::create_directories(folder);
    const std::string text = "[Window]\nWidth=900\nIsMaximized=1\n";
    std::ofstream(folder + "config.ini") << text;

    const ProgramRun run = Run({"-T", shots.path});
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const OwnedBitmap full = LoadJpeg(shots.path + "ravelin1.jpg");
    ASSERT_TRUE(full);
    EXPECT_EQ(FreeImage_GetWidth(full.get()), static_cast<unsigned>(kWindowWidth));
    EXPECT_EQ(ReadFileText(folder + "config.ini"), text);
}

// A folder that cannot take the captures: the run ends without writing anything.
struct NoFolderCase {
    const char* name;
    const char* argument;  // relative to a fresh folder
    bool makeFile;         // the argument names a plain file
};

void PrintTo(const NoFolderCase& param, std::ostream* out) {
    *out << param.name;
}

class ScreenshotWithoutFolder : public ScreenshotMode, public ::testing::WithParamInterface<NoFolderCase> {};

TEST_P(ScreenshotWithoutFolder, EndsWithoutWritingAnything) {
    const NoFolderCase& param = GetParam();
    const std::string target = shots.path + param.argument;
    if (param.makeFile) std::ofstream(target) << "x";

    const ProgramRun run = Run({"-T", target});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(Entries(shots.path), param.makeFile ? std::vector<std::string>{param.argument}
                                                  : std::vector<std::string>{});
    EXPECT_FALSE(run.errors.empty()) << "the missing folder deserves a line on stderr";
    EXPECT_TRUE(Entries(config.path).empty());
}

const NoFolderCase kNoFolderCases[] = {
    {"MissingFolder", "missing", false},
    {"MissingNestedFolder", "missing/deeper/", false},
    {"PlainFile", "picture.jpg", true},
};

INSTANTIATE_TEST_SUITE_P(Folders, ScreenshotWithoutFolder, ::testing::ValuesIn(kNoFolderCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A capture whose name is taken by a folder is left out; the other one is still written.
TEST_F(ScreenshotMode, LeavesOutACaptureThatCannotBeWritten) {
    fs::create_directory(shots.path + "ravelin1.jpg");

    const ProgramRun run = Run({"-T", shots.path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(fs::is_directory(shots.path + "ravelin1.jpg"));
    EXPECT_NE(run.errors.find("ravelin1.jpg"), std::string::npos) << run.errors;
    EXPECT_TRUE(LoadJpeg(shots.path + "ravelin1x.jpg"));
    // No temporary file stays behind.
    std::vector<std::string> expected = {"ravelin1.jpg", "ravelin1x.jpg"};
    std::vector<std::string> entries = Entries(shots.path);
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, expected);
}

}  // namespace

}  // namespace ravelin
