#include "engine/steps/canvas.h"

#include "engine/qt_module.h"
#include "engine/watermark_font.h"

#include <algorithm>

namespace ravelin {

Canvas& Canvas::operator=(Canvas&& other) noexcept {
    if (this != &other) {
        if (handle_) api_->canvasFree(handle_);
        api_ = other.api_;
        handle_ = std::exchange(other.handle_, nullptr);
        hasAlpha_ = other.hasAlpha_;
    }
    return *this;
}

Canvas::~Canvas() {
    if (handle_) api_->canvasFree(handle_);
}

Canvas Canvas::Create(long long width, long long height) {
    Canvas canvas;
    if (width <= 0 || height <= 0 || width > kCanvasMaxSide || height > kCanvasMaxSide) return canvas;
    canvas.api_ = QtModule();
    if (canvas.api_) canvas.handle_ = canvas.api_->canvasCreate(static_cast<int>(width), static_cast<int>(height));
    return canvas;
}

Canvas Canvas::Load(const std::string& path) {
    Canvas canvas;
    canvas.api_ = QtModule();
    int hasAlpha = 0;
    if (canvas.api_) canvas.handle_ = canvas.api_->canvasLoad(path.c_str(), &hasAlpha);
    canvas.hasAlpha_ = hasAlpha != 0;
    return canvas;
}

int Canvas::width() const {
    return handle_ ? api_->canvasWidth(handle_) : 0;
}

int Canvas::height() const {
    return handle_ ? api_->canvasHeight(handle_) : 0;
}

void Canvas::Fill(std::uint32_t argb) {
    if (handle_) api_->canvasFill(handle_, argb);
}

void Canvas::FillRect(double x, double y, double width, double height, std::uint32_t argb) {
    if (handle_) api_->canvasFillRect(handle_, x, y, width, height, argb);
}

void Canvas::FillPolygon(const std::vector<CanvasPoint>& points, std::uint32_t argb) {
    if (!handle_) return;
    std::vector<double> xy;
    xy.reserve(points.size() * 2);
    for (const CanvasPoint& point : points) {
        xy.push_back(point.x);
        xy.push_back(point.y);
    }
    api_->canvasFillPolygon(handle_, xy.data(), static_cast<int>(points.size()), argb);
}

void Canvas::Draw(const Canvas& source, int x, int y, int opacity, bool greyFilter) {
    if (handle_ && source.handle_) api_->canvasDraw(handle_, source.handle_, x, y, opacity, greyFilter ? 1 : 0);
}

void Canvas::DrawRasterText(const WatermarkFont& font, const std::string& text, int x, int y,
                            std::uint32_t textArgb, std::uint32_t backArgb) {
    if (handle_ && font.font) api_->drawRasterText(handle_, font.font, text.c_str(), x, y, textArgb, backArgb);
}

void Canvas::DrawSmoothText(const WatermarkFont& font, const std::string& text, double x, double y,
                            std::uint32_t argb) {
    if (handle_ && font.font) api_->drawSmoothText(handle_, font.font, text.c_str(), x, y, argb);
}

Bitmap Canvas::ToBitmap() {
    if (!handle_) return {};
    int stride = 0;
    const unsigned char* pixels = api_->canvasPixels(handle_, &stride);
    if (!pixels) return {};
    // Blue, green, red, alpha bytes, top row first: FreeImage's own 32-bit layout, turned upside down.
    return Bitmap(FreeImage_ConvertFromRawBits(const_cast<BYTE*>(pixels), width(), height(), stride, 32,
                                               FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK, TRUE));
}

std::vector<unsigned char> Canvas::EncodePng() const {
    std::vector<unsigned char> bytes;
    unsigned char* data = nullptr;
    std::size_t size = 0;
    if (handle_ && api_->canvasEncodePng(handle_, &data, &size)) {
        bytes.assign(data, data + size);
        api_->bufferFree(data);
    }
    return bytes;
}

TextExtent MeasureText(const WatermarkFont& font, const std::string& text, bool smooth) {
    TextExtent size;
    if (font.font) font.api->textSize(font.font, text.c_str(), smooth ? 1 : 0, &size.width, &size.height);
    return size;
}

std::uint32_t Argb(long long alpha, std::uint32_t rgb) {
    return (static_cast<std::uint32_t>(std::clamp(alpha, 0LL, 255LL)) << 24) | (rgb & 0xFFFFFFu);
}

}  // namespace ravelin
