#include "platform/program_module.h"

#include "platform/paths.h"

#include <dlfcn.h>

namespace ravelin {

const void* LoadProgramModule(const std::string& file, const char* entry, std::string* error) {
    const std::string path = ProgramFolder() + file;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* message = dlerror();
        if (error) *error = message ? message : "cannot load " + path;
        return nullptr;
    }
    auto function = reinterpret_cast<const void* (*)()>(dlsym(handle, entry));
    const void* table = function ? function() : nullptr;
    if (!table && error) *error = path + " has no " + entry;
    return table;
}

}  // namespace ravelin
