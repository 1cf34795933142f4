// A file is read a window at a time; whatever the window's size, the picture is the one read from memory.

#include "engine/pcx/pcx_loader.h"
#include "pcx_test_pixels.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace ravelin {

namespace {

bool SameBitmaps(const Bitmap& a, const Bitmap& b) {
    if (!a || !b) return !a && !b;
    if (a.width() != b.width() || a.height() != b.height() || a.bpp() != b.bpp()) return false;
    const unsigned bytes = FreeImage_GetLine(a.get());
    for (unsigned y = 0; y < a.height(); ++y) {
        if (std::memcmp(FreeImage_GetScanLine(a.get(), static_cast<int>(y)),
                        FreeImage_GetScanLine(b.get(), static_cast<int>(y)), bytes) != 0) {
            return false;
        }
    }
    const unsigned colours = FreeImage_GetColorsUsed(a.get());
    return colours == FreeImage_GetColorsUsed(b.get()) &&
           (colours == 0 || std::memcmp(FreeImage_GetPalette(a.get()), FreeImage_GetPalette(b.get()),
                                        colours * sizeof(RGBQUAD)) == 0);
}

TEST(PcxWindows, EveryWindowSizeGivesThePictureReadFromMemory) {
    TempDir folder;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(RAVELIN_FIXTURES "/pcx")) {
        if (entry.path().extension() == ".pcx") files.push_back(entry.path().string());
    }
    int made = 0;
    for (const PcxEncoding encoding : {PcxEncoding::Rle, PcxEncoding::Raw}) {
        PcxImage picture = TestPattern24(37, 11);
        picture.encoding = encoding;
        PcxImage palette = TestPattern8(19, 7);
        palette.encoding = encoding;
        palette.runsAcrossLines = encoding == PcxEncoding::Rle;
        for (const PcxImage& image : {picture, palette}) {
            const std::string path = folder.path + std::to_string(made++) + ".pcx";
            ASSERT_TRUE(WritePcx(path, image));
            files.push_back(path);
        }
    }
    ASSERT_GT(files.size(), 4u);
    for (const std::string& path : files) {
        const std::vector<unsigned char> bytes = ReadFileBytes(path);
        const Bitmap fromMemory = LoadPcxFromMemory(bytes.data(), bytes.size());
        ASSERT_TRUE(fromMemory) << path;
        for (const std::size_t window : {1, 2, 3, 7, 64, 4096}) {
            EXPECT_TRUE(SameBitmaps(LoadPcx(path, window), fromMemory)) << path << " window " << window;
        }
    }
}

TEST(PcxWindows, TruncatedFileFailsWhateverTheWindow) {
    TempDir folder;
    std::vector<unsigned char> bytes = MakePcx(TestPattern24(40, 30));
    bytes.resize(bytes.size() - 10);
    const std::string path = folder.path + "cut.pcx";
    ASSERT_TRUE(WriteBytes(path, bytes));
    for (const std::size_t window : {1, 5, 256 * 1024}) EXPECT_FALSE(LoadPcx(path, window)) << window;
}

}  // namespace

}  // namespace ravelin
