#include "engine/pcx/pcx_loader.h"

#include "engine/pcx/pcx_decoder.h"
#include "engine/pcx/pcx_header.h"

#include "platform/file_read.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace ravelin {

namespace {

// The stream read from the file a window at a time: the file is never held whole in memory.
class FileByteSource final : public PcxByteSource {
public:
    FileByteSource(int fd, std::uint64_t start, std::uint64_t size, std::size_t windowBytes)
        : fd_(fd), start_(start), size_(size), buffer_(static_cast<std::size_t>(std::clamp<std::uint64_t>(size, 1, std::max<std::size_t>(windowBytes, 1)))) {}

    std::span<const unsigned char> BytesFrom(std::uint64_t offset) override {
        if (offset >= size_) return {};
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), size_ - offset));
        if (!ReadExactlyAt(fd_, {buffer_.data(), want}, start_ + offset)) return {};
        return {buffer_.data(), want};
    }
    std::uint64_t Size() const override { return size_; }

private:
    int fd_;
    std::uint64_t start_;
    std::uint64_t size_;
    std::vector<unsigned char> buffer_;
};

}  // namespace

Bitmap LoadPcx(const std::string& path, std::size_t windowBytes) {
    const std::optional<RegularFile> file = OpenRegularFile(path);
    if (!file) return {};
    const std::uint64_t fileSize = file->size;

    std::array<unsigned char, kPcxHeaderSize> headerBytes{};
    if (fileSize < kPcxHeaderSize || !ReadExactlyAt(file->fd.get(), headerBytes, 0)) return {};
    const std::optional<PcxHeader> header = ReadPcxHeader(headerBytes.data(), headerBytes.size());
    if (!header || !FileCanHoldPicture(*header, fileSize)) return {};

    // Only as much of the file as the picture's stream can take is read; what lies beyond is never used,
    // except the trailing palette of an 8-bit picture.
    const std::uint64_t useful = std::min(fileSize - kPcxHeaderSize, MaxEncodedBytes(*header));
    FileByteSource stream(file->fd.get(), kPcxHeaderSize, useful, windowBytes);

    std::array<unsigned char, kPcxPaletteTrailerSize> trailerBytes{};
    PcxTrailer trailer;
    if (header->layout == PcxLayout::Indexed8 && fileSize >= kPcxHeaderSize + kPcxPaletteTrailerSize) {
        trailer.offset = fileSize - kPcxPaletteTrailerSize;
        if (ReadExactlyAt(file->fd.get(), trailerBytes, trailer.offset)) {
            trailer.bytes = trailerBytes.data();
        }
    }
    return DecodePcx(*header, stream, trailer);
}

Bitmap LoadPcxFromMemory(const unsigned char* data, std::size_t size) {
    const std::optional<PcxHeader> header = ReadPcxHeader(data, size);
    if (!header || !FileCanHoldPicture(*header, size)) return {};
    PcxTrailer trailer;
    if (size >= kPcxHeaderSize + kPcxPaletteTrailerSize) {
        trailer.offset = size - kPcxPaletteTrailerSize;
        trailer.bytes = data + trailer.offset;
    }
    const std::uint64_t useful = std::min<std::uint64_t>(size - kPcxHeaderSize, MaxEncodedBytes(*header));
    return DecodePcx(*header, data + kPcxHeaderSize, static_cast<std::size_t>(useful), trailer);
}

}  // namespace ravelin
