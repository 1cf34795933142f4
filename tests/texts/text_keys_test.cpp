// Every text the code names must exist in the table: a misspelt key would show "%NO_STRING_ERROR%" to the
// user. The code names its texts in a few fixed shapes; this reads the sources for them.

#include "texts/text_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace ravelin {

namespace {

struct Shape {
    const char* name;
    std::regex pattern;
    const char* group;  // fixed group, or nullptr when the pattern captures it first
};

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(TextKeys, EveryTextTheCodeNamesExists) {
    const Shape shapes[] = {
        {"Text(group, key)", std::regex(R"re(\b(?:Ui)?Text\(\s*"([^"]+)",\s*"([^"]+)"\s*\))re"), nullptr},
        // The main window's command table and its labels and field buttons.
        {"command row", std::regex(R"re(\{Command::\w+,\s*"([^"]+)")re"), "Menu"},
        {"field label", std::regex(R"re(label\(MainControl::\w+,\s*"([^"]+)")re"), "General"},
        {"field button", std::regex(R"re(FieldButton\(Command::\w+,\s*"[^"]+",\s*"([^"]+)"\))re"), "Menu"},
        {"menu title", std::regex(R"re(\{"(File|Converter|Help)",\s*\{)re"), "Menu"},
    };
    int named = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(RAVELIN_SOURCE_DIR "/src")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h") continue;
        const std::string source = ReadAll(entry.path());
        for (const Shape& shape : shapes) {
            for (std::sregex_iterator it(source.begin(), source.end(), shape.pattern), end; it != end; ++it) {
                const std::string group = shape.group ? shape.group : (*it)[1].str();
                const std::string key = shape.group ? (*it)[1].str() : (*it)[2].str();
                EXPECT_NE(Text(group, key), kNoStringError)
                    << shape.name << " (" << group << ", " << key << ") in " << entry.path().filename();
                ++named;
            }
        }
    }
    EXPECT_GT(named, 40);  // the scan found the code's texts at all
}

}  // namespace

}  // namespace ravelin
