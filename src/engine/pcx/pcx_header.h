#pragma once
// The fixed 128-byte header of a PCX file and the checks that decide whether its claims can be believed
// before anything is allocated for the picture.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace ravelin {

constexpr std::size_t kPcxHeaderSize = 128;
constexpr std::size_t kPcxPaletteTrailerSize = 769;  // the 0x0C marker and 256 R, G, B triples

// The pixel layouts we read: bits per pixel and planes, as the file stores them.
enum class PcxLayout {
    Mono,     // 1 bit, 1 plane
    Cga,      // 2 bits, 1 plane
    Planar2,  // 1 bit, 2 planes
    Planar3,  // 1 bit, 3 planes
    Planar4,  // 1 bit, 4 planes
    Packed4,  // 4 bits, 1 plane
    Indexed8, // 8 bits, 1 plane, palette after the pixels
    Rgb,      // 8 bits, 3 planes
    Rgba,     // 8 bits, 4 planes
};

struct PcxHeader {
    unsigned version = 0;
    bool runLength = false;
    unsigned bitsPerPixel = 0;
    unsigned planes = 0;
    PcxLayout layout = PcxLayout::Mono;
    unsigned width = 0;   // 1..65536
    unsigned height = 0;  // 1..65536
    unsigned bytesPerLine = 0;  // per plane
    unsigned paletteInfo = 0;
    unsigned horizontalDpi = 0;
    unsigned verticalDpi = 0;
    unsigned char palette16[48] = {};

    // Bytes of one decoded scan line (every plane) and of the whole decoded picture.
    std::uint64_t LineBytes() const { return std::uint64_t{bytesPerLine} * planes; }
    std::uint64_t StreamBytes() const { return LineBytes() * height; }
};

// Parses and checks the header: the manufacturer byte, a known version and encoding, a layout we read, a
// window that is not inverted, and a bytes-per-line that holds a row. Anything else gives nothing.
std::optional<PcxHeader> ReadPcxHeader(const unsigned char* data, std::size_t size);

// The fewest and the most file bytes the picture's pixel stream can take (a run holds at most 63 bytes; a
// sensible encoder never spends more than two bytes on one).
std::uint64_t MinEncodedBytes(const PcxHeader& header);
std::uint64_t MaxEncodedBytes(const PcxHeader& header);

// Whether a file of `fileSize` bytes can hold the picture its header claims.
bool FileCanHoldPicture(const PcxHeader& header, std::uint64_t fileSize);

}  // namespace ravelin
