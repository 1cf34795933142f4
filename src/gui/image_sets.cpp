#include "gui/image_sets.h"

#include "settings/settings.h"
#include "themes/theme_list.h"

#include <QByteArray>
#include <QFile>

namespace ravelin {

int ToolbarIconSize(int uiSize) {
    switch (uiSize) {
        case 1: return 24;
        case 2: return 32;
        case 3: return 48;
        case 4: return 64;
        default: return 16;
    }
}

ImageSets BuiltInImages(int toolbarSize) {
    ImageSets sets;
    for (const std::string_view key : kButtonKeys) {
        const QString name = QString::fromUtf8(key.data(), static_cast<int>(key.size()));
        sets.buttons.insert(name, QPixmap(":/builtin/button_" + name + ".png"));
    }
    for (const std::string_view key : kIconKeys) {
        const QString name = QString::fromUtf8(key.data(), static_cast<int>(key.size()));
        const QPixmap menu(":/builtin/icon_" + name + ".png");
        sets.menuIcons.insert(name, menu);
        // A toolbar larger than the menu's 16 pixels gets a picture drawn at its size, not one blown up.
        const QString sized = QString(":/toolbar/%1_%2.png").arg(name.toLower()).arg(toolbarSize);
        sets.toolbarIcons.insert(name, QFile::exists(sized) ? QPixmap(sized) : menu);
    }
    sets.banner = QPixmap(":/builtin/banner.png");
    return sets;
}

namespace {

void PutPictures(QHash<QString, QPixmap>& into, const std::map<std::string, std::string>& pictures) {
    for (const auto& [key, bytes] : pictures) {
        QPixmap picture;
        picture.loadFromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), "PNG");
        into.insert(QString::fromStdString(key), picture);
    }
}

}  // namespace

void ApplyThemeImages(ImageSets& sets, const ThemeImages& images) {
    PutPictures(sets.buttons, images.buttons);
    PutPictures(sets.menuIcons, images.menuIcons);
    PutPictures(sets.toolbarIcons, images.toolbarIcons);
}

ImageSets StartUpImages(Settings& settings, const std::string& programFolder) {
    const int toolbarSize = ToolbarIconSize(settings.uiSize);
    ImageSets sets = BuiltInImages(toolbarSize);
    const std::string gfx = programFolder + "gfx/";
    const ThemeList themes = ScanThemes(gfx);
    ApplyThemeImages(sets, LoadThemeImages(gfx, themes, settings.uiTheme, toolbarSize, ThemeSetChoice{}));
    return sets;
}

}  // namespace ravelin
