#include "qt/gui_application.h"

#include <QGuiApplication>

#include <mutex>

namespace ravelin {

namespace {

// Qt's warnings (a font size it adjusts, a damaged picture it reads) are not for the console, which prints
// only its own lines.
void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

bool CreateOffscreenApplication() {
    if (QCoreApplication::instance()) return qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    qInstallMessageHandler(DropMessage);
    // argc and argv must outlive the application object, which lives until the process ends: destroying it
    // at exit, possibly from another thread than the one that made it, is not safe.
    static int argc = 3;
    static char name[] = "ravelin";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    new QGuiApplication(argc, argv);
    return true;
}

}  // namespace

bool EnsureGuiApplication() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = CreateOffscreenApplication(); });
    return ready && qobject_cast<QGuiApplication*>(QCoreApplication::instance());
}

}  // namespace ravelin
