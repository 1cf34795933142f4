#include "platform/file_time.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace ravelin {

std::optional<std::int64_t> ModificationTime(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return std::nullopt;
    return static_cast<std::int64_t>(status.st_mtime);
}

bool SetModificationTime(const std::string& path, std::int64_t secondsSince1970) {
    if (!IsFileDate(secondsSince1970)) return false;  // the file system would clamp it to another date
    // Only the modification date changes; the access date stays as it is.
    const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(secondsSince1970), 0}};
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

}  // namespace ravelin
