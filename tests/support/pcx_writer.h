#pragma once
// A small PCX writer for tests: builds the bytes of a PCX file of any variant in memory, so a test makes the
// exact picture it needs (and, by patching the bytes, the exact damage it needs).

#include <cstddef>
#include <string>
#include <vector>

namespace ravelin {

enum class PcxVariant {
    Mono1,     // 1 bit, 1 plane: indices 0..1
    Cga2,      // 2 bits, 1 plane: indices 0..3
    Planes2,   // 1 bit, 2 planes: indices 0..3
    Planes3,   // 1 bit, 3 planes: indices 0..7
    Planes4,   // 1 bit, 4 planes: indices 0..15
    Packed4,   // 4 bits, 1 plane: indices 0..15
    Palette8,  // 8 bits, 1 plane, 256-colour palette after the pixels: indices 0..255
    Grey8,     // 8 bits, 1 plane, palette-info 2 and a grey ramp after the pixels: grey levels 0..255
    Rgb24,     // 8 bits, 3 planes: pixels R, G, B
    Rgba32,    // 8 bits, 4 planes: pixels R, G, B, A
};

enum class PcxEncoding { Rle, Raw };

// Offsets of the header fields (all 16-bit fields little-endian), for tests that damage a header.
namespace pcx_offset {
constexpr std::size_t kManufacturer = 0;
constexpr std::size_t kVersion = 1;
constexpr std::size_t kEncoding = 2;
constexpr std::size_t kBitsPerPixel = 3;
constexpr std::size_t kXMin = 4;
constexpr std::size_t kYMin = 6;
constexpr std::size_t kXMax = 8;
constexpr std::size_t kYMax = 10;
constexpr std::size_t kPalette16 = 16;
constexpr std::size_t kPlanes = 65;
constexpr std::size_t kBytesPerLine = 66;
constexpr std::size_t kPaletteInfo = 68;
constexpr std::size_t kHeaderSize = 128;
}  // namespace pcx_offset

struct PcxImage {
    unsigned width = 0;
    unsigned height = 0;
    PcxVariant variant = PcxVariant::Rgb24;
    PcxEncoding encoding = PcxEncoding::Rle;
    // Rows top to bottom without padding: one byte per pixel (an index, or a grey level for Grey8),
    // three (R, G, B) for Rgb24, four (R, G, B, A) for Rgba32.
    std::vector<unsigned char> pixels;
    // R, G, B triples. The first 16 go into the header; for Palette8 all 256 go after the pixels. Missing
    // entries are written as black; for Mono1 an empty palette means black and white.
    std::vector<unsigned char> palette;
    unsigned version = 5;
    unsigned xMin = 0;             // the window's origin; xMax = xMin + width - 1
    unsigned yMin = 0;
    unsigned bytesPerLine = 0;     // per plane; 0: the smallest even count that holds a row
    bool appendPalette = true;     // Palette8 and Grey8: write the 0x0C marker and 768-byte palette
    bool runsAcrossLines = false;  // Rle: let runs continue from one row (and plane) into the next
};

// The bytes of the PCX file. Pixel data shorter than the picture is padded with zeros.
std::vector<unsigned char> MakePcx(const PcxImage& image);
bool WritePcx(const std::string& path, const PcxImage& image);
bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// Quick test pictures with distinct, easily predicted pixels.
PcxImage TestPattern24(unsigned width, unsigned height);  // Rgb24: R = x*7, G = y*13, B = (x+y)*3 (mod 256)
PcxImage TestPattern8(unsigned width, unsigned height);   // Palette8: index (x + 3y) mod 256, varied palette
PcxImage TestPatternIndexed(PcxVariant variant, unsigned width, unsigned height);  // any indexed variant,
                                                            // index (x + 2y) mod colours, distinct colours
PcxImage TestPattern32(unsigned width, unsigned height);  // Rgba32: as TestPattern24 with A = (x*y*5) mod 256

// Little helpers for damaging bytes in tests.
void SetLe16(std::vector<unsigned char>& bytes, std::size_t offset, unsigned value);
unsigned ColoursOf(PcxVariant variant);  // 2, 4, 8, 16 or 256 (0 for Rgb24, Rgba32)

}  // namespace ravelin
