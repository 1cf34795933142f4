#include "settings/option_codes.h"
#include "settings/settings.h"
#include "settings/settings_fields.h"

#include <gtest/gtest.h>

#include <set>

namespace ravelin {

namespace {

TEST(SettingFields, EveryFieldIsDeclaredOnceAndFoundByNameInAnyCase) {
    std::set<std::string> names;
    for (const SettingField& field : SettingFields()) {
        EXPECT_TRUE(names.insert(field.name()).second) << field.name();
        EXPECT_EQ(FindSetting(field.name()), &field);
    }
    EXPECT_EQ(FindSetting("output/jpg quality"), FindSetting("Output/JPG Quality"));
    EXPECT_EQ(FindSetting("Output/JPG"), nullptr);
    EXPECT_EQ(FindSetting("no slash"), nullptr);
}

TEST(Defaults, ProfilesDifferOnlyInKeepAspectRatio) {
    Settings window, console;
    ApplyDefaults(window, DefaultsProfile::Window, 1000, 1920, 1080);
    ApplyDefaults(console, DefaultsProfile::Console, 1000, 1920, 1080);
    EXPECT_EQ(window.keepAspectRatio, 1);
    EXPECT_EQ(console.keepAspectRatio, 0);
    console.keepAspectRatio = 1;
    for (const SettingField& field : SettingFields()) {
        EXPECT_EQ(GetInteger(window, field), GetInteger(console, field)) << field.name();
        EXPECT_EQ(GetText(window, field), GetText(console, field)) << field.name();
    }
}

TEST(Defaults, ValuesOfTheRecord) {
    Settings s;
    ApplyDefaults(s, DefaultsProfile::Console, 1234567, 0, 0);
    EXPECT_EQ(s.cfg, 19);
    EXPECT_EQ(s.jpgQuality, 95);
    EXPECT_EQ(s.webpQuality, 100);
    EXPECT_EQ(s.resizeAlgorithm, ResizeFilter::Bicubic);
    EXPECT_FLOAT_EQ(s.gamma, 1.0f);
    EXPECT_EQ(s.frameOpacity, 255);
    EXPECT_EQ(s.wmBackOpacity, 1);
    EXPECT_EQ(s.wmTextPlacement.position, AnchorPosition::BottomRight);
    EXPECT_EQ(s.wmImagePlacement.xOffset, 10);
    EXPECT_EQ(s.wmFont, "Arial");
    EXPECT_EQ(s.filenameMask, "%filename%.%ext%");
    EXPECT_EQ(s.inputFormat, "pcx");
    EXPECT_EQ(s.outputFormat, "jpg");
    EXPECT_EQ(s.updateDate, 1234567);
    EXPECT_EQ(s.customTimestamp, 1234567);
    EXPECT_EQ(s.rawToneMapping, ToneMapping::AdaptiveLogarithmic);
    EXPECT_EQ(s.outFoldersNumber, 5);
    EXPECT_EQ(s.keepSubfolders, 1);
    EXPECT_EQ(s.windowX, 100);  // no desktop known
    Settings centred;
    ApplyDefaults(centred, DefaultsProfile::Window, 0, 1920, 1080);
    EXPECT_EQ(centred.windowX, (1920 - 510) / 2);
    EXPECT_EQ(centred.windowY, (1080 - 260) / 2);
}

TEST(Settings, IntegerStoresTruncateToTheFieldWidth) {
    Settings s;
    SetInteger(s, *FindSetting("Transform/Image Rotation Type"), 257);  // an 8-bit code
    EXPECT_EQ(s.rotationType, RotationType::Advanced);
    SetInteger(s, *FindSetting("Output/JPG Quality"), 4294967296LL + 95);
    EXPECT_EQ(s.jpgQuality, 95);
}

TEST(RecentFolders, NewestFirstWithoutDuplicatesUpToTheLimit) {
    Settings s;
    ApplyDefaults(s, DefaultsProfile::Window, 0);
    RememberOutputFolder(s, "/a/");
    RememberOutputFolder(s, "/b/");
    RememberOutputFolder(s, "/A/");  // another folder on Linux
    EXPECT_EQ(s.recentOutFolders, "/A/\t/b/\t/a/");
    RememberOutputFolder(s, "/b/");
    EXPECT_EQ(s.recentOutFolders, "/b/\t/A/\t/a/");
    RememberOutputFolder(s, "");
    EXPECT_EQ(s.recentOutFolders, "/b/\t/A/\t/a/");
    s.outFoldersNumber = 1;
    RememberOutputFolder(s, "/c/");
    EXPECT_EQ(s.recentOutFolders, "/c/");
}

struct TokenCase {
    OptionFamily family;
    const char* token;
    int code;
};

class TokenToCodeTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenToCodeTest, GivesTheFamilyCode) {
    EXPECT_EQ(TokenToCode(GetParam().family, GetParam().token), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, TokenToCodeTest,
    ::testing::Values(TokenCase{OptionFamily::AnchorPosition, "BOTTOMRIGHT", 8},
                      TokenCase{OptionFamily::AnchorPosition, "bottomright", 8},
                      TokenCase{OptionFamily::AnchorPosition, "BottomRight", 8},
                      TokenCase{OptionFamily::AnchorPosition, " BOTTOMRIGHT", 0},
                      TokenCase{OptionFamily::RawLoadMode, "48HS", 4}, TokenCase{OptionFamily::RawLoadMode, "48", 5},
                      TokenCase{OptionFamily::RawLoadMode, "RGB48", 0}, TokenCase{OptionFamily::Compression, "ZIP", 1},
                      TokenCase{OptionFamily::Compression, "RLE", 1}, TokenCase{OptionFamily::Compression, "ZLIB9", 3},
                      TokenCase{OptionFamily::Compression, "LZW", 6}, TokenCase{OptionFamily::FontEffect, "STRIKEOUT", 0},
                      TokenCase{OptionFamily::FontEffect, "STRIKETHROUGHT", 2},
                      TokenCase{OptionFamily::FrameType, "SOLID", 0}, TokenCase{OptionFamily::WatermarkType, "IMAGE", 0},
                      TokenCase{OptionFamily::WatermarkSizeMode, "FIXED", 0},
                      TokenCase{OptionFamily::ChromaSubsampling, "high", 3},
                      TokenCase{OptionFamily::ChromaSubsampling, "highest", 0},
                      TokenCase{OptionFamily::DitherAlgorithm, "cluster16", 6},
                      TokenCase{OptionFamily::TimestampMode, "CUSTOM", 2}));

TEST(TokenToCode, FamilyOutsideTheRangeGivesZero) {
    EXPECT_EQ(TokenToCode(23, "AUTO"), 0);
    EXPECT_EQ(TokenToCode(-1, "AUTO"), 0);
}

TEST(CodeToToken, LowerCaseTokenPerFamilyAndCompressionRow) {
    EXPECT_EQ(CodeToToken(OptionFamily::Compression, 2, Setting("Output/PNG Compression").tokens), "zlib6");
    EXPECT_EQ(CodeToToken(OptionFamily::Compression, 2, Setting("Output/EXR Compression").tokens), "piz");
    EXPECT_EQ(CodeToToken(OptionFamily::Compression, 2, Setting("Output/BMP Compression").tokens), "");
    EXPECT_EQ(CodeToToken(OptionFamily::Compression, 8, Setting("Output/TIFF Compression").tokens), "logluv");
    EXPECT_EQ(CodeToToken(OptionFamily::WatermarkSizeMode, 1), "");
    EXPECT_EQ(CodeToToken(OptionFamily::AnchorPosition, 8), "bottomright");
    EXPECT_EQ(CodeToToken(OptionFamily::FrameType, 1), "solid");
    EXPECT_EQ(CodeToToken(OptionFamily::WatermarkType, 2), "image");
    EXPECT_EQ(CodeToToken(OptionFamily::ResizeFilter, -1), "");
}

TEST(FamilyLabels, ListInCodeOrder) {
    EXPECT_EQ(FamilyLabelKeys(OptionFamily::RawLoadMode),
              (std::vector<std::string>{"Auto", "RGB8", "RGB16", "RGB24", "RGB48HS", "RGB48"}));
    EXPECT_EQ(FamilyLabelKeys(OptionFamily::Compression, Setting("Output/PNG Compression").tokens),
              (std::vector<std::string>{"None", "ZLIB1", "ZLIB6", "ZLIB9"}));
}

}  // namespace

}  // namespace ravelin
