#include "engine/pcx/pcx_stream.h"

#include <algorithm>
#include <cstring>

bool PcxStreamReader::NextRun() {
    if (position_ >= size_) return false;
    const unsigned char code = data_[position_++];
    if ((code & 0xC0) != 0xC0) {
        pending_ = 1;
        value_ = code;
        return true;
    }
    if (position_ >= size_) return false;
    pending_ = code & 0x3Fu;  // a run of 0 repeats nothing
    value_ = data_[position_++];
    return true;
}

bool PcxStreamReader::Read(unsigned char* out, std::size_t length) {
    if (!runLength_) {
        if (size_ - position_ < length) return false;
        std::memcpy(out, data_ + position_, length);
        position_ += length;
        return true;
    }
    std::size_t written = 0;
    while (written < length) {
        if (pending_ == 0 && !NextRun()) return false;
        const std::size_t take = std::min<std::size_t>(pending_, length - written);
        std::memset(out + written, value_, take);
        written += take;
        pending_ -= static_cast<unsigned>(take);
    }
    return true;
}

bool PcxStreamReader::Skip(std::uint64_t length) {
    if (!runLength_) {
        if (size_ - position_ < length) return false;
        position_ += static_cast<std::size_t>(length);
        return true;
    }
    // Every turn of this loop takes at least one byte of the file.
    while (length > 0) {
        if (pending_ == 0 && !NextRun()) return false;
        const std::uint64_t take = std::min<std::uint64_t>(pending_, length);
        length -= take;
        pending_ -= static_cast<unsigned>(take);
    }
    return true;
}

std::optional<std::size_t> ScanPcxStream(const PcxHeader& header, const unsigned char* data, std::size_t size) {
    PcxStreamReader reader(header.runLength, data, size);
    if (!reader.Skip(header.StreamBytes())) return std::nullopt;
    return reader.Consumed();
}
