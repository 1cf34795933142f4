#include "engine/steps/colour_text.h"
#include "engine/steps/limits.h"
#include "engine/steps/steps.h"

namespace ravelin {

Bitmap RotateStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || !settings.doRotation) return bitmap;
    const int angle = settings.rotation;
    if (angle <= 0 || angle >= 360) return bitmap;

    // Palettised and 16-bit pictures are turned as 24-bit colour: rotating indices would mix them.
    const unsigned bpp = bitmap.bpp();
    if (bpp <= 16 || bpp > 32) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    if (!bitmap) return bitmap;

    const unsigned width = bitmap.width(), height = bitmap.height();
    switch (settings.rotationType) {
        case RotationType::Simple: {
            if (!RotationFitsLimits(width, height, angle)) return Fail(context, kTooLargeResult);
            const Rgb back = ParseColourText(settings.rotationBackColor);
            const RGBQUAD background{back.blue, back.green, back.red, 0};
            return Replace(std::move(bitmap),
                           [&](FIBITMAP* dib) { return FreeImage_Rotate(dib, angle, &background); });
        }
        case RotationType::Advanced:
            return Replace(std::move(bitmap), [&](FIBITMAP* dib) {
                return FreeImage_RotateEx(dib, angle, 0.0, 0.0, width / 2.0, height / 2.0, FALSE);
            });
        default:
            return bitmap;
    }
}

}  // namespace ravelin
