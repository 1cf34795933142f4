// PCX files written by an independent encoder (netpbm's ppmtopcx), read back against the pixels netpbm's
// own reader (pcxtoppm) gives. tests/fixtures/pcx/make-netpbm-fixtures.sh remakes them.

#include "engine/pcx/pcx_loader.h"

#include "engine/pcx_test_pixels.h"

#include <gtest/gtest.h>

#include <string>

namespace ravelin {

namespace {

struct FixtureCase {
    const char* name;
    unsigned depth;
};

const FixtureCase kFixtures[] = {
    {"mono", 1},          {"cga", 4},         {"cga_w1", 4},       {"planes2", 4},
    {"planes3", 4},       {"planes4_odd", 4}, {"planes4_w1", 4},   {"planes4_h1", 4},
    {"packed4", 4},       {"palette8", 8},    {"palette8_200", 8}, {"grey8", 8},
    {"rgb24_odd", 24},    {"rgb24_h1", 24},
};

TEST(PcxFixtures, NetpbmFilesReadAsNetpbmReadsThem) {
    for (const FixtureCase& fixture : kFixtures) {
        const std::string base = PcxFixture(std::string("netpbm_") + fixture.name);
        PpmImage expected;
        ASSERT_TRUE(ReadPpm(base + ".ppm", expected)) << base;
        const Bitmap bitmap = LoadPcx(base + ".pcx");
        ASSERT_TRUE(bitmap) << base;
        EXPECT_EQ(bitmap.bpp(), fixture.depth) << base;
        ASSERT_EQ(bitmap.width(), expected.width) << base;
        ASSERT_EQ(bitmap.height(), expected.height) << base;
        for (unsigned y = 0; y < expected.height; ++y) {
            for (unsigned x = 0; x < expected.width; ++x) {
                const unsigned char* rgb = &expected.rgb[(static_cast<std::size_t>(y) * expected.width + x) * 3];
                ASSERT_EQ(PixelAt(bitmap.get(), x, y), (Rgba{rgb[0], rgb[1], rgb[2], 255}))
                    << base << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace

}  // namespace ravelin
