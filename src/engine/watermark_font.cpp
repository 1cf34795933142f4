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
    const FontStyle style = settings.wmFontStyle;
    const FontEffect effect = settings.wmFontEffect;
    const RavelinFontRequest request{settings.wmFont.c_str(),
                                     settings.wmFontSize,
                                     style == FontStyle::Bold || style == FontStyle::BoldItalic,
                                     style == FontStyle::Italic || style == FontStyle::BoldItalic,
                                     effect == FontEffect::Underline,
                                     effect == FontEffect::Strikeout};
    RavelinFont* font = api->fontLoad(&request);
    if (!font) return {};
    return WatermarkFontHandle(new WatermarkFont{api, font});
}

}  // namespace ravelin
