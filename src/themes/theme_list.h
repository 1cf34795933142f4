#pragma once
// The installed themes: every "*.zip" in the program's gfx folder, named by its file name without ".zip" and
// shown by the Name in its theme.cfg.

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ravelin {

// How much of theme.cfg the scan reads for the display name; a Name beyond it is not seen.
inline constexpr std::size_t kThemeNamePrefixBytes = 255;

struct ThemeList {
    std::map<std::string, std::string> displayNames;  // theme name → display name (may be empty)
    std::string lastScanned;                           // the theme the scan handled last; empty when none
};

// Scans `gfxFolder` (ending in '/'). Files are taken in byte order of their names, so that "the last one"
// is the same on every run. A missing folder gives an empty list.
ThemeList ScanThemes(const std::string& gfxFolder);

// The chooser's entries (theme name, display name): sorted by theme name without regard to letter case,
// themes with an empty display name left out.
std::vector<std::pair<std::string, std::string>> ThemeChoices(const ThemeList& list);

}  // namespace ravelin
