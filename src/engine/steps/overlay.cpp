#include "engine/steps/overlay.h"

namespace ravelin {

Bitmap CompositeOverlay(Bitmap picture, const Bitmap& overlay) {
    if (!picture || !overlay) return picture;
    return Bitmap(FreeImage_Composite(overlay.get(), FALSE, nullptr, picture.get()));
}

bool CompositeOverlayAt(Bitmap& picture, const Bitmap& overlay, long long x, long long y) {
    if (!picture || !overlay) return false;
    const long long width = overlay.width(), height = overlay.height();
    if (x < 0 || y < 0 || x + width > picture.width() || y + height > picture.height()) return false;
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    Bitmap under(FreeImage_Copy(picture.get(), left, top, left + static_cast<int>(width),
                                top + static_cast<int>(height)));
    if (!under) return false;
    const Bitmap blended = CompositeOverlay(std::move(under), overlay);
    // An alpha above 255 copies the pixels exactly; 255 itself would blend them.
    return blended && FreeImage_Paste(picture.get(), blended.get(), left, top, 256);
}

}  // namespace ravelin
