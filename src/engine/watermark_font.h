#pragma once
// The text watermark's font, loaded by the front end before a run and released after it. The font lives in
// the Qt module (fontconfig resolves the face); loading it is what brings the module in.

#include "qt/module_api.h"
#include "settings/settings.h"

#include <memory>

namespace ravelin {

struct WatermarkFont {
    const RavelinQtApi* api = nullptr;
    RavelinFont* font = nullptr;
};

struct WatermarkFontRelease {
    void operator()(WatermarkFont* font) const;
};
using WatermarkFontHandle = std::unique_ptr<WatermarkFont, WatermarkFontRelease>;

// Loads Watermark/Font at Watermark/Font Size points, bold for style 1 or 3, italic for 2 or 3, underlined
// for effect 1, struck out for effect 2. Empty when it cannot be loaded: an empty name, a size below one
// point or beyond what the font engine draws, no face from fontconfig, or no Qt module.
WatermarkFontHandle LoadWatermarkFont(const Settings& settings);

}  // namespace ravelin
