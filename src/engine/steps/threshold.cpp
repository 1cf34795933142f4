#include "engine/steps/steps.h"

#include <algorithm>

namespace ravelin {

Bitmap ThresholdStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || !settings.doThreshold) return bitmap;
    const unsigned bpp = bitmap.bpp();
    if (bpp < 4 || bpp > 32) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    // A level outside 0..255 means all or nothing, not its value modulo 256.
    const auto level = static_cast<BYTE>(std::clamp(settings.threshold, 0, 255));
    return Replace(std::move(bitmap), [&](FIBITMAP* dib) { return FreeImage_Threshold(dib, level); });
}

}  // namespace ravelin
