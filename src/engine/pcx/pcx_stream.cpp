#include "engine/pcx/pcx_stream.h"

#include <algorithm>
#include <cstring>

// Walks `length` decoded bytes of a run-length stream, handing each literal byte or run to `emit(value,
// count)`. Every turn of the loop takes at least one byte of the file, so the time follows the file, not
// `length`. A run cut short by `length` is kept for the next call.
template <typename Emit>
bool PcxStreamReader::Walk(std::uint64_t length, Emit&& emit) {
    const std::uint64_t first = std::min<std::uint64_t>(pending_, length);
    if (first != 0) emit(value_, first);
    length -= first;
    pending_ -= static_cast<unsigned>(first);
    std::size_t position = position_;
    bool complete = true;
    while (length > 0) {
        if (position >= size_) {
            complete = false;
            break;
        }
        const unsigned char code = data_[position++];
        if (code < 0xC0) {
            emit(code, 1);
            --length;
            continue;
        }
        if (position >= size_) {
            complete = false;
            break;
        }
        const unsigned char value = data_[position++];
        const std::uint64_t run = code & 0x3Fu;  // a run of 0 repeats nothing
        const std::uint64_t take = std::min(run, length);
        if (take != 0) emit(value, take);
        length -= take;
        pending_ = static_cast<unsigned>(run - take);
        value_ = value;
    }
    position_ = position;
    return complete;
}

bool PcxStreamReader::Read(unsigned char* out, std::size_t length) {
    if (!runLength_) {
        if (size_ - position_ < length) return false;
        std::memcpy(out, data_ + position_, length);
        position_ += length;
        return true;
    }
    return Walk(length, [&out](unsigned char value, std::uint64_t count) {
        if (count == 1) {
            *out++ = value;
        } else {
            std::memset(out, value, static_cast<std::size_t>(count));
            out += count;
        }
    });
}

bool PcxStreamReader::Skip(std::uint64_t length) {
    if (!runLength_) {
        if (size_ - position_ < length) return false;
        position_ += static_cast<std::size_t>(length);
        return true;
    }
    return Walk(length, [](unsigned char, std::uint64_t) {});
}

std::optional<std::size_t> ScanPcxStream(const PcxHeader& header, const unsigned char* data, std::size_t size) {
    PcxStreamReader reader(header.runLength, data, size);
    if (!reader.Skip(header.StreamBytes())) return std::nullopt;
    return reader.Consumed();
}
