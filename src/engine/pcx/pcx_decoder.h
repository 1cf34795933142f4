#pragma once
// Decodes the picture of a checked PCX header into the bitmap the pipeline works on:
//   1 bit, 1 plane          -> 1-bit, black and white (the header's palette is not used)
//   2 bits; 1 bit x 2, 3, 4 planes; 4 bits -> 4-bit palettised, palette from the header
//   8 bits, 1 plane         -> 8-bit palettised, palette from the file's end, else a grey ramp
//   8 bits x 3 planes       -> 24-bit;  8 bits x 4 planes -> 32-bit with alpha

#include "engine/bitmap.h"
#include "engine/pcx/pcx_header.h"
#include "engine/pcx/pcx_stream.h"

#include <cstddef>
#include <cstdint>

namespace ravelin {

// The last 769 bytes of the file, where an 8-bit picture keeps its palette, and the offset they start at.
struct PcxTrailer {
    const unsigned char* bytes = nullptr;  // nullptr when the file is shorter than the header and trailer
    std::uint64_t offset = 0;
};

// The 16 colours used when a 16-colour header holds no palette (every entry black).
extern const unsigned char kPcxDefaultPalette16[48];

// `source` gives the file after its header. The stream is scanned in full before the bitmap is allocated;
// a stream that ends before the picture does gives an empty bitmap.
Bitmap DecodePcx(const PcxHeader& header, PcxByteSource& source, const PcxTrailer& trailer);
Bitmap DecodePcx(const PcxHeader& header, const unsigned char* stream, std::size_t size, const PcxTrailer& trailer);

}  // namespace ravelin
