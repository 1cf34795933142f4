#pragma once
// The interface of the Qt module (ravelin-qt.so), which the executable loads only when a run draws or the
// window starts. Plain C types only, so that neither side needs the other's headers.

#include <cstdint>

extern "C" {

inline constexpr int kQtModuleApiVersion = 1;

struct RavelinQtApi {
    int apiVersion;  // kQtModuleApiVersion of the module's build
};

// Exported by the module.
const RavelinQtApi* ravelin_qt_api();
}
