#include "app/window_start.h"

#include "platform/program_module.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ravelin {

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

void StartWindow(const WindowStart& start) {
    // Qt would abort without a display; a clear line serves the user better.
    if (!HasDisplay()) {
        std::fputs("ravelin: no display to open the window on (see `ravelin -h` for the command line)\n", stderr);
        return;
    }
    std::string error;
    const auto* api =
        static_cast<const WindowModuleApi*>(LoadProgramModule("ravelin-window.so", "ravelin_window_api", &error));
    if (!api || api->apiVersion != kWindowModuleApiVersion) {
        std::fprintf(stderr, "ravelin: the window cannot be started: %s\n",
                     error.empty() ? "ravelin-window.so does not match this program" : error.c_str());
        return;
    }
    api->runWindow(&start);
}

}  // namespace ravelin
