#pragma once
// Saving so that a failure never leaves a partial file and never harms the source.

#include "engine/bitmap.h"

#include <string>

namespace ravelin {

// Saves to a new temporary file beside `path`, then renames it into place; any earlier file of that name
// is replaced only by a save that succeeded. Refuses to write over `source` (the input being converted).
bool SaveReplacing(const Bitmap& bitmap, int formatId, int flags, const std::string& path, const std::string& source);

}  // namespace ravelin
