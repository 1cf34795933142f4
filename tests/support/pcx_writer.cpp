#include "support/pcx_writer.h"

#include <fstream>

namespace ravelin {

namespace {

struct Layout {
    unsigned bitsPerPixel;
    unsigned planes;
};

Layout LayoutOf(PcxVariant variant) {
    switch (variant) {
        case PcxVariant::Mono1: return {1, 1};
        case PcxVariant::Cga2: return {2, 1};
        case PcxVariant::Planes2: return {1, 2};
        case PcxVariant::Planes3: return {1, 3};
        case PcxVariant::Planes4: return {1, 4};
        case PcxVariant::Packed4: return {4, 1};
        case PcxVariant::Palette8:
        case PcxVariant::Grey8: return {8, 1};
        case PcxVariant::Rgb24: return {8, 3};
        case PcxVariant::Rgba32: return {8, 4};
    }
    return {8, 1};
}

unsigned BytesPerPixelOfInput(PcxVariant variant) {
    if (variant == PcxVariant::Rgb24) return 3;
    if (variant == PcxVariant::Rgba32) return 4;
    return 1;
}

// One plane of one row, packed as the file holds it, `bytesPerLine` long (padding is zero).
std::vector<unsigned char> PackPlaneRow(const PcxImage& image, const Layout& layout, unsigned row,
                                        unsigned plane, unsigned bytesPerLine) {
    std::vector<unsigned char> line(bytesPerLine, 0);
    const unsigned step = BytesPerPixelOfInput(image.variant);
    for (unsigned x = 0; x < image.width; ++x) {
        const std::size_t at = (static_cast<std::size_t>(row) * image.width + x) * step;
        unsigned value = 0;
        if (step > 1) {
            value = at + plane < image.pixels.size() ? image.pixels[at + plane] : 0;
        } else {
            value = at < image.pixels.size() ? image.pixels[at] : 0;
        }
        if (layout.bitsPerPixel == 8) {
            line[x] = static_cast<unsigned char>(value);
        } else if (layout.planes > 1) {  // one bit of the index per plane
            if ((value >> plane) & 1u) line[x / 8] |= static_cast<unsigned char>(0x80u >> (x % 8));
        } else {  // packed: leftmost pixel in the highest bits
            const unsigned perByte = 8 / layout.bitsPerPixel;
            const unsigned mask = (1u << layout.bitsPerPixel) - 1;
            const unsigned shift = 8 - layout.bitsPerPixel * (x % perByte + 1);
            line[x / perByte] |= static_cast<unsigned char>((value & mask) << shift);
        }
    }
    return line;
}

void AppendRle(std::vector<unsigned char>& out, const std::vector<unsigned char>& data) {
    std::size_t i = 0;
    while (i < data.size()) {
        const unsigned char value = data[i];
        std::size_t run = 1;
        while (i + run < data.size() && data[i + run] == value && run < 63) ++run;
        if (run > 1 || value >= 0xC0) {
            out.push_back(static_cast<unsigned char>(0xC0 | run));
        }
        out.push_back(value);
        i += run;
    }
}

void PutLe16(std::vector<unsigned char>& bytes, std::size_t offset, unsigned value) {
    bytes[offset] = static_cast<unsigned char>(value & 0xFF);
    bytes[offset + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

unsigned char PaletteByte(const PcxImage& image, std::size_t i) {
    return i < image.palette.size() ? image.palette[i] : 0;
}

}  // namespace

unsigned ColoursOf(PcxVariant variant) {
    switch (variant) {
        case PcxVariant::Mono1: return 2;
        case PcxVariant::Cga2:
        case PcxVariant::Planes2: return 4;
        case PcxVariant::Planes3: return 8;
        case PcxVariant::Planes4:
        case PcxVariant::Packed4: return 16;
        case PcxVariant::Palette8:
        case PcxVariant::Grey8: return 256;
        case PcxVariant::Rgb24:
        case PcxVariant::Rgba32: return 0;
    }
    return 0;
}

void SetLe16(std::vector<unsigned char>& bytes, std::size_t offset, unsigned value) {
    if (offset + 1 < bytes.size()) PutLe16(bytes, offset, value);
}

std::vector<unsigned char> MakePcx(const PcxImage& image) {
    const Layout layout = LayoutOf(image.variant);
    unsigned bytesPerLine = image.bytesPerLine;
    if (bytesPerLine == 0) {
        bytesPerLine = (image.width * layout.bitsPerPixel + 7) / 8;
        bytesPerLine += bytesPerLine % 2;
    }

    std::vector<unsigned char> bytes(pcx_offset::kHeaderSize, 0);
    bytes[pcx_offset::kManufacturer] = 0x0A;
    bytes[pcx_offset::kVersion] = static_cast<unsigned char>(image.version);
    bytes[pcx_offset::kEncoding] = image.encoding == PcxEncoding::Rle ? 1 : 0;
    bytes[pcx_offset::kBitsPerPixel] = static_cast<unsigned char>(layout.bitsPerPixel);
    PutLe16(bytes, pcx_offset::kXMin, image.xMin);
    PutLe16(bytes, pcx_offset::kYMin, image.yMin);
    PutLe16(bytes, pcx_offset::kXMax, image.xMin + image.width - 1);
    PutLe16(bytes, pcx_offset::kYMax, image.yMin + image.height - 1);
    PutLe16(bytes, 12, 72);  // resolution
    PutLe16(bytes, 14, 72);
    if (image.variant == PcxVariant::Mono1 && image.palette.empty()) {
        for (std::size_t i = 3; i < 6; ++i) bytes[pcx_offset::kPalette16 + i] = 0xFF;
    } else {
        for (std::size_t i = 0; i < 48; ++i) bytes[pcx_offset::kPalette16 + i] = PaletteByte(image, i);
    }
    bytes[pcx_offset::kPlanes] = static_cast<unsigned char>(layout.planes);
    PutLe16(bytes, pcx_offset::kBytesPerLine, bytesPerLine);
    PutLe16(bytes, pcx_offset::kPaletteInfo, image.variant == PcxVariant::Grey8 ? 2 : 1);

    std::vector<unsigned char> stream;
    for (unsigned row = 0; row < image.height; ++row) {
        for (unsigned plane = 0; plane < layout.planes; ++plane) {
            const std::vector<unsigned char> line = PackPlaneRow(image, layout, row, plane, bytesPerLine);
            if (image.encoding == PcxEncoding::Raw || image.runsAcrossLines) {
                stream.insert(stream.end(), line.begin(), line.end());
            } else {
                AppendRle(bytes, line);
            }
        }
    }
    if (image.encoding == PcxEncoding::Rle && image.runsAcrossLines) {
        AppendRle(bytes, stream);
    } else {
        bytes.insert(bytes.end(), stream.begin(), stream.end());
    }

    const bool eightBitIndexed = image.variant == PcxVariant::Palette8 || image.variant == PcxVariant::Grey8;
    if (eightBitIndexed && image.appendPalette) {
        bytes.push_back(0x0C);
        for (std::size_t i = 0; i < 768; ++i) {
            if (image.variant == PcxVariant::Grey8) {
                bytes.push_back(static_cast<unsigned char>(i / 3));
            } else {
                bytes.push_back(PaletteByte(image, i));
            }
        }
    }
    return bytes;
}

bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool WritePcx(const std::string& path, const PcxImage& image) {
    return WriteBytes(path, MakePcx(image));
}

PcxImage TestPattern24(unsigned width, unsigned height) {
    PcxImage image;
    image.width = width;
    image.height = height;
    image.variant = PcxVariant::Rgb24;
    image.pixels.reserve(static_cast<std::size_t>(width) * height * 3);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            image.pixels.push_back(static_cast<unsigned char>(x * 7));
            image.pixels.push_back(static_cast<unsigned char>(y * 13));
            image.pixels.push_back(static_cast<unsigned char>((x + y) * 3));
        }
    }
    return image;
}

PcxImage TestPattern32(unsigned width, unsigned height) {
    PcxImage image;
    image.width = width;
    image.height = height;
    image.variant = PcxVariant::Rgba32;
    image.pixels.reserve(static_cast<std::size_t>(width) * height * 4);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            image.pixels.push_back(static_cast<unsigned char>(x * 7));
            image.pixels.push_back(static_cast<unsigned char>(y * 13));
            image.pixels.push_back(static_cast<unsigned char>((x + y) * 3));
            image.pixels.push_back(static_cast<unsigned char>(x * y * 5));
        }
    }
    return image;
}

PcxImage TestPatternIndexed(PcxVariant variant, unsigned width, unsigned height) {
    PcxImage image;
    image.width = width;
    image.height = height;
    image.variant = variant;
    const unsigned colours = ColoursOf(variant) ? ColoursOf(variant) : 256;
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            image.pixels.push_back(static_cast<unsigned char>((x + 2 * y) % colours));
        }
    }
    if (variant != PcxVariant::Grey8) {
        for (unsigned i = 0; i < 256; ++i) {
            image.palette.push_back(static_cast<unsigned char>(i * 37 + 11));
            image.palette.push_back(static_cast<unsigned char>(255 - i * 5));
            image.palette.push_back(static_cast<unsigned char>(i * 91 + 200));
        }
    }
    return image;
}

PcxImage TestPattern8(unsigned width, unsigned height) {
    PcxImage image = TestPatternIndexed(PcxVariant::Palette8, width, height);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            image.pixels[static_cast<std::size_t>(y) * width + x] = static_cast<unsigned char>(x + 3 * y);
        }
    }
    return image;
}

}  // namespace ravelin
