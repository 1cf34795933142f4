#pragma once
// Fonts resolved through fontconfig, and text measured and drawn with them, for the module's C interface.

#include "qt/module_api.h"

#include <QByteArray>
#include <QFont>

namespace ravelin {

struct RavelinFont {
    QFont raster;  // hard-edged, hinted: the raster text
    QFont smooth;  // antialiased: the vector text
    QByteArray family;
};

RavelinFont* FontLoad(const RavelinFontRequest* request);
void FontFree(RavelinFont* font);
const char* FontFamily(const RavelinFont* font);
void TextSize(const RavelinFont* font, const char* text, int smooth, double* width, double* height);
void DrawRasterText(RavelinCanvas* canvas, const RavelinFont* font, const char* text, int x, int y,
                    std::uint32_t textArgb, std::uint32_t backArgb);
void DrawSmoothText(RavelinCanvas* canvas, const RavelinFont* font, const char* text, double x, double y,
                    std::uint32_t argb);

}  // namespace ravelin
