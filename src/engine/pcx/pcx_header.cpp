#include "engine/pcx/pcx_header.h"

namespace ravelin {

namespace {

constexpr unsigned char kManufacturer = 0x0A;
constexpr unsigned kLongestRun = 63;

unsigned Le16(const unsigned char* at) { return at[0] | (at[1] << 8); }

std::optional<PcxLayout> LayoutOf(unsigned bitsPerPixel, unsigned planes) {
    if (bitsPerPixel == 1) {
        switch (planes) {
            case 1: return PcxLayout::Mono;
            case 2: return PcxLayout::Planar2;
            case 3: return PcxLayout::Planar3;
            case 4: return PcxLayout::Planar4;
            default: return std::nullopt;
        }
    }
    if (bitsPerPixel == 2 && planes == 1) return PcxLayout::Cga;
    if (bitsPerPixel == 4 && planes == 1) return PcxLayout::Packed4;
    if (bitsPerPixel == 8) {
        switch (planes) {
            case 1: return PcxLayout::Indexed8;
            case 3: return PcxLayout::Rgb;
            case 4: return PcxLayout::Rgba;
            default: return std::nullopt;
        }
    }
    return std::nullopt;
}

bool KnownVersion(unsigned version) {
    // 0: 2.5; 2: 2.8 with palette; 3: 2.8 without; 4: for Windows; 5: 3.0 and later.
    return version == 0 || version == 2 || version == 3 || version == 4 || version == 5;
}

}  // namespace

std::optional<PcxHeader> ReadPcxHeader(const unsigned char* data, std::size_t size) {
    if (!data || size < kPcxHeaderSize) return std::nullopt;
    if (data[0] != kManufacturer || !KnownVersion(data[1]) || data[2] > 1) return std::nullopt;

    PcxHeader header;
    header.version = data[1];
    header.runLength = data[2] == 1;
    header.bitsPerPixel = data[3];
    header.planes = data[65];
    const std::optional<PcxLayout> layout = LayoutOf(header.bitsPerPixel, header.planes);
    if (!layout) return std::nullopt;
    header.layout = *layout;

    const unsigned xMin = Le16(data + 4), yMin = Le16(data + 6);
    const unsigned xMax = Le16(data + 8), yMax = Le16(data + 10);
    if (xMax < xMin || yMax < yMin) return std::nullopt;
    header.width = xMax - xMin + 1;
    header.height = yMax - yMin + 1;

    header.horizontalDpi = Le16(data + 12);
    header.verticalDpi = Le16(data + 14);
    for (std::size_t i = 0; i < sizeof header.palette16; ++i) header.palette16[i] = data[16 + i];
    header.bytesPerLine = Le16(data + 66);
    header.paletteInfo = Le16(data + 68);

    // Each plane's line must hold the row's pixels; anything shorter would be read past.
    const std::uint64_t rowBits = std::uint64_t{header.width} * header.bitsPerPixel;
    if (std::uint64_t{header.bytesPerLine} * 8 < rowBits) return std::nullopt;
    return header;
}

std::uint64_t MinEncodedBytes(const PcxHeader& header) {
    const std::uint64_t bytes = header.StreamBytes();
    if (!header.runLength) return bytes;
    // Full runs take two bytes each; what is left takes one byte (a single literal) or two (a short run).
    const std::uint64_t rest = bytes % kLongestRun;
    return bytes / kLongestRun * 2 + (rest == 0 ? 0 : rest == 1 ? 1 : 2);
}

std::uint64_t MaxEncodedBytes(const PcxHeader& header) {
    const std::uint64_t bytes = header.StreamBytes();
    return header.runLength ? bytes * 2 : bytes;
}

bool FileCanHoldPicture(const PcxHeader& header, std::uint64_t fileSize) {
    return fileSize >= kPcxHeaderSize && fileSize - kPcxHeaderSize >= MinEncodedBytes(header);
}

}  // namespace ravelin
