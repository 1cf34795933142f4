#include "themes/theme_images.h"

#include "themes/theme_archive.h"
#include "themes/theme_config.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>

namespace ravelin {
namespace {

bool Exists(const std::string& path) {
    struct stat info{};
    return ::stat(path.c_str(), &info) == 0;
}

template <std::size_t N>
void LoadSet(const ThemeArchive& archive, const std::string& config, std::string_view section,
             const std::array<std::string_view, N>& keys, int size, std::map<std::string, std::string>& into) {
    for (const std::string_view key : keys) {
        const std::string file = ThemeImageFileName(ThemeConfigValue(config, section, key), size);
        const auto listed = archive.Entries().find(file);
        if (listed == archive.Entries().end()) continue;
        if (auto bytes = archive.Read(file)) into[std::string(key)] = std::move(*bytes);
    }
}

}  // namespace

std::string ThemeImageFileName(const std::string& value, int size) {
    std::string lower = value;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.find(".png") != std::string::npos) return value;
    return value + "_" + std::to_string(size) + ".png";
}

ThemeImages LoadThemeImages(const std::string& gfxFolder, const ThemeList& list, std::string& uiTheme,
                            int toolbarSize, ThemeSetChoice which) {
    ThemeImages images;
    std::string path = gfxFolder + uiTheme + ".zip";
    if (!Exists(path) && !list.displayNames.empty() && !list.lastScanned.empty()) {
        uiTheme = list.lastScanned;
        path = gfxFolder + uiTheme + ".zip";
    }
    const auto archive = ThemeArchive::Open(path);
    if (!archive) return images;
    const std::string config = archive->Read("theme.cfg").value_or(std::string());
    if (which.buttons) LoadSet(*archive, config, "Buttons", kButtonKeys, 16, images.buttons);
    if (which.menuIcons) LoadSet(*archive, config, "Icons", kIconKeys, 16, images.menuIcons);
    if (which.toolbarIcons) LoadSet(*archive, config, "Icons", kIconKeys, toolbarSize, images.toolbarIcons);
    return images;
}

}  // namespace ravelin
