#include "engine/pcx/pcx_header.h"

#include "support/pcx_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ravelin {

namespace {

using Bytes = std::vector<unsigned char>;

Bytes SoundFile(PcxVariant variant = PcxVariant::Rgb24, unsigned width = 9, unsigned height = 4) {
    PcxImage image = variant == PcxVariant::Rgb24 ? TestPattern24(width, height)
                                                  : TestPatternIndexed(variant, width, height);
    return MakePcx(image);
}

struct Damage {
    std::string name;
    std::function<void(Bytes&)> apply;
};

TEST(PcxHeader, RefusesEveryDamageThatMakesItsClaimsUnbelievable) {
    const std::vector<Damage> damages = {
        {"manufacturer byte", [](Bytes& b) { b[pcx_offset::kManufacturer] = 0x0B; }},
        {"version 1", [](Bytes& b) { b[pcx_offset::kVersion] = 1; }},
        {"version 6", [](Bytes& b) { b[pcx_offset::kVersion] = 6; }},
        {"encoding 2", [](Bytes& b) { b[pcx_offset::kEncoding] = 2; }},
        {"3 bits per pixel", [](Bytes& b) { b[pcx_offset::kBitsPerPixel] = 3; }},
        {"16 bits per pixel", [](Bytes& b) { b[pcx_offset::kBitsPerPixel] = 16; }},
        {"8 bits in 2 planes", [](Bytes& b) { b[pcx_offset::kPlanes] = 2; }},
        {"8 bits in 5 planes", [](Bytes& b) { b[pcx_offset::kPlanes] = 5; }},
        {"no planes", [](Bytes& b) { b[pcx_offset::kPlanes] = 0; }},
        {"2 bits in 4 planes", [](Bytes& b) { b[pcx_offset::kBitsPerPixel] = 2; b[pcx_offset::kPlanes] = 4; }},
        {"4 bits in 4 planes", [](Bytes& b) { b[pcx_offset::kBitsPerPixel] = 4; b[pcx_offset::kPlanes] = 4; }},
        {"right before left", [](Bytes& b) { SetLe16(b, pcx_offset::kXMin, 20); }},
        {"bottom above top", [](Bytes& b) { SetLe16(b, pcx_offset::kYMin, 9); }},
        {"no bytes per line", [](Bytes& b) { SetLe16(b, pcx_offset::kBytesPerLine, 0); }},
        {"width beyond bytes per line", [](Bytes& b) { SetLe16(b, pcx_offset::kXMax, 10); }},
        {"65535 wide with 10 bytes per line", [](Bytes& b) { SetLe16(b, pcx_offset::kXMax, 65535); }},
    };
    ASSERT_TRUE(ReadPcxHeader(SoundFile().data(), SoundFile().size()));
    for (const Damage& damage : damages) {
        Bytes bytes = SoundFile();
        damage.apply(bytes);
        EXPECT_FALSE(ReadPcxHeader(bytes.data(), bytes.size())) << damage.name;
    }
}

TEST(PcxHeader, RefusesAHeaderCutShort) {
    const Bytes bytes = SoundFile();
    EXPECT_FALSE(ReadPcxHeader(bytes.data(), kPcxHeaderSize - 1));
    EXPECT_FALSE(ReadPcxHeader(nullptr, 0));
}

TEST(PcxHeader, BytesPerLineMustHoldTheRowInEveryLayout) {
    struct Case {
        PcxVariant variant;
        unsigned width;
        unsigned fewestBytes;
    };
    const Case cases[] = {
        {PcxVariant::Mono1, 17, 3}, {PcxVariant::Cga2, 9, 3},    {PcxVariant::Planes4, 9, 2},
        {PcxVariant::Packed4, 5, 3}, {PcxVariant::Palette8, 7, 7}, {PcxVariant::Rgb24, 5, 5},
    };
    for (const Case& c : cases) {
        Bytes bytes = SoundFile(c.variant, c.width, 2);
        SetLe16(bytes, pcx_offset::kBytesPerLine, c.fewestBytes);
        EXPECT_TRUE(ReadPcxHeader(bytes.data(), bytes.size())) << c.width;
        SetLe16(bytes, pcx_offset::kBytesPerLine, c.fewestBytes - 1);
        EXPECT_FALSE(ReadPcxHeader(bytes.data(), bytes.size())) << c.width;
    }
}

TEST(PcxHeader, ReadsEveryLayoutAndTheWindow) {
    struct Case {
        PcxVariant variant;
        PcxLayout layout;
    };
    const Case cases[] = {
        {PcxVariant::Mono1, PcxLayout::Mono},       {PcxVariant::Cga2, PcxLayout::Cga},
        {PcxVariant::Planes2, PcxLayout::Planar2},  {PcxVariant::Planes3, PcxLayout::Planar3},
        {PcxVariant::Planes4, PcxLayout::Planar4},  {PcxVariant::Packed4, PcxLayout::Packed4},
        {PcxVariant::Palette8, PcxLayout::Indexed8}, {PcxVariant::Grey8, PcxLayout::Indexed8},
        {PcxVariant::Rgb24, PcxLayout::Rgb},        {PcxVariant::Rgba32, PcxLayout::Rgba},
    };
    for (const Case& c : cases) {
        PcxImage image = TestPatternIndexed(c.variant, 1, 1);
        image.variant = c.variant;
        image.xMin = 100;
        image.yMin = 65535;  // a one-row window at the very end of the range
        const Bytes bytes = MakePcx(image);
        const auto header = ReadPcxHeader(bytes.data(), bytes.size());
        ASSERT_TRUE(header);
        EXPECT_EQ(header->layout, c.layout);
        EXPECT_EQ(header->width, 1u);
        EXPECT_EQ(header->height, 1u);
    }
}

TEST(PcxHeader, AcceptsAnOddBytesPerLineAndTheLargestWindow) {
    Bytes bytes = SoundFile(PcxVariant::Palette8, 9, 2);
    SetLe16(bytes, pcx_offset::kBytesPerLine, 9);  // netpbm writes odd counts
    EXPECT_TRUE(ReadPcxHeader(bytes.data(), bytes.size()));

    SetLe16(bytes, pcx_offset::kXMax, 65535);
    SetLe16(bytes, pcx_offset::kYMax, 65535);
    SetLe16(bytes, pcx_offset::kBytesPerLine, 65535);
    EXPECT_FALSE(ReadPcxHeader(bytes.data(), bytes.size()));  // 65536 pixels do not fit 65535 bytes
    SetLe16(bytes, pcx_offset::kXMax, 65534);
    const auto header = ReadPcxHeader(bytes.data(), bytes.size());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->width, 65535u);
    EXPECT_EQ(header->height, 65536u);
    EXPECT_EQ(header->StreamBytes(), 65535ull * 65536ull);
}

TEST(PcxHeader, KnowsTheFewestAndMostBytesAStreamCanTake) {
    Bytes bytes = SoundFile(PcxVariant::Rgb24, 21, 2);  // 22 bytes per line, 3 planes, 2 rows: 132 bytes
    auto header = ReadPcxHeader(bytes.data(), bytes.size());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->StreamBytes(), 132u);
    EXPECT_EQ(MinEncodedBytes(*header), 2u * 2 + 2);  // two full runs of 63 and a run of 6
    EXPECT_EQ(MaxEncodedBytes(*header), 264u);
    EXPECT_TRUE(FileCanHoldPicture(*header, kPcxHeaderSize + 6));
    EXPECT_FALSE(FileCanHoldPicture(*header, kPcxHeaderSize + 5));

    bytes[pcx_offset::kEncoding] = 0;
    header = ReadPcxHeader(bytes.data(), bytes.size());
    ASSERT_TRUE(header);
    EXPECT_EQ(MinEncodedBytes(*header), 132u);
    EXPECT_EQ(MaxEncodedBytes(*header), 132u);
    EXPECT_TRUE(FileCanHoldPicture(*header, kPcxHeaderSize + 132));
    EXPECT_FALSE(FileCanHoldPicture(*header, kPcxHeaderSize + 131));
}

TEST(PcxHeader, AHugeClaimInASmallFileCannotBeHeld) {
    Bytes bytes = SoundFile(PcxVariant::Rgb24, 9, 4);
    SetLe16(bytes, pcx_offset::kXMax, 65534);
    SetLe16(bytes, pcx_offset::kYMax, 65534);
    SetLe16(bytes, pcx_offset::kBytesPerLine, 65535);
    bytes.resize(2048, 0xFF);
    const auto header = ReadPcxHeader(bytes.data(), bytes.size());
    ASSERT_TRUE(header);
    EXPECT_FALSE(FileCanHoldPicture(*header, bytes.size()));
}

}  // namespace

}  // namespace ravelin
