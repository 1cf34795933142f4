#pragma once
// Small helpers for the processing-step tests: pictures made in memory, pixels read top-down, settings at
// their console defaults, and the context a step runs with.

#include "engine/bitmap.h"
#include "engine/job.h"
#include "engine/steps/steps.h"
#include "settings/settings.h"

#include <FreeImage.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>

namespace ravelin {

namespace step_test {

struct Colour {
    int r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};
inline void PrintTo(const Colour& c, std::ostream* out) {
    *out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// A 24-bit picture of one colour.
inline Bitmap Solid24(unsigned width, unsigned height, Colour colour) {
    Bitmap bitmap(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24));
    RGBQUAD quad{static_cast<BYTE>(colour.b), static_cast<BYTE>(colour.g), static_cast<BYTE>(colour.r), 0};
    FreeImage_FillBackground(bitmap.get(), &quad, 0);
    return bitmap;
}

// A 24-bit picture with distinct pixels: R = x, G = y, B = (x + y) (mod 256).
inline Bitmap Pattern24(unsigned width, unsigned height) {
    Bitmap bitmap(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24));
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            RGBQUAD quad{static_cast<BYTE>(x + y), static_cast<BYTE>(y), static_cast<BYTE>(x), 0};
            FreeImage_SetPixelColor(bitmap.get(), x, height - 1 - y, &quad);
        }
    }
    return bitmap;
}

// The pixel at (x, y) counted from the top-left corner, for 24- and 32-bit pictures.
inline RGBQUAD Quad(const Bitmap& bitmap, unsigned x, unsigned y) {
    RGBQUAD quad{};
    FreeImage_GetPixelColor(bitmap.get(), x, bitmap.height() - 1 - y, &quad);
    return quad;
}
inline Colour At(const Bitmap& bitmap, unsigned x, unsigned y) {
    const RGBQUAD quad = Quad(bitmap, x, y);
    return {quad.rgbRed, quad.rgbGreen, quad.rgbBlue};
}
inline int Alpha(const Bitmap& bitmap, unsigned x, unsigned y) {
    return Quad(bitmap, x, y).rgbReserved;
}

// The palette index at (x, y) counted from the top-left corner, for 1-, 4- and 8-bit pictures.
inline int IndexAt(const Bitmap& bitmap, unsigned x, unsigned y) {
    BYTE index = 0;
    FreeImage_GetPixelIndex(bitmap.get(), x, bitmap.height() - 1 - y, &index);
    return index;
}

inline bool Near(Colour a, Colour b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// Same size, depth and pixel bytes.
inline bool SamePixels(const Bitmap& a, const Bitmap& b) {
    if (!a || !b || a.width() != b.width() || a.height() != b.height() || a.bpp() != b.bpp()) return false;
    const unsigned bytes = FreeImage_GetLine(a.get());
    for (unsigned y = 0; y < a.height(); ++y) {
        const BYTE* rowA = FreeImage_GetScanLine(a.get(), static_cast<int>(y));
        const BYTE* rowB = FreeImage_GetScanLine(b.get(), static_cast<int>(y));
        for (unsigned i = 0; i < bytes; ++i)
            if (rowA[i] != rowB[i]) return false;
    }
    return true;
}

inline Bitmap Clone(const Bitmap& bitmap) {
    return Bitmap(FreeImage_Clone(bitmap.get()));
}

// The smallest rectangle holding every pixel that differs from `original` (both 24-bit, same size).
struct Box {
    long long left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive; all 0 when none differ
    long long width() const { return right - left; }
    long long height() const { return bottom - top; }
    bool operator==(const Box&) const = default;
};
inline void PrintTo(const Box& box, std::ostream* out) {
    *out << "(" << box.left << ", " << box.top << ") to (" << box.right << ", " << box.bottom << ")";
}
inline Box ChangedBox(const Bitmap& result, const Bitmap& original) {
    Box box{1LL << 40, 1LL << 40, -1, -1};
    for (unsigned y = 0; y < result.height(); ++y) {
        for (unsigned x = 0; x < result.width(); ++x) {
            if (At(result, x, y) == At(original, x, y)) continue;
            box.left = std::min<long long>(box.left, x);
            box.top = std::min<long long>(box.top, y);
            box.right = std::max<long long>(box.right, x + 1);
            box.bottom = std::max<long long>(box.bottom, y + 1);
        }
    }
    if (box.right < 0) return {};
    return box;
}

// Settings at the console's defaults, every step switched off.
Settings ChainSettings();

// A step's context for a picture of width x height.
struct StepRun {
    Settings settings = ChainSettings();
    ConversionJob job;
    StepContext context(unsigned width, unsigned height, const WatermarkFont* font = nullptr) const {
        return StepContext{settings, job, width, height, font};
    }
};

// Writes `bitmap` as a file of `format` (PNG, BMP, JPEG) under a fresh temporary name; returns the path.
std::string SavePicture(const Bitmap& bitmap, FREE_IMAGE_FORMAT format, const std::string& name);

}  // namespace step_test

}  // namespace ravelin
