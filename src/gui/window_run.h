#pragma once
// The windowed run: the application object, the configuration file around the window's life, the main
// window and its event loop.

#include "gui/window_api.h"

namespace ravelin {

int RunWindow(const WindowStart& start);

}  // namespace ravelin
