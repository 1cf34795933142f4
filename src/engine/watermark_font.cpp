#include "engine/watermark_font.h"

#include "engine/qt_module.h"

namespace ravelin {

void WatermarkFontRelease::operator()(WatermarkFont* font) const {
    if (font && font->font) font->api->fontFree(font->font);
    delete font;
}

WatermarkFontHandle LoadWatermarkFont(const Settings& settings) {
    if (settings.wmFont.empty()) return {};
    const RavelinQtApi* api = QtModule();
    if (!api) return {};
    const int style = settings.wmFontStyle;
    const int effect = settings.wmFontEffect;
    const RavelinFontRequest request{settings.wmFont.c_str(),
                                     settings.wmFontSize,
                                     style == 1 || style == 3,
                                     style == 2 || style == 3,
                                     effect == 1,
                                     effect == 2};
    RavelinFont* font = api->fontLoad(&request);
    if (!font) return {};
    return WatermarkFontHandle(new WatermarkFont{api, font});
}

}  // namespace ravelin
