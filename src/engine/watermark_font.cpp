#include "engine/watermark_font.h"

struct WatermarkFont {};

void WatermarkFontRelease::operator()(WatermarkFont* font) const {
    delete font;
}

// Interim: every named font counts as loadable until the Qt canvas resolves fonts.
WatermarkFontHandle LoadWatermarkFont(const Settings& settings) {
    if (settings.wmFont.empty()) return {};
    return WatermarkFontHandle(new WatermarkFont{});
}
