#pragma once
// The chain's 2D drawing: an off-screen RGBA raster drawn by the Qt module, and its hand-over to FreeImage.
// Colours are 0xAARRGGBB, not premultiplied.

#include "engine/bitmap.h"
#include "qt/module_api.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ravelin {

struct WatermarkFont;

struct CanvasPoint {
    double x, y;
};

class Canvas {
public:
    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Canvas(Canvas&& other) noexcept
        : api_(other.api_), handle_(std::exchange(other.handle_, nullptr)), hasAlpha_(other.hasAlpha_) {}
    Canvas& operator=(Canvas&& other) noexcept;
    ~Canvas();

    // A fully transparent raster; empty when it cannot be made (no Qt module, a size that is not positive
    // or too large, no memory).
    static Canvas Create(long long width, long long height);
    // A PNG, BMP or JPEG picture; empty when it cannot be read.
    static Canvas Load(const std::string& path);

    explicit operator bool() const { return handle_ != nullptr; }
    int width() const;
    int height() const;
    bool hasAlpha() const { return hasAlpha_; }  // for a loaded picture: it has an alpha channel

    void Fill(std::uint32_t argb);  // all four channels of every pixel, no blending
    void FillRect(double x, double y, double width, double height, std::uint32_t argb);
    void FillPolygon(const std::vector<CanvasPoint>& points, std::uint32_t argb);
    void Draw(const Canvas& source, int x, int y, int opacity, bool greyFilter = false);
    void DrawRasterText(const WatermarkFont& font, const std::string& text, int x, int y, std::uint32_t textArgb,
                        std::uint32_t backArgb);
    void DrawSmoothText(const WatermarkFont& font, const std::string& text, double x, double y,
                        std::uint32_t argb);

    // The pixels as a 32-bit FreeImage bitmap with alpha, copied straight from the raster.
    Bitmap ToBitmap();
    // The raster as a PNG file's bytes; empty on failure.
    std::vector<unsigned char> EncodePng() const;

private:
    const RavelinQtApi* api_ = nullptr;
    RavelinCanvas* handle_ = nullptr;
    bool hasAlpha_ = false;
};

struct TextExtent {
    double width = 0, height = 0;
};
// One line measured with the watermark font: raster text in whole pixels, or the smooth (vector) measure.
TextExtent MeasureText(const WatermarkFont& font, const std::string& text, bool smooth);

// An 0xRRGGBB colour with an alpha (clamped to 0..255) as the canvas takes it.
std::uint32_t Argb(long long alpha, std::uint32_t rgb);

}  // namespace ravelin
