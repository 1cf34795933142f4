#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "formats/signatures.h"

namespace ravelin {

namespace {

std::vector<unsigned char> Bytes(const std::string& hex) {
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
        bytes.push_back(static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

std::string Detect(const std::string& hex) {
    const auto bytes = Bytes(hex);
    return DetectFileTypeFromBytes(bytes);
}

struct SignatureCase {
    const char* label;
    const char* bytes;  // the signature's bytes, gaps between its parts filled with 00
};

const SignatureCase kEverySignature[] = {
        {"ICO", "00 00 01 00"},
        {"MPEG", "00 00 01 B3"},
        {"MPG/VOB", "00 00 01 BA"},
        {"MKV/MKA/WEBM", "1A 45 DF A3"},
        {"LUAC", "1B 4C 75 61"},
        {"GZ", "1F 8B"},
        {"PS", "25 21 50 53"},
        {"PDF", "25 50 44 46 2D"},
        {"ACE", "2A 2A 41 43 45 2A 2A"},
        {"XPM", "2F 2A 20 58 50 4D 20 2A 2F"},
        {"ASF/WMA/WMV", "30 26 B2 75 8E 66 CF 11 A6 D9 00 AA 00 62 CE 6C"},
        {"SRT", "31 0A 30 30"},
        {"7Z", "37 7A BC AF 27 1C"},
        {"PSD", "38 42 50 53"},
        {"FH8", "41 47 44 33"},
        {"DJVU", "41 54 26 54 46 4F 52 4D 00 00 00 00 44 4A 56"},
        {"BLEND", "42 4C 45 4E 44 45 52"},
        {"BMP", "42 4D"},
        {"BPG", "42 50 47 FB"},
        {"BZ2", "42 5A 68"},
        {"SWF", "43 57 53"},
        {"DRC", "44 52 41 43 4F"},
        {"FLIF", "46 4C 49 46"},
        {"SWF", "46 57 53"},
        {"FLV", "46 4C 56"},
        {"GIF87A", "47 49 46 38 37 61"},
        {"GIF89A", "47 49 46 38 39 61"},
        {"TIFF (LE)", "49 49 2A 00"},
        {"CR2", "49 49 2A 00 10 00 00 00 43 52"},
        {"CHM", "49 54 53 46 03 00 00 00 60 00 00 00"},
        {"MP3/ID3V2", "49 44 33"},
        {"CAB (IS)", "49 53 63 28"},
        {"LZ", "4C 5A 49 50"},
        {"MLV", "4D 4C 56 49"},
        {"TIFF (BE)", "4D 4D 00 2A"},
        {"CAB", "4D 53 43 46"},
        {"MID/MIDI", "4D 54 68 64"},
        {"EXE/DLL (MZ/PE/NE)", "4D 5A"},
        {"NUI", "4E 55 52 55 49 4D 47"},
        {"NUP", "4E 55 52 55 50 41 4C"},
        {"OGG/OGA/OGV", "4F 67 67 53"},
        {"PBM", "50 31 0A"},
        {"PGM", "50 32 0A"},
        {"PPM", "50 33 0A"},
        {"ZIP", "50 4B 03 04"},
        {"ZIP (E)", "50 4B 05 06"},
        {"ZIP (S)", "50 4B 07 08"},
        {"ANI", "52 49 46 46 00 00 00 00 41 43 4F 4E"},
        {"AVI", "52 49 46 46 00 00 00 00 41 56 49 20"},
        {"WAV", "52 49 46 46 00 00 00 00 57 41 56 45"},
        {"WEBP", "52 49 46 46 00 00 00 00 57 45 42 50"},
        {"RAR (1.5+)", "52 61 72 21 1A 07 00"},
        {"RAR (5.0+)", "52 61 72 21 1A 07 01 00"},
        {"DPX (BE)", "53 44 50 58"},
        {"SQLITE/DB", "53 51 4C 69 74 65 20 66 6F 72 6D 61 74 20 33 00"},
        {"DPX (LE)", "58 50 44 53"},
        {"EXE (ZM)", "5A 4D"},
        {"ARJ", "60 EA"},
        {"FLAC", "66 4C 61 43"},
        {"3GP", "66 74 79 70 33 67"},
        {"XCF", "67 69 6D 70 20 78 63 66"},
        {"TOX", "74 6F 78 33"},
        {"EXR", "76 2F 31 01"},
        {"XAR", "78 61 72 21"},
        {"RTF", "7B 5C 72 74 66 31"},
        {"CIN", "80 2A 5F D7"},
        {"PNG", "89 50 4E 47 0D 0A 1A 0A"},
        {"CLASS", "CA FE BA BE"},
        {"LEP", "CF 84 01"},
        {"DOC/XLS/PPT", "D0 CF 11 E0 A1 B1 1A E1"},
        {"WMF", "D7 CD C6 9A"},
        {"XZ", "FD 37 7A 58 5A 00"},
        {"JPG", "FF D8 FF DB"},
        {"JPEG/JFIF", "FF D8 FF E0 00 10 4A 46 49 46 00 01"},
        {"JPEG", "FF D8 FF EE"},
        {"JPEG/EXIF", "FF D8 FF E1 00 00 45 78 69 66 00 00"},
        {"MP3", "FF F2"},
        {"MP3", "FF F3"},
        {"MP3", "FF FB"},
};

TEST(Signatures, RecognisesEveryKnownType) {
    std::set<std::string> labels;
    for (const auto& c : kEverySignature) {
        EXPECT_EQ(Detect(c.bytes), c.label) << c.bytes;
        // Followed by other bytes, the file still has the same type.
        EXPECT_EQ(Detect(std::string(c.bytes) + " 7E 7E 7E 7E 7E 7E 7E 7E 7E 7E 7E 7E 7E 7E 7E 7E"), c.label)
            << c.bytes;
        labels.insert(c.label);
    }
    EXPECT_EQ(labels.size(), 76u);
}

TEST(Signatures, EdgeCases) {
    const SignatureCase cases[] = {
        {"CR2", "49 49 2A 00 10 00 00 00 43 52"},
        {"TIFF (LE)", "49 49 2A 00 08 00 00 00 43 52"},
        {"TIFF (LE)", "49 49 2A 00 10 00 00 00 43"},  // too short to be CR2
        {kUnrecognizedFileType, "FF D8 FF E0 00 10 4A 46 49 46 00 02"},
        {kUnrecognizedFileType, "FF D8 FF E0"},
        {"JPG", "FF D8 FF DB"},
        {"MP3/ID3V2", "49 44 33"},
        {"MP3", "FF FB 90 00"},
        {kUnrecognizedFileType, "0A 05 01 08"},  // PCX is not among the types
        {kUnrecognizedFileType, ""},
        {kUnrecognizedFileType, "25 50 44 46"},  // a signature cut short does not match
        {kUnrecognizedFileType, "52 49 46 46 00 00 00 00 57 41 56"},
        {kUnrecognizedFileType, "41 54 26 54 46 4F 52 4D 00 00 00 00 44 4A"},
        {kUnrecognizedFileType, "FF D8 FF E1 00 00 45 78 69 66 00"},
        {"BMP", "42 4D"},
        {kUnrecognizedFileType, "42 4C 45 4E 44 45"},  // BLEND cut short is not BMP either
        {kUnrecognizedFileType, "42"},
    };
    for (const auto& c : cases) EXPECT_EQ(Detect(c.bytes), c.label) << c.bytes;
}

TEST(Signatures, LooksAtTheFirstTwentyBytesOnly) {
    // A signature that would reach beyond byte 20 cannot match; DjVu's second part ends at byte 15.
    std::vector<unsigned char> bytes = Bytes("41 54 26 54 46 4F 52 4D 00 00 00 00 44 4A 56");
    bytes.resize(4096, 0xAB);
    EXPECT_EQ(DetectFileTypeFromBytes(bytes), "DJVU");
    EXPECT_EQ(DetectFileTypeFromBytes(std::span<const unsigned char>(bytes.data(), 14)), kUnrecognizedFileType);
}

class SignatureFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ravelin-signatures-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) {
        const auto path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path folder_;
};

TEST_F(SignatureFiles, ReadsTheTypeFromTheFilesFirstBytes) {
    std::vector<unsigned char> png = Bytes("89 50 4E 47 0D 0A 1A 0A 00 00 00 0D 49 48 44 52");
    png.resize(100000, 0x11);
    EXPECT_EQ(DetectFileType(Write("picture.pcx", png)), "PNG");  // the extension does not matter
    EXPECT_EQ(DetectFileType(Write("short.bin", Bytes("47 49 46 38 39 61"))), "GIF89A");
    EXPECT_EQ(DetectFileType(Write("cut.bin", Bytes("47 49 46 38 39"))), kUnrecognizedFileType);
    EXPECT_EQ(DetectFileType(Write("image.pcx", Bytes("0A 05 01 08 00 00"))), kUnrecognizedFileType);
    EXPECT_EQ(DetectFileType(Write("empty.bin", {})), kUnrecognizedFileType);
    EXPECT_EQ(DetectFileType(Write("\xC3\xA9t\xC3\xA9.jpg", Bytes("FF D8 FF DB"))), "JPG");
}

TEST_F(SignatureFiles, AnythingButAReadableFileIsUnrecognised) {
    EXPECT_EQ(DetectFileType((folder_ / "missing.png").string()), kUnrecognizedFileType);
    EXPECT_EQ(DetectFileType(""), kUnrecognizedFileType);
    EXPECT_EQ(DetectFileType(folder_.string()), kUnrecognizedFileType);

    // A named pipe without a writer must neither block nor be read.
    const auto fifo = (folder_ / "pipe").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(DetectFileType(fifo), kUnrecognizedFileType);

    if (::geteuid() != 0) {  // root reads every file
        const auto locked = Write("locked.png", Bytes("89 50 4E 47 0D 0A 1A 0A"));
        ::chmod(locked.c_str(), 0);
        EXPECT_EQ(DetectFileType(locked), kUnrecognizedFileType);
    }
}

}  // namespace

}  // namespace ravelin
