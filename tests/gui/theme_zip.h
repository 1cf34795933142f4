#pragma once
// Zip files written by the theme tests themselves, with libarchive's writer.

#include <string>
#include <utility>
#include <vector>

namespace ravelin {

using ZipEntries = std::vector<std::pair<std::string, std::string>>;  // name, bytes

// Writes a zip of `entries` to `path`; false when it cannot.
bool WriteZip(const std::string& path, const ZipEntries& entries);

std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace ravelin
