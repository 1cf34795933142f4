#include "engine/pcx/pcx_loader.h"

#include "engine/pcx/pcx_decoder.h"
#include "engine/pcx/pcx_header.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <vector>

namespace ravelin {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads exactly `size` bytes at `offset`; false on an error or an early end.
bool ReadAt(int fd, unsigned char* out, std::size_t size, std::uint64_t offset) {
    while (size > 0) {
        const ssize_t got = ::pread(fd, out, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        out += got;
        size -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

// The stream read from the file a window at a time: the file is never held whole in memory.
class FileByteSource final : public PcxByteSource {
public:
    FileByteSource(int fd, std::uint64_t start, std::uint64_t size, std::size_t windowBytes)
        : fd_(fd), start_(start), size_(size), buffer_(static_cast<std::size_t>(std::clamp<std::uint64_t>(size, 1, std::max<std::size_t>(windowBytes, 1)))) {}

    std::span<const unsigned char> BytesFrom(std::uint64_t offset) override {
        if (offset >= size_) return {};
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), size_ - offset));
        if (!ReadAt(fd_, buffer_.data(), want, start_ + offset)) return {};
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
    // O_NONBLOCK keeps a FIFO from blocking the open; only regular files are read.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0) return {};
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    const std::uint64_t fileSize = static_cast<std::uint64_t>(status.st_size);

    std::array<unsigned char, kPcxHeaderSize> headerBytes{};
    if (fileSize < kPcxHeaderSize || !ReadAt(file.get(), headerBytes.data(), headerBytes.size(), 0)) return {};
    const std::optional<PcxHeader> header = ReadPcxHeader(headerBytes.data(), headerBytes.size());
    if (!header || !FileCanHoldPicture(*header, fileSize)) return {};

    // Only as much of the file as the picture's stream can take is read; what lies beyond is never used,
    // except the trailing palette of an 8-bit picture.
    const std::uint64_t useful = std::min(fileSize - kPcxHeaderSize, MaxEncodedBytes(*header));
    FileByteSource stream(file.get(), kPcxHeaderSize, useful, windowBytes);

    std::array<unsigned char, kPcxPaletteTrailerSize> trailerBytes{};
    PcxTrailer trailer;
    if (header->layout == PcxLayout::Indexed8 && fileSize >= kPcxHeaderSize + kPcxPaletteTrailerSize) {
        trailer.offset = fileSize - kPcxPaletteTrailerSize;
        if (ReadAt(file.get(), trailerBytes.data(), trailerBytes.size(), trailer.offset)) {
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
