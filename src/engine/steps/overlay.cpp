#include "engine/steps/overlay.h"

namespace ravelin {

Bitmap CompositeOverlay(Bitmap picture, const Bitmap& overlay) {
    if (!picture || !overlay) return picture;
    return Bitmap(FreeImage_Composite(overlay.get(), FALSE, nullptr, picture.get()));
}

}  // namespace ravelin
