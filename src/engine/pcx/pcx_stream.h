#pragma once
// The pixel stream of a PCX file, raw or run-length encoded. A byte with its two top bits set repeats the
// next byte (its low six bits) times; any other byte stands for itself. Runs may continue from one scan
// line into the next, as some encoders write them.

#include "engine/pcx/pcx_header.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace ravelin {

// Where the stream's bytes come from, a window at a time, so that a file need not be held whole in memory.
class PcxByteSource {
public:
    virtual ~PcxByteSource() = default;
    // Bytes of the stream from `offset` on: at least one, or none at the stream's end or on a read error.
    // The window stays valid until the next call.
    virtual std::span<const unsigned char> BytesFrom(std::uint64_t offset) = 0;
    // The stream's length in bytes.
    virtual std::uint64_t Size() const = 0;
};

// A stream held in memory: one window holding everything.
class MemoryByteSource final : public PcxByteSource {
public:
    MemoryByteSource(const unsigned char* data, std::size_t size) : bytes_(data, data ? size : 0) {}
    std::span<const unsigned char> BytesFrom(std::uint64_t offset) override {
        return offset < bytes_.size() ? bytes_.subspan(static_cast<std::size_t>(offset)) : std::span<const unsigned char>{};
    }
    std::uint64_t Size() const override { return bytes_.size(); }

private:
    std::span<const unsigned char> bytes_;
};

class PcxStreamReader {
public:
    PcxStreamReader(bool runLength, PcxByteSource& source) : runLength_(runLength), source_(&source) {}
    PcxStreamReader(bool runLength, const unsigned char* data, std::size_t size)
        : runLength_(runLength), memory_(data, size), source_(&memory_) {}
    PcxStreamReader(const PcxStreamReader&) = delete;
    PcxStreamReader& operator=(const PcxStreamReader&) = delete;

    // Decodes the next `length` bytes into `out`; false when the stream ends first.
    bool Read(unsigned char* out, std::size_t length);
    // Walks over the next `length` bytes without writing them; false when the stream ends first. Takes
    // time in proportion to the bytes of the file it walks, never to `length`.
    bool Skip(std::uint64_t length);
    // File bytes taken so far.
    std::uint64_t Consumed() const { return windowStart_ + position_; }

private:
    template <typename Emit>
    bool Walk(std::uint64_t length, Emit&& emit);
    // Moves the window on past what has been taken; false at the stream's end.
    bool NextWindow();
    bool RawBytesLeft(std::uint64_t length) const;

    bool runLength_;
    MemoryByteSource memory_{nullptr, 0};
    PcxByteSource* source_;
    std::uint64_t windowStart_ = 0;     // stream offset of the window's first byte
    std::span<const unsigned char> window_;
    std::size_t position_ = 0;          // within the window
    unsigned pending_ = 0;  // bytes left in the current run
    unsigned char value_ = 0;
};

// Walks the whole picture's stream (which starts at `data`) without decoding it: the number of file bytes
// the picture takes, or nothing when the stream ends before the picture does.
std::optional<std::uint64_t> ScanPcxStream(const PcxHeader& header, PcxByteSource& source);
std::optional<std::uint64_t> ScanPcxStream(const PcxHeader& header, const unsigned char* data, std::size_t size);

}  // namespace ravelin
