#include "engine/qt_module.h"

#include "platform/paths.h"

#include <dlfcn.h>

#include <mutex>

namespace ravelin {

namespace {

struct LoadedModule {
    const RavelinQtApi* api = nullptr;
    std::string error;
};

LoadedModule Load() {
    LoadedModule result;
    const std::string path = ProgramFolder() + "ravelin-qt.so";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* message = dlerror();
        result.error = message ? message : "cannot load " + path;
        return result;
    }
    auto entry = reinterpret_cast<const RavelinQtApi* (*)()>(dlsym(handle, "ravelin_qt_api"));
    const RavelinQtApi* api = entry ? entry() : nullptr;
    if (!api || api->apiVersion != kQtModuleApiVersion) {
        result.error = path + " does not match this program";
        return result;  // the handle stays open: unloading Qt libraries at run time is not safe
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
