#include "gui/window_run.h"

#include "gui/image_sets.h"
#include "gui/main_window.h"
#include "gui/modal.h"
#include "platform/app_data.h"
#include "platform/product.h"
#include "settings/config_file.h"

#include <QApplication>
#include <QScreen>

#include <ctime>
#include <optional>

namespace ravelin {

int RunWindow(const WindowStart& start, Modal& modal) {
    if (!start.settings || !start.job) return 0;
    Settings& settings = *start.settings;
    ConversionJob& job = *start.job;

    // argc and argv outlive the application object, as Qt requires.
    static int argc = 1;
    static char name[] = "ravelin";
    static char* argv[] = {name, nullptr};
    // A host that already has the application object (the window's tests) lends it.
    std::optional<QApplication> application;
    if (!QApplication::instance()) application.emplace(argc, argv);
    QApplication::setApplicationName(kProgramShortName);
    QApplication::setApplicationDisplayName(QString::fromStdString(TitleString()));
    QApplication::setDesktopFileName(kProgramShortName);

    const std::string configPath = PrepareConfigFilePath();
    QSize desktop(0, 0);
    if (QScreen* screen = QApplication::primaryScreen()) desktop = screen->size();
    if (configPath.empty()) {
        ApplyDefaults(settings, DefaultsProfile::Window, static_cast<Date>(std::time(nullptr)), desktop.width(),
                      desktop.height());
    } else {
        LoadConfigFile(configPath, settings, static_cast<Date>(std::time(nullptr)), desktop.width(), desktop.height());
    }

    MainWindow window(settings, job, modal, BuiltInImages(ToolbarIconSize(settings.uiSize)));
    window.FinishStartUp();
    if (!start.files.empty()) window.AddFile(start.files.front());
    QApplication::exec();

    window.CapturePlacement();
    if (!configPath.empty()) SaveConfigFile(configPath, settings);
    return 0;
}

int RunWindow(const WindowStart& start) {
    return RunWindow(start, SystemModal());
}

}  // namespace ravelin
