// The theme archive reader on zips made here, sound and hostile.

#include "themes/theme_archive.h"

#include "run_program.h"
#include "theme_zip.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace ravelin {
namespace {

class ThemeArchiveTest : public ::testing::Test {
protected:
    std::string Zip(const std::string& name, const ZipEntries& entries) {
        const std::string path = dir.path + name;
        EXPECT_TRUE(WriteZip(path, entries));
        return path;
    }
    TempDir dir;
};

TEST_F(ThemeArchiveTest, ListsNonEmptyEntriesAndReadsThemByExactName) {
    const auto archive = ThemeArchive::Open(
        Zip("t.zip", {{"theme.cfg", "[Theme]\r\nName=X\r\n"}, {"a.png", "abc"}, {"empty.png", ""}}));
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->Entries().size(), 2u);
    EXPECT_EQ(archive->Entries().at("a.png"), 3u);
    EXPECT_FALSE(archive->Entries().count("empty.png"));
    EXPECT_EQ(archive->Read("a.png").value_or(""), "abc");
    EXPECT_FALSE(archive->Read("A.png"));
    EXPECT_FALSE(archive->Read("empty.png"));
    EXPECT_EQ(archive->ReadPrefix("theme.cfg", 7).value_or(""), "[Theme]");
}

TEST_F(ThemeArchiveTest, RefusesWhatIsNoReadableZip) {
    const std::string good = ReadWholeFile(Zip("good.zip", {{"theme.cfg", std::string(4000, 'x')}}));
    ASSERT_GT(good.size(), 100u);
    ASSERT_TRUE(WriteWholeFile(dir.path + "empty.zip", ""));
    ASSERT_TRUE(WriteWholeFile(dir.path + "text.zip", "this is not a zip at all\r\n"));
    ASSERT_TRUE(WriteWholeFile(dir.path + "cut.zip", good.substr(0, 20)));
    ASSERT_EQ(::mkdir((dir.path + "folder.zip").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo((dir.path + "fifo.zip").c_str(), 0644), 0);
    for (const char* name : {"empty.zip", "text.zip", "cut.zip", "folder.zip", "fifo.zip", "absent.zip"}) {
        EXPECT_FALSE(ThemeArchive::Open(dir.path + name)) << name;
    }
    EXPECT_FALSE(ThemeArchive::Open(""));
}

TEST_F(ThemeArchiveTest, ATruncatedZipNeverYieldsWrongBytes) {
    const std::string body(3000, 'p');
    const std::string good = ReadWholeFile(Zip("good.zip", {{"a.png", body}, {"b.png", "bbbb"}}));
    for (std::size_t cut = 1; cut < good.size(); cut += 37) {
        ASSERT_TRUE(WriteWholeFile(dir.path + "cut.zip", good.substr(0, cut)));
        const auto archive = ThemeArchive::Open(dir.path + "cut.zip");
        if (!archive) continue;
        const auto bytes = archive->Read("a.png");
        if (bytes) {
            EXPECT_EQ(*bytes, body) << "cut at " << cut;
        }
    }
}

TEST_F(ThemeArchiveTest, AnEntryClaimingMoreThanTheBoundIsRefusedBeforeReading) {
    // A real entry one byte over the bound: refused whole, though its start can still be read.
    const auto archive = ThemeArchive::Open(
        Zip("big.zip", {{"big.png", std::string(kMaxThemeEntryBytes + 1, '\0')}, {"s.png", "s"}}));
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->Entries().at("big.png"), kMaxThemeEntryBytes + 1);
    EXPECT_FALSE(archive->Read("big.png"));
    EXPECT_EQ(archive->ReadPrefix("big.png", 4).value_or("x").size(), 4u);
    EXPECT_EQ(archive->Read("s.png").value_or(""), "s");
}

// Rewrites the uncompressed size every header of the zip claims for its entries.
std::string ClaimSize(std::string zip, std::uint32_t size) {
    const auto put = [&](std::size_t at) {
        for (int i = 0; i < 4; ++i) zip[at + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    };
    for (std::size_t at = zip.find("PK\x01\x02"); at != std::string::npos; at = zip.find("PK\x01\x02", at + 4)) {
        put(at + 24);
    }
    for (std::size_t at = zip.find("PK\x03\x04"); at != std::string::npos; at = zip.find("PK\x03\x04", at + 4)) {
        put(at + 22);
    }
    return zip;
}

TEST_F(ThemeArchiveTest, ForgedSizesNeverCostMoreThanTheyClaimOrTheBound) {
    const std::string body(5000, 'q');
    const std::string good = ReadWholeFile(Zip("good.zip", {{"a.png", body}}));
    for (const std::uint32_t claim : {0x7FFFFFFFu, 0xFFFFFFFFu, 10u, 1u}) {
        ASSERT_TRUE(WriteWholeFile(dir.path + "forged.zip", ClaimSize(good, claim)));
        const auto archive = ThemeArchive::Open(dir.path + "forged.zip");
        if (!archive) continue;
        const auto bytes = archive->Read("a.png");
        if (claim > kMaxThemeEntryBytes) {
            EXPECT_FALSE(bytes) << claim;
        }
        if (!bytes) continue;
        EXPECT_LE(bytes->size(), std::min<std::uint64_t>(claim, kMaxThemeEntryBytes)) << claim;
    }
}

TEST_F(ThemeArchiveTest, AFileOverTheArchiveBoundIsNotOpened) {
    const std::string path = dir.path + "huge.zip";
    ASSERT_TRUE(WriteWholeFile(path, "PK"));
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(kMaxThemeArchiveBytes + 1)), 0);
    EXPECT_FALSE(ThemeArchive::Open(path));
}

}  // namespace
}  // namespace ravelin
