#pragma once
// The windowed run: the application object, the configuration file around the window's life, the main
// window and its event loop.

#include "gui/modal.h"
#include "gui/window_api.h"

namespace ravelin {

int RunWindow(const WindowStart& start);
// The same asking through `modal` (tests answer from a script).
int RunWindow(const WindowStart& start, Modal& modal);

}  // namespace ravelin
