#include "engine/steps/steps.h"

namespace ravelin {

namespace {

FREE_IMAGE_DITHER DitherOf(int algorithm) {
    switch (algorithm) {
        case 1: return FID_BAYER4x4;
        case 2: return FID_BAYER8x8;
        case 3: return FID_BAYER16x16;
        case 4: return FID_CLUSTER6x6;
        case 5: return FID_CLUSTER8x8;
        case 6: return FID_CLUSTER16x16;
        default: return FID_FS;
    }
}

}  // namespace

Bitmap DitherStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || !settings.doDither) return bitmap;
    const unsigned bpp = bitmap.bpp();
    if (bpp < 4 || bpp > 32) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    const FREE_IMAGE_DITHER algorithm = DitherOf(settings.ditherAlgorithm);
    return Replace(std::move(bitmap), [&](FIBITMAP* dib) { return FreeImage_Dither(dib, algorithm); });
}

}  // namespace ravelin
