#pragma once
// Pixel helpers shared by the PCX reader's tests: what a loaded bitmap shows, what a written picture should
// show once read, and the expected pixels committed beside the interop fixtures.

#include "engine/bitmap.h"
#include "support/pcx_writer.h"
#include "support/run_program.h"

#include <FreeImage.h>

#include <array>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ravelin {

using Rgba = std::array<unsigned, 4>;

// The colour at (x, y), y counted from the top as in the file; alpha 255 where the bitmap has none.
inline Rgba PixelAt(FIBITMAP* dib, unsigned x, unsigned yFromTop) {
    const unsigned y = FreeImage_GetHeight(dib) - 1 - yFromTop;
    RGBQUAD colour{};
    if (FreeImage_GetBPP(dib) <= 8) {
        BYTE index = 0;
        FreeImage_GetPixelIndex(dib, x, y, &index);
        colour = FreeImage_GetPalette(dib)[index];
        colour.rgbReserved = 255;
    } else {
        FreeImage_GetPixelColor(dib, x, y, &colour);
        if (FreeImage_GetBPP(dib) != 32) colour.rgbReserved = 255;
    }
    return {colour.rgbRed, colour.rgbGreen, colour.rgbBlue, colour.rgbReserved};
}

// What the reader must show at (x, y) for a picture the writer made with a palette that is not all black:
// 1-bit pictures are black and white whatever their header says, and grey pictures show their levels.
inline Rgba ExpectedPixel(const PcxImage& image, unsigned x, unsigned y) {
    const std::size_t at = static_cast<std::size_t>(y) * image.width + x;
    switch (image.variant) {
        case PcxVariant::Rgb24:
            return {image.pixels[at * 3], image.pixels[at * 3 + 1], image.pixels[at * 3 + 2], 255};
        case PcxVariant::Rgba32:
            return {image.pixels[at * 4], image.pixels[at * 4 + 1], image.pixels[at * 4 + 2], image.pixels[at * 4 + 3]};
        case PcxVariant::Mono1: {
            const unsigned level = image.pixels[at] ? 255 : 0;
            return {level, level, level, 255};
        }
        case PcxVariant::Grey8:
            return {image.pixels[at], image.pixels[at], image.pixels[at], 255};
        default: {
            const std::size_t index = image.pixels[at];
            return {image.palette[index * 3], image.palette[index * 3 + 1], image.palette[index * 3 + 2], 255};
        }
    }
}

// A binary PPM (P6, maxval 255) as written by netpbm: width, height and R, G, B bytes top to bottom.
struct PpmImage {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<unsigned char> rgb;
};

inline bool ReadPpm(const std::string& path, PpmImage& out) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    unsigned maxval = 0;
    if (!(in >> magic >> out.width >> out.height >> maxval) || magic != "P6" || maxval != 255) return false;
    in.get();  // the one whitespace byte before the pixels
    out.rgb.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return out.rgb.size() == static_cast<std::size_t>(out.width) * out.height * 3;
}

inline std::string PcxFixture(const std::string& name) {
    return std::string(RAVELIN_FIXTURES) + "/pcx/" + name;
}

inline std::vector<unsigned char> ReadFileBytes(const std::string& path) {
    const std::string text = ReadFileText(path);
    return {text.begin(), text.end()};
}

}  // namespace ravelin
