#pragma once
// The window's pictures: the large buttons, the menu icons and the toolbar icons, each set keyed by name.
// Every key has a built-in picture; themes replace them later.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <array>
#include <string_view>

namespace ravelin {

inline constexpr std::array<std::string_view, 3> kButtonKeys = {"Convert", "InFiles", "InFolder"};
inline constexpr std::array<std::string_view, 22> kIconKeys = {
    "New",    "Add",      "InFiles", "InFolder", "OutFolder",   "OutFormat",       "FavFolder", "ImportFiles",
    "ExportFiles", "Exit", "Copy",   "Delete",   "SelectAll",   "Convert",         "Error",     "Preferences",
    "CustomConverter", "Help", "Email", "Web",   "Updates",     "About"};

// Interface/UI Size as pixels: 0 → 16, 1 → 24, 2 → 32, 3 → 48, 4 → 64, anything else 16.
int ToolbarIconSize(int uiSize);

struct ImageSets {
    QHash<QString, QPixmap> buttons;
    QHash<QString, QPixmap> menuIcons;
    QHash<QString, QPixmap> toolbarIcons;
    QPixmap banner;

    QIcon Button(const QString& key) const { return QIcon(buttons.value(key)); }
    QIcon MenuIcon(const QString& key) const { return QIcon(menuIcons.value(key)); }
    QIcon ToolbarIcon(const QString& key) const { return QIcon(toolbarIcons.value(key)); }
};

// The built-in pictures. The toolbar set is drawn at `toolbarSize` pixels where the program carries that
// size, else the 16-pixel menu picture.
ImageSets BuiltInImages(int toolbarSize);

}  // namespace ravelin
