// The theme.cfg value rule, case by case, its quirks included.

#include "themes/theme_config.h"

#include <gtest/gtest.h>

namespace ravelin {
namespace {

struct ValueCase {
    const char* what;
    std::string text;
    const char* section;
    const char* key;
    const char* expected;
};

TEST(ThemeConfigValue, FollowsTheRuleCaseByCase) {
    const ValueCase cases[] = {
        {"plain value", "; t\r\n[Theme]\r\nName=Flat\r\n", "Theme", "Name", "Flat"},
        {"section and key ignore case", "; t\r\n[tHEME]\r\nnAME=Flat\r\n", "Theme", "Name", "Flat"},
        {"key on the first line is never found", "Name=Flat\r\n[Theme]\r\n", "Theme", "Name", ""},
        {"header on the first line, key after it", "[Theme]\r\nName=Flat", "Theme", "Name", "Flat"},
        {"missing section", "; t\r\n[Icons]\r\nName=Flat\r\n", "Theme", "Name", ""},
        {"key only in a later section", "; t\r\n[Theme]\r\nX=1\r\n[Icons]\r\nName=Flat\r\n", "Theme", "Name", ""},
        {"section ends at any '['", "; t\r\n[Theme]\r\nA=x[y\r\nName=Flat\r\n", "Theme", "Name", ""},
        {"a key that begins a longer key", "; t\r\n[Icons]\r\nNewer=a\r\nNew=b\r\n", "Icons", "New", "a"},
        {"the longer key after the shorter", "; t\r\n[Icons]\r\nNew=b\r\nNewer=a\r\n", "Icons", "New", "b"},
        {"value ends at the second '='", "; t\r\n[S]\r\nK=a=b\r\n", "S", "K", "a"},
        {"no '=' on the line", "; t\r\n[S]\r\nK a\r\n", "S", "K", ""},
        {"spaces then tabs", "; t\r\n[S]\r\nK= \t v \t \r\n", "S", "K", " v "},
        {"tabs inside spaces are kept", "; t\r\n[S]\r\nK=\t v\r\n", "S", "K", " v"},
        {"bare LF lines are one line", "; t\r\n[S]\r\nK=a\nJ=b\r\n", "S", "K", "a\nJ"},
        {"LF only: key never follows CR LF", "; t\n[S]\nK=a\n", "S", "K", ""},
        {"last line without CR LF", "; t\r\n[S]\r\nK=end", "S", "K", "end"},
        {"empty text", "", "S", "K", ""},
    };
    for (const ValueCase& c : cases) {
        EXPECT_EQ(ThemeConfigValue(c.text, c.section, c.key), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace ravelin
