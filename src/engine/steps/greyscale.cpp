#include "engine/steps/steps.h"

namespace ravelin {

Bitmap GreyscaleStep(Bitmap bitmap, const StepContext& context) {
    if (!bitmap || !context.settings.doGreyscale) return bitmap;
    if (bitmap.bpp() > 32) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    return Replace(std::move(bitmap), FreeImage_ConvertToGreyscale);
}

}  // namespace ravelin
