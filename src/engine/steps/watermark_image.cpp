#include "engine/steps/overlay.h"

namespace ravelin {

Canvas RenderImageWatermark(const Settings& settings) {
    const Canvas picture = Canvas::Load(settings.wmImage);
    if (!picture) return {};
    Canvas raster = Canvas::Create(picture.width(), picture.height());
    if (!raster) return {};
    // A picture without alpha is laid on black, so its opacity darkens it rather than letting the photo through.
    if (!picture.hasAlpha()) raster.Fill(0xFF000000u);
    raster.Draw(picture, 0, 0, settings.wmImageOpacity, settings.wmImageGreyscale != 0);
    return raster;
}

}  // namespace ravelin
