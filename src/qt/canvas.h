#pragma once
// Off-screen RGBA rasters over QImage, for the module's C interface.

#include "qt/module_api.h"

#include <QImage>

namespace ravelin {

struct RavelinCanvas {
    QImage image;  // premultiplied ARGB while drawing; plain ARGB once its pixels were handed out
};

// The canvas's image ready for a painter (premultiplied, converted back if its pixels were handed out).
QImage& DrawingSurface(RavelinCanvas* canvas);

RavelinCanvas* CanvasCreate(int width, int height);
RavelinCanvas* CanvasLoad(const char* path, int* hasAlpha);
void CanvasFree(RavelinCanvas* canvas);
int CanvasWidth(const RavelinCanvas* canvas);
int CanvasHeight(const RavelinCanvas* canvas);
void CanvasFill(RavelinCanvas* canvas, std::uint32_t argb);
void CanvasFillRect(RavelinCanvas* canvas, double x, double y, double width, double height, std::uint32_t argb);
void CanvasFillPolygon(RavelinCanvas* canvas, const double* xy, int pointCount, std::uint32_t argb);
void CanvasDraw(RavelinCanvas* target, const RavelinCanvas* source, int x, int y, int opacity, int greyFilter);
const unsigned char* CanvasPixels(RavelinCanvas* canvas, int* stride);
int CanvasEncodePng(const RavelinCanvas* canvas, unsigned char** data, std::size_t* size);
void BufferFree(unsigned char* data);

}  // namespace ravelin
