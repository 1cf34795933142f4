#pragma once
// The canvas module's entry table (ravelin-qt.so, Qt Gui only), which the executable loads only when a run
// draws. The rule for every module beside the executable (this one and the window's): its entry table is the
// only way in; module code may include the core's headers and call the core directly, which resolves to the
// executable's exported symbols, so there is one copy of every record. Modules are built with hidden
// visibility and export nothing but their entry function.
//
// Threads: the module holds Qt objects (the application object, fonts, images). Use it from one thread at a
// time; a font or canvas may be made on one thread and used on another once the first has let go of it (the
// console loads the font, then waits while the worker draws with it). The application object is created
// once, on the thread that first needs fonts or pictures, on Qt's offscreen platform unless the window
// already made one.

#include <cstddef>
#include <cstdint>

namespace ravelin {

extern "C" {

inline constexpr int kQtModuleApiVersion = 2;

// The largest canvas the module makes: no side beyond 65535 pixels (FreeType's and PCX's own limit), no more
// than 2^28 pixels (1 GB of RGBA) in all.
inline constexpr int kCanvasMaxSide = 65535;
inline constexpr std::uint64_t kCanvasMaxPixels = std::uint64_t{1} << 28;

struct RavelinCanvas;  // an off-screen RGBA raster
struct RavelinFont;    // a font resolved through fontconfig

struct RavelinFontRequest {
    const char* family;  // UTF-8 face name
    int pointSize;       // points at 96 dots per inch
    int bold, italic, underline, strikeOut;
};

// Colours are 0xAARRGGBB, not premultiplied. Texts are UTF-8.
struct RavelinQtApi {
    int apiVersion;  // kQtModuleApiVersion of the module's build

    // A fully transparent canvas; NULL when the size is not positive, beyond the limits above, or the
    // memory is not there.
    RavelinCanvas* (*canvasCreate)(int width, int height);
    // A PNG, BMP or JPEG picture decoded from a file; NULL for anything else or anything unreadable.
    // *hasAlpha tells whether the picture carries an alpha channel.
    RavelinCanvas* (*canvasLoad)(const char* path, int* hasAlpha);
    void (*canvasFree)(RavelinCanvas* canvas);
    int (*canvasWidth)(const RavelinCanvas* canvas);
    int (*canvasHeight)(const RavelinCanvas* canvas);

    // Sets all four channels of every pixel (no blending).
    void (*canvasFill)(RavelinCanvas* canvas, std::uint32_t argb);
    // Filled shapes blended over the canvas, aliased as the painter draws by default.
    void (*canvasFillRect)(RavelinCanvas* canvas, double x, double y, double width, double height,
                           std::uint32_t argb);
    void (*canvasFillPolygon)(RavelinCanvas* canvas, const double* xy, int pointCount, std::uint32_t argb);
    // Draws `source` at (x, y) over `target` with a constant opacity (0..255). With greyFilter, every
    // source pixel first becomes grey = (77 R + 150 G + 29 B) >> 8, keeping its alpha.
    void (*canvasDraw)(RavelinCanvas* target, const RavelinCanvas* source, int x, int y, int opacity,
                       int greyFilter);

    // The pixels, not premultiplied, four bytes each in the order blue, green, red, alpha, top row first;
    // *stride is the distance between rows in bytes. Valid until the canvas is next changed or freed.
    const unsigned char* (*canvasPixels)(RavelinCanvas* canvas, int* stride);
    // The canvas encoded as PNG; free *data with bufferFree. 0 on failure.
    int (*canvasEncodePng)(const RavelinCanvas* canvas, unsigned char** data, std::size_t* size);
    void (*bufferFree)(unsigned char* data);

    // A font through fontconfig; NULL when the name is empty, the size is outside 1..49151 points (65535
    // pixels) or fontconfig offers no face at all.
    RavelinFont* (*fontLoad)(const RavelinFontRequest* request);
    void (*fontFree)(RavelinFont* font);
    // The font's face as fontconfig resolved it (UTF-8, valid while the font lives).
    const char* (*fontFamily)(const RavelinFont* font);

    // Width (advance) and height of one line of text. Raster text (smooth 0): whole pixels, hinted and
    // hard-edged; smooth text: the fractional measure of the antialiased face.
    void (*textSize)(const RavelinFont* font, const char* text, int smooth, double* width, double* height);
    // Raster text with its top-left corner at (x, y), hard-edged, writing all four channels: the glyphs in
    // textArgb on a box of backArgb.
    void (*drawRasterText)(RavelinCanvas* canvas, const RavelinFont* font, const char* text, int x, int y,
                           std::uint32_t textArgb, std::uint32_t backArgb);
    // Antialiased text with its top-left corner at (x, y), blended over the canvas.
    void (*drawSmoothText)(RavelinCanvas* canvas, const RavelinFont* font, const char* text, double x,
                           double y, std::uint32_t argb);
};

// Exported by the module.
const RavelinQtApi* ravelin_qt_api();
}

}  // namespace ravelin
