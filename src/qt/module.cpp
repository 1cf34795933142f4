#include "qt/module_api.h"

namespace {
const RavelinQtApi kApi = {kQtModuleApiVersion};
}

extern "C" __attribute__((visibility("default"))) const RavelinQtApi* ravelin_qt_api() {
    return &kApi;
}
