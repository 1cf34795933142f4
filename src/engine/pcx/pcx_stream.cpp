#include "engine/pcx/pcx_stream.h"

#include <algorithm>
#include <cstring>

namespace ravelin {

bool PcxStreamReader::NextWindow() {
    windowStart_ += position_;
    position_ = 0;
    window_ = source_->BytesFrom(windowStart_);
    return !window_.empty();
}

// Walks `length` decoded bytes of a run-length stream, handing each literal byte or run to `emit(value,
// count)`. Every turn of the loop takes at least one byte of the file, so the time follows the file, not
// `length`. A run cut short by `length` is kept for the next call.
template <typename Emit>
bool PcxStreamReader::Walk(std::uint64_t length, Emit&& emit) {
    const std::uint64_t first = std::min<std::uint64_t>(pending_, length);
    if (first != 0) emit(value_, first);
    length -= first;
    pending_ -= static_cast<unsigned>(first);
    const unsigned char* data = window_.data();
    std::size_t size = window_.size();
    std::size_t position = position_;
    // The next byte of the stream, moving to the next window when this one is used up.
    const auto next = [&](unsigned char& byte) {
        if (position >= size) {
            position_ = position;
            if (!NextWindow()) return false;
            data = window_.data();
            size = window_.size();
            position = 0;
        }
        byte = data[position++];
        return true;
    };
    while (length > 0) {
        unsigned char code = 0;
        if (!next(code)) return false;
        if (code < 0xC0) {
            emit(code, 1);
            --length;
            continue;
        }
        unsigned char value = 0;
        if (!next(value)) return false;
        const std::uint64_t run = code & 0x3Fu;  // a run of 0 repeats nothing
        const std::uint64_t take = std::min(run, length);
        if (take != 0) emit(value, take);
        length -= take;
        pending_ = static_cast<unsigned>(run - take);
        value_ = value;
    }
    position_ = position;
    return true;
}

bool PcxStreamReader::RawBytesLeft(std::uint64_t length) const {
    const std::uint64_t at = Consumed();
    return source_->Size() >= at && source_->Size() - at >= length;
}

bool PcxStreamReader::Read(unsigned char* out, std::size_t length) {
    if (!runLength_) {
        if (!RawBytesLeft(length)) return false;  // a short read takes nothing
        while (length > 0) {
            if (position_ >= window_.size() && !NextWindow()) return false;
            const std::size_t take = std::min(length, window_.size() - position_);
            std::memcpy(out, window_.data() + position_, take);
            out += take;
            position_ += take;
            length -= take;
        }
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
        // Raw bytes need not be read to be passed over: only the stream's length counts.
        if (!RawBytesLeft(length)) return false;
        windowStart_ = Consumed() + length;
        window_ = {};
        position_ = 0;
        return true;
    }
    return Walk(length, [](unsigned char, std::uint64_t) {});
}

std::optional<std::uint64_t> ScanPcxStream(const PcxHeader& header, PcxByteSource& source) {
    PcxStreamReader reader(header.runLength, source);
    if (!reader.Skip(header.StreamBytes())) return std::nullopt;
    return reader.Consumed();
}

std::optional<std::uint64_t> ScanPcxStream(const PcxHeader& header, const unsigned char* data, std::size_t size) {
    MemoryByteSource source(data, size);
    return ScanPcxStream(header, source);
}

}  // namespace ravelin
