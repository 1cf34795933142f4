#pragma once
// The one owner of a FreeImage bitmap: move-only, unloads what it holds.

#include <FreeImage.h>

#include <utility>

namespace ravelin {

class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(FIBITMAP* handle) : handle_(handle) {}
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    Bitmap(Bitmap&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Bitmap& operator=(Bitmap&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~Bitmap() { reset(); }

    FIBITMAP* get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    FIBITMAP* release() { return std::exchange(handle_, nullptr); }
    void reset(FIBITMAP* handle = nullptr) {
        if (handle_ && handle_ != handle) FreeImage_Unload(handle_);
        handle_ = handle;
    }

    unsigned width() const { return handle_ ? FreeImage_GetWidth(handle_) : 0; }
    unsigned height() const { return handle_ ? FreeImage_GetHeight(handle_) : 0; }
    unsigned bpp() const { return handle_ ? FreeImage_GetBPP(handle_) : 0; }

private:
    FIBITMAP* handle_ = nullptr;
};

// Replaces `bitmap` by the result of a FreeImage call that makes a new bitmap from it; a failed call
// (NULL) leaves no bitmap, so the file fails at saving.
template <typename Convert>
Bitmap Replace(Bitmap bitmap, Convert&& convert) {
    if (!bitmap) return {};
    return Bitmap(convert(bitmap.get()));
}

}  // namespace ravelin
