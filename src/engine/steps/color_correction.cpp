#include "engine/steps/steps.h"

namespace ravelin {

Bitmap ColorCorrectionStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || !settings.doColorCorrection) return bitmap;
    const unsigned bpp = bitmap.bpp();
    if (bpp < 8 || bpp > 32) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    if (!bitmap) return bitmap;
    // FreeImage refuses the identity and a gamma of 0 or below, leaving the pixels as they are.
    FreeImage_AdjustColors(bitmap.get(), settings.brightness, settings.contrast, settings.gamma,
                           settings.invert ? TRUE : FALSE);
    return bitmap;
}

}  // namespace ravelin
