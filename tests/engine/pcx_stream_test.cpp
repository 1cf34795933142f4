#include "engine/pcx/pcx_stream.h"

#include "engine/pcx/pcx_header.h"
#include "support/pcx_writer.h"

#include <gtest/gtest.h>

#include <vector>

namespace ravelin {

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Decode(const Bytes& stream, std::size_t length, bool* ok = nullptr) {
    PcxStreamReader reader(true, stream.data(), stream.size());
    Bytes out(length, 0xEE);
    const bool read = reader.Read(out.data(), out.size());
    if (ok) *ok = read;
    return out;
}

TEST(PcxStream, ReadsLiteralsRunsAndEscapedBytes) {
    // 0x05 literal; run of 3 x 0x41; 0xC1 0xC7 escapes a byte with its top bits set; a run of 0 repeats nothing.
    const Bytes stream = {0x05, 0xC3, 0x41, 0xC1, 0xC7, 0xC0, 0x99, 0x3F};
    bool ok = false;
    EXPECT_EQ(Decode(stream, 6, &ok), (Bytes{0x05, 0x41, 0x41, 0x41, 0xC7, 0x3F}));
    EXPECT_TRUE(ok);
}

TEST(PcxStream, ARunCarriesOnIntoTheNextRead) {
    const Bytes stream = {0xFF, 0x07, 0x01};  // 63 x 0x07, then 0x01
    PcxStreamReader reader(true, stream.data(), stream.size());
    Bytes first(60), second(4);
    ASSERT_TRUE(reader.Read(first.data(), first.size()));
    ASSERT_TRUE(reader.Read(second.data(), second.size()));
    EXPECT_EQ(second, (Bytes{0x07, 0x07, 0x07, 0x01}));
    EXPECT_EQ(reader.Consumed(), 3u);
}

TEST(PcxStream, FailsWhenTheStreamEndsFirst) {
    bool ok = true;
    Decode({0xC5, 0x01}, 6, &ok);
    EXPECT_FALSE(ok);
    Decode({0x01, 0xC5}, 2, &ok);  // a run code with no value after it
    EXPECT_FALSE(ok);
    Decode({}, 1, &ok);
    EXPECT_FALSE(ok);

    const Bytes raw = {1, 2, 3};
    PcxStreamReader reader(false, raw.data(), raw.size());
    Bytes out(4);
    EXPECT_FALSE(reader.Read(out.data(), out.size()));
    EXPECT_FALSE(reader.Skip(4));
    EXPECT_TRUE(reader.Skip(3));
}

TEST(PcxStream, SkipWalksOnlyTheBytesTheFileHas) {
    // A claim of four billion bytes over a short stream ends as soon as the file does.
    const Bytes stream(4096, 0xFF);  // 2048 runs of 63 x 0xFF
    PcxStreamReader reader(true, stream.data(), stream.size());
    EXPECT_FALSE(reader.Skip(4'000'000'000ull));

    PcxStreamReader exact(true, stream.data(), stream.size());
    EXPECT_TRUE(exact.Skip(2048ull * 63));
    EXPECT_EQ(exact.Consumed(), stream.size());

    const Bytes zeroRuns(4096, 0xC0);  // pairs of empty runs: the walk still ends at the file's end
    PcxStreamReader empty(true, zeroRuns.data(), zeroRuns.size());
    EXPECT_FALSE(empty.Skip(1));
}

TEST(PcxStream, ScanTellsWhereThePictureEnds) {
    PcxImage image = TestPattern8(13, 5);
    const Bytes file = MakePcx(image);
    const auto header = ReadPcxHeader(file.data(), file.size());
    ASSERT_TRUE(header);
    const std::size_t streamSize = file.size() - kPcxHeaderSize - kPcxPaletteTrailerSize;
    const auto consumed = ScanPcxStream(*header, file.data() + kPcxHeaderSize, file.size() - kPcxHeaderSize);
    ASSERT_TRUE(consumed);
    EXPECT_EQ(*consumed, streamSize);
    for (std::size_t cut = 0; cut < streamSize; ++cut) {
        EXPECT_FALSE(ScanPcxStream(*header, file.data() + kPcxHeaderSize, cut)) << cut;
    }
}

}  // namespace

}  // namespace ravelin
