#include "engine/steps/steps.h"

namespace ravelin {

Bitmap FlipStep(Bitmap bitmap, const StepContext& context) {
    if (!bitmap) return bitmap;
    if (context.settings.doFlipHorizontal) FreeImage_FlipHorizontal(bitmap.get());
    if (context.settings.doFlipVertical) FreeImage_FlipVertical(bitmap.get());
    return bitmap;
}

}  // namespace ravelin
