#pragma once
// Loads a PCX file into the bitmap the pipeline works on. Returns an empty Bitmap for anything that is
// not a sound PCX file.

#include "engine/bitmap.h"

#include <cstddef>
#include <string>

Bitmap LoadPcx(const std::string& path);
Bitmap LoadPcxFromMemory(const unsigned char* data, std::size_t size);
