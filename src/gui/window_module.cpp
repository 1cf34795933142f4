#include "gui/window_api.h"
#include "gui/window_run.h"

namespace ravelin {

namespace {

int RunWindowEntry(const WindowStart* start) {
    return start ? RunWindow(*start) : 0;
}

const WindowModuleApi kApi{kWindowModuleApiVersion, &RunWindowEntry};

}  // namespace

extern "C" __attribute__((visibility("default"))) const WindowModuleApi* ravelin_window_api() {
    return &kApi;
}

}  // namespace ravelin
