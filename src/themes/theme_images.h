#pragma once
// Applying a theme: which archive entries replace which of the window's pictures. The pictures come back as
// the entries' bytes; decoding them is the window's business.

#include "themes/theme_list.h"

#include <array>
#include <map>
#include <string>
#include <string_view>

namespace ravelin {

inline constexpr std::array<std::string_view, 3> kButtonKeys = {"Convert", "InFiles", "InFolder"};
inline constexpr std::array<std::string_view, 22> kIconKeys = {
    "New",    "Add",      "InFiles", "InFolder", "OutFolder",   "OutFormat",       "FavFolder", "ImportFiles",
    "ExportFiles", "Exit", "Copy",   "Delete",   "SelectAll",   "Convert",         "Error",     "Preferences",
    "CustomConverter", "Help", "Email", "Web",   "Updates",     "About"};

struct ThemeSetChoice {
    bool buttons = true;
    bool menuIcons = true;
    bool toolbarIcons = true;
};

// Key → PNG bytes of each set; a key is present only where the theme has a non-empty entry for it.
struct ThemeImages {
    std::map<std::string, std::string> buttons;
    std::map<std::string, std::string> menuIcons;
    std::map<std::string, std::string> toolbarIcons;
};

// The archive entry for a theme.cfg value: a value naming a ".png" (any case) is used as it is, else
// value + "_" + size + ".png".
std::string ThemeImageFileName(const std::string& value, int size);

// Reads the chosen sets from gfxFolder + uiTheme + ".zip". When that file is gone and the scan found any
// theme, `uiTheme` becomes the theme the scan handled last (so the next save writes it) and that one is read.
ThemeImages LoadThemeImages(const std::string& gfxFolder, const ThemeList& list, std::string& uiTheme,
                            int toolbarSize, ThemeSetChoice which);

}  // namespace ravelin
