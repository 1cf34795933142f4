#pragma once
// The largest picture the chain makes. Rotation and resizing refuse to go beyond it, so that a setting such as
// 100000 x 100000 fails that one file instead of asking for tens of gigabytes; every picture within it also
// fits an overlay canvas.

#include "qt/module_api.h"

#include <cstdint>

namespace ravelin {

inline constexpr long long kMaxImageSide = kCanvasMaxSide;              // 65535, the PCX format's own limit
inline constexpr long long kMaxImagePixels = static_cast<long long>(kCanvasMaxPixels);  // 2^28

inline bool FitsImageLimits(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

// Why a step refused to make a picture beyond the limits.
inline constexpr const char* kTooLargeResult =
    "the picture would be larger than 65535 pixels a side or 268435456 pixels in all";

// Whether turning a width x height picture by `degrees` (the canvas growing to hold it) stays within the limits.
// Quarter and half turns always do: they make no more pixels than the picture has.
bool RotationFitsLimits(long long width, long long height, double degrees);

}  // namespace ravelin
