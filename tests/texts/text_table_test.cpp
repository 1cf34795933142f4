#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "texts/text_store.h"
#include "texts/text_table.h"

namespace ravelin {

namespace {

TEST(TextTable, HoldsEveryGroupInDataOrderWithItsEntries) {
    const TextStore& table = EmbeddedTextStore();
    const std::vector<std::string> expected = {"MENU",        "GENERAL", "MSG",              "DIALOG",
                                               "PREFERENCES", "ABOUT",   "CUSTOM-CONVERTER", "UNINSTALL"};
    EXPECT_EQ(table.GroupNames(), expected);
    const std::pair<const char*, std::size_t> counts[] = {
        {"Menu", 27}, {"General", 10}, {"Msg", 41},  {"Dialog", 18},   {"Preferences", 223},
        {"About", 4}, {"Custom-Converter", 4},       {"Uninstall", 3},
    };
    for (const auto& [group, count] : counts) EXPECT_EQ(table.EntryCount(group), count) << group;
}

std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
            out += text[++i] == 'r' ? '\r' : '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

TEST(TextTable, FindsEveryEntryOfTheDataFile) {
    std::ifstream file(RAVELIN_SOURCE_DIR "/data/texts.txt");
    ASSERT_TRUE(file);
    std::string line, group;
    int entries = 0;
    while (std::getline(file, line)) {
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string key = line.substr(0, tab), text = line.substr(tab + 1);
        if (key == "_END_") break;
        if (key == "_GROUP_") {
            group = text;
            continue;
        }
        EXPECT_EQ(Text(group, key), Unescaped(text)) << group << "/" << key;
        ++entries;
    }
    EXPECT_EQ(entries, 27 + 10 + 41 + 18 + 223 + 4 + 4 + 3);
}

struct LookupCase {
    const char* group;
    const char* key;
    const char* text;
};

TEST(TextTable, LooksUpEntriesWithoutRegardToLetterCase) {
    const LookupCase cases[] = {
        {"Msg", "Empty input files", "No input file(s) found. Please, add valid file(s) and try again!"},
        {"msg", "empty input files", "No input file(s) found. Please, add valid file(s) and try again!"},
        {"MSG", "EMPTY INPUT FILES", "No input file(s) found. Please, add valid file(s) and try again!"},
        {"Preferences", "Medium", "Medium"},
        {"Preferences", "Language", "Language:"},
        {"Preferences", "Bspline", "B-Spline"},
        {"Preferences", "Clean Recent Files", "Clean Recent Files List on Exit"},
        {"Preferences", "Clean On Exit", "Clean on Exit"},
        {"General", "Convert", "Convert"},
        {"Menu", "Custom Converter", "Find a File Converter..."},
        {"Custom-Converter", "Title", "Find a File Converter"},
        {"About", "Title", "About..."},
        {"Uninstall", "Next", "Next"},
        {"Msg", "Progress", "(%s1%/%s2%)"},
        {"Msg", "Invalid output folder",
         "The following output folder is invalid or doesn't exist:\r\n%s1%\r\n\r\n"
         "Please, correct the output path and try again!"},
        {"Dialog", "All Files", "All Files"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.group, c.key), c.text) << c.group << "/" << c.key;
}

TEST(TextTable, MissesGiveTheNoStringMarker) {
    const LookupCase cases[] = {
        {"Menu", "Zoom", kNoStringError},
        {"Nowhere", "File", kNoStringError},
        {"Preferences", "", kNoStringError},
        {"", "", kNoStringError},
        {"Preferences", "Mediu", kNoStringError},    // a prefix of a key
        {"Preferences", "Mediumm", kNoStringError},  // a key extended
        {"Menu", "\xC3\xA9t\xC3\xA9", kNoStringError},  // first character outside the index
        {"Menu", "\xE2\x82\xAC", kNoStringError},       // first character beyond code 255
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.group, c.key), c.text) << c.group << "/" << c.key;
}

TEST(TextTable, AlternatingGroupsAcrossThreadsStayCorrect) {
    // Every thread switches groups on each lookup, so the remembered group changes under the others' feet.
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            for (int i = 0; i < 2000; ++i) {
                if (Text("Menu", "Exit") != "Exit") ++failures[t];
                if (Text("Dialog", "Time Unknown") != "Unknown") ++failures[t];
                if (Text("Uninstall", "Title") != "Uninstall") ++failures[t];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < 4; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t;
}

TEST(TextStore, OrdersKeysSoThatPrefixesAndEqualKeysResolveToTheFirst) {
    const TextStore table(
        "_GROUP_\tg\n"
        "ab\tsecond\n"
        "AB\tfirst\n"
        "abc\tlonger\n"
        "a\tshort\n"
        "b\tbee\n"
        "_GROUP_\tempty\n"
        "_GROUP_\tG\n"
        "a\tshadowed\n"
        "_END_\t\n"
        "after\tignored\n");
    EXPECT_EQ(table.Text("G", "ab"), "first");  // equal keys are ordered by text
    EXPECT_EQ(table.Text("g", "abc"), "longer");
    EXPECT_EQ(table.Text("g", "A"), "short");
    EXPECT_EQ(table.Text("g", "B"), "bee");
    EXPECT_EQ(table.Text("g", "aa"), kNoStringError);
    EXPECT_EQ(table.Text("empty", "a"), kNoStringError);
    EXPECT_EQ(table.Text("after", "after"), kNoStringError);
    EXPECT_EQ(table.EntryCount("g"), 5u);  // the first group of a repeated name wins
    EXPECT_EQ(table.EntryCount("empty"), 0u);
}

TEST(TextStore, ReadsEscapesAndToleratesOddLines) {
    const TextStore table(
        "orphan\tbefore any group\n"
        "_GROUP_\tG\r\n"
        "crlf\tline\\r\\nbreak\r\n"
        "tab\ta\\tb \\\\ c \\x\n"
        "\n"
        "bare\n"
        "last\tno end marker");
    EXPECT_EQ(table.Text("G", "crlf"), "line\r\nbreak");
    EXPECT_EQ(table.Text("G", "tab"), "a\tb \\ c \\x");
    EXPECT_EQ(table.Text("G", "bare"), "");
    EXPECT_EQ(table.Text("G", "last"), "no end marker");
    EXPECT_EQ(table.Text("G", "orphan"), kNoStringError);
    EXPECT_EQ(table.EntryCount("G"), 4u);
}

struct FormatCase {
    const char* text;
    const char* s1;
    const char* s2;
    const char* s3;
    const char* s4;
    const char* expected;
};

TEST(Format, FillsPlaceholdersInTurn) {
    const FormatCase cases[] = {
        {"(%s1%/%s2%)", "3", "10", "", "", "(3/10)"},
        {"Files converted: %s1% of %s2%", "3", "", "", "", "Files converted: 3 of %s2%"},
        {"%S1% and %s1%", "x", "", "", "", "x and x"},
        {"%s1%", "<%s2%>", "y", "", "", "<y>"},  // replacement is sequential
        {"%s2%", "<%s1%>", "", "", "", "%s2%"},
        {"%s4%%s3%%s2%%s1%", "1", "2", "3", "4", "4321"},
        {"%s1", "x", "", "", "", "%s1"},
        {"\xC3\x9F %S1% \xC3\xA9", "ok", "", "", "", "\xC3\x9F ok \xC3\xA9"},
        {"", "x", "", "", "", ""},
        {"no placeholders", "x", "y", "z", "w", "no placeholders"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.text, c.s1, c.s2, c.s3, c.s4), c.expected) << c.text;
    }
}

TEST(Format, FillsTheTablesOwnTexts) {
    EXPECT_EQ(Format(Text("Msg", "Files converted"), "1", "1"), "Files converted: 1 of 1");
    EXPECT_EQ(Format(Text("Msg", "Unable to open file"), "a.pcx"), "Unable to open the file: a.pcx!");
}

}  // namespace

}  // namespace ravelin
