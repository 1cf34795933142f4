#include "gui/image_sets.h"

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

}  // namespace ravelin
