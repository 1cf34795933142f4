#pragma once
// Loads the Qt module beside the executable on first use. Nothing that merely converts pays for Qt.

#include "qt/module_api.h"

#include <string>

namespace ravelin {

// The module's interface, or nullptr when it cannot be loaded (missing, wrong version). Thread-safe;
// loads at most once per process.
const RavelinQtApi* QtModule();

// Why the last load failed, for diagnostics.
std::string QtModuleError();

}  // namespace ravelin
