#pragma once
// Modification dates of files.

#include <cstdint>
#include <optional>
#include <string>

namespace ravelin {

// The dates a file can carry here: what the common Linux file systems store (ext4's extended times, from
// late 1901 to 2446), which time_t and localtime_r also take. A date outside is refused, never wrapped.
inline constexpr std::int64_t kEarliestFileDate = -(std::int64_t{1} << 31);
inline constexpr std::int64_t kLatestFileDate = (std::int64_t{1} << 34) - 1 - (std::int64_t{1} << 31);
constexpr bool IsFileDate(std::int64_t seconds) {
    return seconds >= kEarliestFileDate && seconds <= kLatestFileDate;
}

std::optional<std::int64_t> ModificationTime(const std::string& path);
// False, changing nothing, for a date outside IsFileDate.
bool SetModificationTime(const std::string& path, std::int64_t secondsSince1970);

}  // namespace ravelin
