#pragma once
// The pixel stream of a PCX file, raw or run-length encoded. A byte with its two top bits set repeats the
// next byte (its low six bits) times; any other byte stands for itself. Runs may continue from one scan
// line into the next, as some encoders write them.

#include "engine/pcx/pcx_header.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class PcxStreamReader {
public:
    PcxStreamReader(bool runLength, const unsigned char* data, std::size_t size)
        : runLength_(runLength), data_(data), size_(data ? size : 0) {}

    // Decodes the next `length` bytes into `out`; false when the stream ends first.
    bool Read(unsigned char* out, std::size_t length);
    // Walks over the next `length` bytes without writing them; false when the stream ends first. Takes
    // time in proportion to the bytes of the file it walks, never to `length`.
    bool Skip(std::uint64_t length);
    // File bytes taken so far.
    std::size_t Consumed() const { return position_; }

private:
    template <typename Emit>
    bool Walk(std::uint64_t length, Emit&& emit);

    bool runLength_;
    const unsigned char* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    unsigned pending_ = 0;  // bytes left in the current run
    unsigned char value_ = 0;
};

// Walks the whole picture's stream (which starts at `data`) without decoding it: the number of file bytes
// the picture takes, or nothing when the stream ends before the picture does.
std::optional<std::size_t> ScanPcxStream(const PcxHeader& header, const unsigned char* data, std::size_t size);
