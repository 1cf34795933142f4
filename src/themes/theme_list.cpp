#include "themes/theme_list.h"

#include "themes/theme_archive.h"
#include "themes/theme_config.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace ravelin {
namespace {

struct DirClose {
    void operator()(DIR* d) const { ::closedir(d); }
};

bool EndsWithZip(const std::string& name) {
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".zip") == 0;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

ThemeList ScanThemes(const std::string& gfxFolder) {
    ThemeList list;
    std::unique_ptr<DIR, DirClose> dir(::opendir(gfxFolder.c_str()));
    if (!dir) return list;
    std::vector<std::string> files;
    while (const dirent* item = ::readdir(dir.get())) {
        const std::string name = item->d_name;
        if (name == "." || name == ".." || !EndsWithZip(name)) continue;
        struct stat info{};
        if (::stat((gfxFolder + name).c_str(), &info) != 0 || S_ISDIR(info.st_mode)) continue;
        files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        const std::string theme = file.substr(0, file.size() - 4);
        std::string display = theme;
        if (const auto archive = ThemeArchive::Open(gfxFolder + file)) {
            const auto head = archive->ReadPrefix("theme.cfg", kThemeNamePrefixBytes);
            display = head ? ThemeConfigValue(*head, "Theme", "Name") : std::string();
        }
        list.displayNames[theme] = display;
        list.lastScanned = theme;
    }
    return list;
}

std::vector<std::pair<std::string, std::string>> ThemeChoices(const ThemeList& list) {
    std::vector<std::pair<std::string, std::string>> choices;
    for (const auto& [theme, display] : list.displayNames) {
        if (!display.empty()) choices.emplace_back(theme, display);
    }
    std::stable_sort(choices.begin(), choices.end(),
                     [](const auto& a, const auto& b) { return Lower(a.first) < Lower(b.first); });
    return choices;
}

}  // namespace ravelin
