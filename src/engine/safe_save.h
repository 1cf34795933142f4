#pragma once
// Saving an encoded picture so that a failure never leaves a partial file and never harms the source.

#include "engine/bitmap.h"
#include "platform/file_replace.h"

#include <string>

namespace ravelin {

// Encodes straight into a replacement of `path` (see platform/file_replace.h): any earlier file of that name
// is replaced only by a save that succeeded. Refuses to write over `source` (the input being converted).
// On failure *failure (when given) says why: the system's text for a file error, the encoder's message, or
// that the output would replace the input.
bool SaveReplacing(const Bitmap& bitmap, int formatId, int flags, const std::string& path, const std::string& source,
                   TemporaryKind kind = TemporaryKind::Unnamed, std::string* failure = nullptr);

}  // namespace ravelin
