// Damaged and hostile PCX files: each fails like any other unconvertible file, without reading out of
// bounds, without uninitialised rows, and without allocating more than the file can describe.

#include "engine/pcx/pcx_header.h"
#include "engine/pcx/pcx_loader.h"

#include "engine/pcx_test_pixels.h"
#include "support/pcx_writer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace ravelin {

namespace {

using Bytes = std::vector<unsigned char>;

const PcxVariant kAllVariants[] = {
    PcxVariant::Mono1,   PcxVariant::Cga2,     PcxVariant::Planes2, PcxVariant::Planes3, PcxVariant::Planes4,
    PcxVariant::Packed4, PcxVariant::Palette8, PcxVariant::Grey8,   PcxVariant::Rgb24,   PcxVariant::Rgba32,
};

PcxImage Picture(PcxVariant variant, unsigned width, unsigned height) {
    if (variant == PcxVariant::Rgb24) return TestPattern24(width, height);
    if (variant == PcxVariant::Rgba32) return TestPattern32(width, height);
    return TestPatternIndexed(variant, width, height);
}

bool Loads(const Bytes& bytes) { return static_cast<bool>(LoadPcxFromMemory(bytes.data(), bytes.size())); }

std::string TempPath(const std::string& name) { return ::testing::TempDir() + "pcx_hostile_" + name; }

// How far the peak resident memory of a child process rises while it runs `work` (in KiB).
long PeakRiseKiB(const std::function<void()>& work) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        auto peak = [] {
            std::ifstream status("/proc/self/status");
            std::string key;
            long value = 0;
            while (status >> key) {
                if (key == "VmHWM:") {
                    status >> value;
                    return value;
                }
            }
            return -1L;
        };
        const long before = peak();
        work();
        const long rise = peak() - before;
        (void)!write(fds[1], &rise, sizeof rise);
        _exit(0);
    }
    close(fds[1]);
    long rise = -1;
    if (read(fds[0], &rise, sizeof rise) != sizeof rise) rise = -1;
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return rise;
}

TEST(PcxHostile, AWidthBeyondBytesPerLineIsRefusedInEveryLayout) {
    for (const PcxVariant variant : kAllVariants) {
        Bytes bytes = MakePcx(Picture(variant, 16, 3));
        EXPECT_TRUE(Loads(bytes));
        SetLe16(bytes, pcx_offset::kXMax, 16 * 8);  // far more pixels than each line holds
        EXPECT_FALSE(Loads(bytes)) << static_cast<int>(variant);
    }
}

TEST(PcxHostile, AStreamThatEndsBeforeThePictureIsRefusedAtEveryCut) {
    for (const PcxVariant variant : kAllVariants) {
        for (const PcxEncoding encoding : {PcxEncoding::Rle, PcxEncoding::Raw}) {
            PcxImage image = Picture(variant, 21, 5);
            image.encoding = encoding;
            image.appendPalette = false;
            const Bytes whole = MakePcx(image);
            ASSERT_TRUE(Loads(whole));
            for (std::size_t size = 0; size < whole.size(); ++size) {
                const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
                EXPECT_FALSE(Loads(cut)) << static_cast<int>(variant) << " cut to " << size;
            }
        }
    }
}

TEST(PcxHostile, AHugeClaimInASmallFileIsRefused) {
    for (const PcxVariant variant : kAllVariants) {
        for (const unsigned char encoding : {0, 1}) {
            Bytes bytes = MakePcx(Picture(variant, 4, 4));
            bytes[pcx_offset::kEncoding] = encoding;
            SetLe16(bytes, pcx_offset::kXMax, 65535);
            SetLe16(bytes, pcx_offset::kYMax, 65535);
            SetLe16(bytes, pcx_offset::kBytesPerLine, 65535);
            if (bytes[pcx_offset::kBitsPerPixel] == 8) SetLe16(bytes, pcx_offset::kXMax, 65534);
            bytes.resize(2048, 0xFF);  // the longest runs there are
            EXPECT_FALSE(Loads(bytes)) << static_cast<int>(variant);
        }
    }
}

TEST(PcxHostile, AClaimTheFileCannotHoldAllocatesNothingForThePicture) {
    // 8000 x 8000 RGB would take 192 MB; the file has 2 KB of run codes that hold 63 KB of pixels.
    Bytes bytes = MakePcx(TestPattern24(4, 4));
    SetLe16(bytes, pcx_offset::kXMax, 7999);
    SetLe16(bytes, pcx_offset::kYMax, 7999);
    SetLe16(bytes, pcx_offset::kBytesPerLine, 8000);
    bytes.resize(2048, 0xFF);
    const std::string path = TempPath("claim.pcx");
    ASSERT_TRUE(WriteBytes(path, bytes));
    const long rise = PeakRiseKiB([&] {
        if (LoadPcx(path) || LoadPcxFromMemory(bytes.data(), bytes.size())) _exit(1);
    });
    EXPECT_GE(rise, 0) << "the child failed or loaded the file";
    EXPECT_LT(rise, 16 * 1024);
    std::remove(path.c_str());
}

TEST(PcxHostile, ALongFileIsReadOnlyAsFarAsThePictureCanReach) {
    // A 3 x 3 picture followed by 2 GB of nothing (a sparse file): loads, reading a few bytes.
    const PcxImage image = TestPattern24(3, 3);
    const std::string path = TempPath("long.pcx");
    ASSERT_TRUE(WritePcx(path, image));
    std::filesystem::resize_file(path, 2ull << 30);
    const long rise = PeakRiseKiB([&] {
        const Bitmap bitmap = LoadPcx(path);
        if (!bitmap || PixelAt(bitmap.get(), 2, 2) != ExpectedPixel(image, 2, 2)) _exit(1);
    });
    EXPECT_GE(rise, 0) << "the child failed to load the file";
    EXPECT_LT(rise, 16 * 1024);
    std::remove(path.c_str());
}

TEST(PcxHostile, OnlyRegularFilesAreRead) {
    EXPECT_FALSE(LoadPcx(TempPath("missing.pcx")));
    EXPECT_FALSE(LoadPcx(::testing::TempDir()));
    EXPECT_FALSE(LoadPcx("/dev/zero"));
    EXPECT_FALSE(LoadPcx(""));

    const std::string fifo = TempPath("fifo.pcx");
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(LoadPcx(fifo));  // no writer: must neither block nor read
    std::remove(fifo.c_str());

    const std::string empty = TempPath("empty.pcx");
    ASSERT_TRUE(WriteBytes(empty, {}));
    EXPECT_FALSE(LoadPcx(empty));
    std::remove(empty.c_str());

    const std::string real = TempPath("real.pcx");
    const std::string link = TempPath("link.pcx");
    ASSERT_TRUE(WritePcx(real, TestPattern8(5, 5)));
    std::remove(link.c_str());
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    EXPECT_TRUE(LoadPcx(link));  // a link to a regular file is that file
    std::remove(link.c_str());
    std::remove(real.c_str());
}

TEST(PcxHostile, RegressionFilesFailOrLoadCleanly) {
    // Hostile files and inputs that once made a reader misbehave (fuzzing adds to them); under the
    // sanitizers any out-of-bounds access shows. The file and memory readers must agree on each.
    const std::filesystem::path folder = PcxFixture("regressions");
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const Bytes bytes = ReadFileBytes(entry.path().string());
        const Bitmap fromMemory = LoadPcxFromMemory(bytes.data(), bytes.size());
        const Bitmap fromFile = LoadPcx(entry.path().string());
        EXPECT_EQ(static_cast<bool>(fromMemory), static_cast<bool>(fromFile)) << entry.path();
    }
}

}  // namespace

}  // namespace ravelin
