#include "qt/module_api.h"

#include "qt/canvas.h"
#include "qt/text.h"

namespace ravelin {

namespace {

const RavelinQtApi kApi = {
    kQtModuleApiVersion,
    CanvasCreate,
    CanvasLoad,
    CanvasFree,
    CanvasWidth,
    CanvasHeight,
    CanvasFill,
    CanvasFillRect,
    CanvasFillPolygon,
    CanvasDraw,
    CanvasPixels,
    CanvasEncodePng,
    BufferFree,
    FontLoad,
    FontFree,
    FontFamily,
    TextSize,
    DrawRasterText,
    DrawSmoothText,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const RavelinQtApi* ravelin_qt_api() {
    return &kApi;
}

}  // namespace ravelin
