#include "platform/ini.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <gtest/gtest.h>

namespace ravelin {

namespace {

TEST(Text, CaseMappingIsUnicodeAwareAndKeepsBrokenBytes) {
    EXPECT_EQ(ToUpper("\xC3\xA9t\xC3\xA9 a1"), "\xC3\x89T\xC3\x89 A1");  // "été a1"
    EXPECT_EQ(ToLower("\xC3\x89T\xC3\x89"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ToTitle("sUMMER"), "Summer");
    EXPECT_EQ(ToTitle("\xC3\xA9T\xC3\x89"), "\xC3\x89t\xC3\xA9");
    EXPECT_EQ(ToUpper(std::string("a\xFF\xC3", 3)), std::string("A\xFF\xC3", 3));  // invalid and cut sequences
    EXPECT_EQ(ReplaceIgnoreCase("Files: %S1% of %s1%", "%s1%", "3"), "Files: 3 of 3");
    EXPECT_EQ(Latin1ToUtf8("caf\xE9"), "caf\xC3\xA9");
}

TEST(Text, Utf8DecodingRefusesMalformedSequences) {
    std::size_t length = 0;
    EXPECT_EQ(DecodeUtf8("\xE2\x82\xAC", 0, length), 0x20AC);
    EXPECT_EQ(length, 3u);
    for (const std::string bad : {"\xE2\x82", "\x80", "\xC3(", "\xF7\xBF\xBF\xBF", "\xFF"}) {
        EXPECT_EQ(DecodeUtf8(bad, 0, length), -1) << bad.size();
        EXPECT_EQ(length, 1u);
    }
}

TEST(Numbers, OptionIntegersReadDecimalHexadecimalAndBinary) {
    const std::vector<std::pair<std::string, std::int64_t>> cases = {
        {"95", 95}, {" \t95", 95}, {"$5A", 90}, {"%101", 5}, {"-20", -20}, {"+7", 7}, {"95=1", 95},
        {"abc", 0}, {"", 0}, {"4294967297", 0}, {"2147483647", 2147483647}, {"-2147483648", -2147483648LL},
        {"2147483648", 0}, {"$FFFFFFFF", 0}, {"$7FFFFFFF", 2147483647}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseOptionInteger(text), value) << text;
    EXPECT_FLOAT_EQ(ParseLeadingFloat("1,5"), 1.0f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("2.5e1x"), 25.0f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("nan"), 0.0f);
    EXPECT_FLOAT_EQ(ParseLeadingFloat("."), 0.0f);
    EXPECT_EQ(ParseLeadingInteger("99999999999999999999999"), ParseLeadingInteger("999999999999999999999999"));
}

// A number beyond the width it is read for is no number: never a wrapped value.
TEST(Numbers, OptionIntegersThatDoNotFitTheirWidthReadAsZero) {
    struct Case {
        const char* text;
        int bits;
        std::int64_t value;
    };
    for (const Case& c : {Case{"127", 8, 127}, Case{"128", 8, 0}, Case{"-128", 8, -128}, Case{"-129", 8, 0},
                          Case{"$7F", 8, 127}, Case{"%100000000", 8, 0}, Case{"4294967391", 32, 0},
                          Case{"99999999999", 32, 0}, Case{"99999999999", 64, 99999999999},
                          Case{"9223372036854775807", 64, INT64_MAX}, Case{"9223372036854775808", 64, 0},
                          Case{"-9223372036854775808", 64, INT64_MIN}, Case{"$10000000000000000", 64, 0},
                          Case{"00000000000000000000000042", 8, 42}}) {
        EXPECT_EQ(ParseOptionInteger(c.text, c.bits), c.value) << c.text << " in " << c.bits << " bits";
    }
}

TEST(Paths, NamePartsFollowTheLastSlashAndDot) {
    EXPECT_EQ(ExtensionOf("/a.b/c.PCX"), "PCX");
    EXPECT_EQ(ExtensionOf("/a.b/c"), "");
    EXPECT_EQ(ExtensionOf(".pcx"), "");
    EXPECT_EQ(FolderPart("/a/b.pcx"), "/a/");
    EXPECT_EQ(FolderPart("b.pcx"), "");
    EXPECT_EQ(WithTrailingSlash("/a"), "/a/");
    EXPECT_EQ(WithTrailingSlash(""), "");
}

TEST(Ini, SectionsKeysAndValuesAreTrimmedAndFoundInAnyCase) {
    const IniDocument document = ParseIni("ignored = 1\r\n[Output]\r\n  JPG Quality =  80 \r\n;x=1\n[cli\nFont =   Arial  \r");
    ASSERT_NE(document.Value("output", "jpg quality"), nullptr);
    EXPECT_EQ(*document.Value("output", "jpg quality"), "80");
    EXPECT_EQ(*document.Value("CLI", "font"), "Arial");
    EXPECT_EQ(document.Value("Output", "x"), nullptr);
    EXPECT_EQ(document.Find("nothing"), nullptr);
}

}  // namespace

}  // namespace ravelin
