#include "engine/steps/steps.h"

namespace ravelin {

namespace {

FREE_IMAGE_DITHER DitherOf(DitherAlgorithm algorithm) {
    switch (algorithm) {
        case DitherAlgorithm::Bayer4: return FID_BAYER4x4;
        case DitherAlgorithm::Bayer8: return FID_BAYER8x8;
        case DitherAlgorithm::Bayer16: return FID_BAYER16x16;
        case DitherAlgorithm::Cluster6: return FID_CLUSTER6x6;
        case DitherAlgorithm::Cluster8: return FID_CLUSTER8x8;
        case DitherAlgorithm::Cluster16: return FID_CLUSTER16x16;
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
