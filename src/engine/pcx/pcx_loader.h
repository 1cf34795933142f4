#pragma once
// Loads a PCX file into the bitmap the pipeline works on. Returns an empty Bitmap for anything that is
// not a sound PCX file: the header is checked and the whole pixel stream scanned before the bitmap is
// allocated, so a damaged or hostile file fails quickly and never makes a large allocation. Only regular
// files are read, and no more of them than the picture can use.

#include "engine/bitmap.h"

#include <cstddef>
#include <string>

namespace ravelin {

// The file is read `windowBytes` at a time (tests make it small to cross every boundary).
Bitmap LoadPcx(const std::string& path, std::size_t windowBytes = 256 * 1024);
Bitmap LoadPcxFromMemory(const unsigned char* data, std::size_t size);

}  // namespace ravelin
