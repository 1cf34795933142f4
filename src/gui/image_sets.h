#pragma once
// The window's pictures: the large buttons, the menu icons and the toolbar icons, each set keyed by name.
// Every key has a built-in picture; themes replace them later.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include "themes/theme_images.h"

#include <string>

namespace ravelin {

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

// Puts the theme's pictures into their slots. An entry that does not decode still replaces its slot, with a
// null picture, so a broken theme shows as broken rather than half its predecessor.
void ApplyThemeImages(ImageSets& sets, const ThemeImages& images);

struct Settings;
// The start-up pictures: the built-in ones, then the current theme of `programFolder`'s gfx folder, all
// three sets. A theme that is gone is replaced in `settings` by an installed one.
ImageSets StartUpImages(Settings& settings, const std::string& programFolder);

}  // namespace ravelin
