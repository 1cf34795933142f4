#include "engine/steps/limits.h"

#include <cmath>
#include <numbers>

namespace ravelin {

bool RotationFitsLimits(long long width, long long height, double degrees) {
    // A quarter or half turn only moves the pixels: whatever picture exists can be turned so.
    if (degrees == 90 || degrees == 180 || degrees == 270) return width > 0 && height > 0;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::fabs(std::cos(radians)), s = std::fabs(std::sin(radians));
    // The bounding box of the turned picture, with the pixel or two that the rotation's rounding may add.
    const double turnedWidth = std::ceil(width * c + height * s) + 2;
    const double turnedHeight = std::ceil(width * s + height * c) + 2;
    if (turnedWidth > kMaxImageSide || turnedHeight > kMaxImageSide) return false;
    return FitsImageLimits(static_cast<long long>(turnedWidth), static_cast<long long>(turnedHeight));
}

}  // namespace ravelin
