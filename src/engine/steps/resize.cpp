#include "engine/steps/limits.h"
#include "engine/steps/steps.h"

#include <cmath>

namespace ravelin {

namespace {

// The target side from its number and unit: pixels, or percent of the current side rounded half to even.
long long TargetSide(std::int32_t number, SizeUnit unit, unsigned current) {
    if (unit == SizeUnit::Pixels) return number;
    if (unit == SizeUnit::Percent) return static_cast<long long>(std::nearbyint(number / 100.0 * current));
    return 0;
}

// The other side under keep-aspect: the ratio and the quotient in single precision, rounded half away from
// zero (1000 x 333 at width 500 gives 166.5 and so 167).
long long KeptSide(long long target, unsigned longer, unsigned shorter) {
    const float ratio = static_cast<float>(longer) / static_cast<float>(shorter);
    const float quotient = static_cast<float>(target) / ratio;
    return static_cast<long long>(std::round(quotient));
}

FREE_IMAGE_FILTER FilterOf(ResizeFilter algorithm) {
    switch (algorithm) {
        case ResizeFilter::Box: return FILTER_BOX;
        case ResizeFilter::Bilinear: return FILTER_BILINEAR;
        case ResizeFilter::Bspline: return FILTER_BSPLINE;
        case ResizeFilter::CatmullRom: return FILTER_CATMULLROM;
        case ResizeFilter::Lanczos: return FILTER_LANCZOS3;
        default: return FILTER_BICUBIC;
    }
}

}  // namespace

Bitmap ResizeStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || !settings.doResize) return bitmap;
    const unsigned w = bitmap.width(), h = bitmap.height();
    const long long targetWidth = TargetSide(settings.width, settings.widthUnit, w);
    const long long targetHeight = TargetSide(settings.height, settings.heightUnit, h);
    if (targetWidth <= 0 || targetHeight <= 0) return bitmap;
    if (targetWidth == w && targetHeight == h) return bitmap;
    if (settings.resizeType == ResizeScope::LargeImages && w < targetWidth && h < targetHeight) return bitmap;

    long long newWidth = targetWidth, newHeight = targetHeight;
    if (settings.keepAspectRatio) {
        if (w >= h) newHeight = KeptSide(targetWidth, w, h);
        else newWidth = KeptSide(targetHeight, h, w);
    }
    // A side that rounds to nothing fails the file, as rescaling to it would; a size beyond the chain's
    // limits fails it before anything is allocated.
    if (newWidth <= 0 || newHeight <= 0) return Fail(context, "the resized picture would have a side of 0 pixels");
    if (!FitsImageLimits(newWidth, newHeight)) return Fail(context, kTooLargeResult);
    const FREE_IMAGE_FILTER filter = FilterOf(settings.resizeAlgorithm);
    return Replace(std::move(bitmap), [&](FIBITMAP* dib) {
        return FreeImage_Rescale(dib, static_cast<int>(newWidth), static_cast<int>(newHeight), filter);
    });
}

}  // namespace ravelin
