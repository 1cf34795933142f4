#pragma once
// Names a file's type from its first bytes, whatever its extension says; for the debug listing only.

#include <cstddef>
#include <span>
#include <string>

namespace ravelin {

inline constexpr const char* kUnrecognizedFileType = "[ERROR] UNRECOGNIZED";

// At most this many leading bytes decide the type.
inline constexpr std::size_t kSignatureBytes = 20;

// The label of the type the bytes begin with ("PNG", "TIFF (LE)", ...), or "[ERROR] UNRECOGNIZED".
std::string DetectFileTypeFromBytes(std::span<const unsigned char> bytes);

// The same for the first bytes of a file. Anything but a readable regular file is unrecognised;
// the call never waits on a pipe or a device.
std::string DetectFileType(const std::string& path);

}  // namespace ravelin
