#pragma once
// Modules beside the executable (the canvas, the window) are loaded on demand: nothing that merely
// converts pays for Qt.

#include <string>

namespace ravelin {

// Loads `file` from the program's folder and calls its entry function `entry`, which returns the module's
// table. nullptr when either is missing; *error then says why. A loaded module stays loaded: unloading Qt
// at run time is not safe.
const void* LoadProgramModule(const std::string& file, const char* entry, std::string* error);

}  // namespace ravelin
