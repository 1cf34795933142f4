#pragma once
// Modification dates of files.

#include <cstdint>
#include <optional>
#include <string>

namespace ravelin {

std::optional<std::int64_t> ModificationTime(const std::string& path);
bool SetModificationTime(const std::string& path, std::int64_t secondsSince1970);

}  // namespace ravelin
