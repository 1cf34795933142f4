#include "gui/window_run.h"

#include "gui/image_sets.h"
#include "gui/main_window.h"
#include "gui/modal.h"
#include "gui/screenshot_mode.h"
#include "gui/uninstall_dialog.h"
#include "platform/app_data.h"
#include "platform/paths.h"
#include "platform/product.h"
#include "settings/config_file.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

namespace ravelin {

int RunWindow(const WindowStart& start, Modal& modal) {
    if (!start.settings || !start.job) return 0;
    Settings& settings = *start.settings;
    ConversionJob& job = *start.job;
    // A screenshot folder that does not exist ends the run before anything is built.
    std::string screenshotFolder;
    if (start.mode == WindowMode::Screenshot) {
        screenshotFolder = ScreenshotFolder(start.screenshotFolder, job.programFolder);
        if (screenshotFolder.empty()) {
            std::fprintf(stderr, "ravelin: no folder %s for the screenshots\n",
                         (start.screenshotFolder.empty() ? job.programFolder : start.screenshotFolder).c_str());
            return 0;
        }
    }

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

    // Both one-shot modes run on the command line's settings: no configuration file is read or written.
    if (start.mode == WindowMode::Screenshot) {
        RunScreenshotMode(settings, job, screenshotFolder);
        return 0;
    }
    if (start.mode == WindowMode::Uninstall) {
        RunUninstallDialog();
        return 0;
    }

    const std::string configPath = PrepareConfigFilePath();
    QSize desktop(0, 0);
    if (QScreen* screen = QApplication::primaryScreen()) desktop = screen->size();
    if (configPath.empty()) {
        ApplyDefaults(settings, DefaultsProfile::Window, static_cast<Date>(std::time(nullptr)), desktop.width(),
                      desktop.height());
    } else {
        LoadConfigFile(configPath, settings, static_cast<Date>(std::time(nullptr)), desktop.width(), desktop.height());
    }

    MainWindow window(settings, job, modal, StartUpImages(settings, ProgramFolder()));
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
