#pragma once
// The window module's entry table. The executable loads ravelin-window.so only when the window starts; the
// module calls the core directly through the executable's exported symbols, so there is one copy of every
// process-wide record.

#include "engine/job.h"
#include "settings/settings.h"

#include <string>
#include <vector>

namespace ravelin {

inline constexpr int kWindowModuleApiVersion = 1;

enum class WindowMode { Normal, Screenshot, Uninstall };

struct WindowStart {
    Settings* settings = nullptr;
    ConversionJob* job = nullptr;
    WindowMode mode = WindowMode::Normal;
    // Files named on the command line (a file manager's "Open with"): the first is added as input.
    std::vector<std::string> files;
    // The screenshot mode's folder for its captures.
    std::string screenshotFolder;
};

struct WindowModuleApi {
    int apiVersion;
    // Runs the window until the user quits; settings are loaded and saved around it.
    int (*runWindow)(const WindowStart* start);
};

extern "C" const WindowModuleApi* ravelin_window_api();

}  // namespace ravelin
