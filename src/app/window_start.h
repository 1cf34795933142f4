#pragma once
// Starting the window from the executable: the display check and the window module.

#include "gui/window_api.h"

namespace ravelin {

// Runs the window through its module. Without any display it says so in one line and returns; a module
// that cannot be loaded likewise.
void StartWindow(const WindowStart& start);

}  // namespace ravelin
