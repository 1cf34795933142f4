#pragma once
// The text watermark's font, loaded by the front end before a run and released after it.

#include "settings/settings.h"

#include <memory>

struct WatermarkFont;

struct WatermarkFontRelease {
    void operator()(WatermarkFont* font) const;
};
using WatermarkFontHandle = std::unique_ptr<WatermarkFont, WatermarkFontRelease>;

// Loads Watermark/Font at Watermark/Font Size with the style and effect flags; empty when it cannot be
// loaded.
WatermarkFontHandle LoadWatermarkFont(const Settings& settings);
