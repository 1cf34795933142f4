#include "engine/pcx/pcx_decoder.h"

#include "engine/pcx/pcx_stream.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace ravelin {

// The standard 16 colours of EGA and VGA text modes.
const unsigned char kPcxDefaultPalette16[48] = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x00, 0xAA, 0x00, 0x00, 0xAA, 0xAA,
    0xAA, 0x00, 0x00, 0xAA, 0x00, 0xAA, 0xAA, 0x55, 0x00, 0xAA, 0xAA, 0xAA,
    0x55, 0x55, 0x55, 0x55, 0x55, 0xFF, 0x55, 0xFF, 0x55, 0x55, 0xFF, 0xFF,
    0xFF, 0x55, 0x55, 0xFF, 0x55, 0xFF, 0xFF, 0xFF, 0x55, 0xFF, 0xFF, 0xFF,
};

namespace {

// CGA's usual four colours (palette 1, bright): black, cyan, magenta, white.
const unsigned char kCgaDefaultPalette[12] = {
    0x00, 0x00, 0x00, 0x55, 0xFF, 0xFF, 0xFF, 0x55, 0xFF, 0xFF, 0xFF, 0xFF,
};

constexpr unsigned char kPaletteMarker = 0x0C;

unsigned BitmapDepth(PcxLayout layout) {
    switch (layout) {
        case PcxLayout::Mono: return 1;
        case PcxLayout::Cga:
        case PcxLayout::Planar2:
        case PcxLayout::Planar3:
        case PcxLayout::Planar4:
        case PcxLayout::Packed4: return 4;
        case PcxLayout::Indexed8: return 8;
        case PcxLayout::Rgb: return 24;
        case PcxLayout::Rgba: return 32;
    }
    return 0;
}

unsigned UsedColours(PcxLayout layout) {
    switch (layout) {
        case PcxLayout::Cga:
        case PcxLayout::Planar2: return 4;
        case PcxLayout::Planar3: return 8;
        default: return 16;
    }
}

void SetEntry(RGBQUAD& entry, const unsigned char* rgb) {
    entry.rgbRed = rgb[0];
    entry.rgbGreen = rgb[1];
    entry.rgbBlue = rgb[2];
    entry.rgbReserved = 0;
}

// The header's colours; a header whose palette is all black carries none, so the standard colours stand in.
void SetHeaderPalette(FIBITMAP* dib, const PcxHeader& header) {
    RGBQUAD* palette = FreeImage_GetPalette(dib);
    const bool given = std::any_of(std::begin(header.palette16), std::end(header.palette16),
                                   [](unsigned char c) { return c != 0; });
    const unsigned char* colours = header.palette16;
    if (!given) colours = header.layout == PcxLayout::Cga ? kCgaDefaultPalette : kPcxDefaultPalette16;
    const unsigned used = UsedColours(header.layout);
    const unsigned char black[3] = {0, 0, 0};
    for (unsigned i = 0; i < 16; ++i) SetEntry(palette[i], i < used ? colours + 3 * i : black);
}

void SetMonoPalette(FIBITMAP* dib) {
    RGBQUAD* palette = FreeImage_GetPalette(dib);
    const unsigned char black[3] = {0, 0, 0}, white[3] = {255, 255, 255};
    SetEntry(palette[0], black);
    SetEntry(palette[1], white);
}

// The 256 colours after the pixels when the file's last 769 bytes start with the marker and lie wholly
// after the picture's stream; else a grey ramp.
void SetTrailerPalette(FIBITMAP* dib, const PcxTrailer& trailer, std::uint64_t streamEnd) {
    RGBQUAD* palette = FreeImage_GetPalette(dib);
    const bool present = trailer.bytes && trailer.bytes[0] == kPaletteMarker && trailer.offset >= streamEnd;
    for (unsigned i = 0; i < 256; ++i) {
        const unsigned char grey[3] = {static_cast<unsigned char>(i), static_cast<unsigned char>(i),
                                       static_cast<unsigned char>(i)};
        SetEntry(palette[i], present ? trailer.bytes + 1 + 3 * i : grey);
    }
}

// One decoded scan line (all planes, each `bytesPerLine` long) into one bitmap row.
void ConvertLine(const PcxHeader& header, const unsigned char* line, BYTE* row) {
    const unsigned width = header.width;
    const unsigned stride = header.bytesPerLine;
    switch (header.layout) {
        case PcxLayout::Mono: {
            const unsigned bytes = (width + 7) / 8;
            std::memcpy(row, line, bytes);
            if (width % 8) row[bytes - 1] &= static_cast<BYTE>(0xFF00u >> (width % 8));
            break;
        }
        case PcxLayout::Packed4: {
            const unsigned bytes = (width + 1) / 2;
            std::memcpy(row, line, bytes);
            if (width % 2) row[bytes - 1] &= 0xF0;
            break;
        }
        case PcxLayout::Cga:
            for (unsigned x = 0; x < width; ++x) {
                const unsigned index = (line[x / 4] >> (6 - 2 * (x % 4))) & 3u;
                row[x / 2] |= static_cast<BYTE>(x % 2 ? index : index << 4);
            }
            break;
        case PcxLayout::Planar2:
        case PcxLayout::Planar3:
        case PcxLayout::Planar4:
            for (unsigned x = 0; x < width; ++x) {
                const unsigned mask = 0x80u >> (x % 8);
                unsigned index = 0;
                for (unsigned plane = 0; plane < header.planes; ++plane) {
                    if (line[plane * stride + x / 8] & mask) index |= 1u << plane;
                }
                row[x / 2] |= static_cast<BYTE>(x % 2 ? index : index << 4);
            }
            break;
        case PcxLayout::Indexed8:
            std::memcpy(row, line, width);
            break;
        case PcxLayout::Rgb:
            for (unsigned x = 0; x < width; ++x) {
                row[3 * x + FI_RGBA_RED] = line[x];
                row[3 * x + FI_RGBA_GREEN] = line[stride + x];
                row[3 * x + FI_RGBA_BLUE] = line[2 * stride + x];
            }
            break;
        case PcxLayout::Rgba:
            for (unsigned x = 0; x < width; ++x) {
                row[4 * x + FI_RGBA_RED] = line[x];
                row[4 * x + FI_RGBA_GREEN] = line[stride + x];
                row[4 * x + FI_RGBA_BLUE] = line[2 * stride + x];
                row[4 * x + FI_RGBA_ALPHA] = line[3 * stride + x];
            }
            break;
    }
}

unsigned DotsPerMeter(unsigned dotsPerInch) {
    // Rounded as FreeImage's own loader rounds it.
    return static_cast<unsigned>(static_cast<float>(dotsPerInch) / 0.0254000 + 0.5);
}

}  // namespace

Bitmap DecodePcx(const PcxHeader& header, const unsigned char* stream, std::size_t size, const PcxTrailer& trailer) {
    MemoryByteSource source(stream, size);
    return DecodePcx(header, source, trailer);
}

Bitmap DecodePcx(const PcxHeader& header, PcxByteSource& source, const PcxTrailer& trailer) {
    // Nothing is allocated until the stream is known to hold the whole picture.
    const std::optional<std::uint64_t> streamBytes = ScanPcxStream(header, source);
    if (!streamBytes) return {};

    const int depth = static_cast<int>(BitmapDepth(header.layout));
    const int width = static_cast<int>(header.width), height = static_cast<int>(header.height);
    Bitmap bitmap(depth > 8 ? FreeImage_Allocate(width, height, depth, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK,
                                                 FI_RGBA_BLUE_MASK)
                            : FreeImage_Allocate(width, height, depth));
    if (!bitmap) return {};
    FIBITMAP* dib = bitmap.get();
    FreeImage_SetDotsPerMeterX(dib, DotsPerMeter(header.horizontalDpi));
    FreeImage_SetDotsPerMeterY(dib, DotsPerMeter(header.verticalDpi));

    switch (header.layout) {
        case PcxLayout::Mono: SetMonoPalette(dib); break;
        case PcxLayout::Indexed8: SetTrailerPalette(dib, trailer, kPcxHeaderSize + *streamBytes); break;
        case PcxLayout::Rgb:
        case PcxLayout::Rgba: break;
        default: SetHeaderPalette(dib, header); break;
    }

    PcxStreamReader reader(header.runLength, source);
    std::vector<unsigned char> line(static_cast<std::size_t>(header.LineBytes()));
    const unsigned pitch = FreeImage_GetPitch(dib);
    for (unsigned y = 0; y < header.height; ++y) {
        if (!reader.Read(line.data(), line.size())) return {};  // cannot happen after the scan
        BYTE* row = FreeImage_GetScanLine(dib, static_cast<int>(header.height - 1 - y));
        std::memset(row, 0, pitch);
        ConvertLine(header, line.data(), row);
    }
    return bitmap;
}

}  // namespace ravelin
