#include "engine/qt_module.h"

#include "platform/program_module.h"

#include <mutex>

namespace ravelin {

namespace {

struct LoadedModule {
    const RavelinQtApi* api = nullptr;
    std::string error;
};

LoadedModule Load() {
    LoadedModule result;
    const auto* api = static_cast<const RavelinQtApi*>(LoadProgramModule("ravelin-qt.so", "ravelin_qt_api", &result.error));
    if (api && api->apiVersion != kQtModuleApiVersion) {
        result.error = "ravelin-qt.so does not match this program";
        return result;
    }
    result.api = api;
    return result;
}

LoadedModule& Module() {
    static LoadedModule module;
    static std::once_flag once;
    std::call_once(once, [] { module = Load(); });
    return module;
}

}  // namespace

const RavelinQtApi* QtModule() {
    return Module().api;
}

std::string QtModuleError() {
    return Module().error;
}

}  // namespace ravelin
