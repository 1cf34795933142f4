#pragma once
// Replacing a whole file so that a reader sees either the old bytes or the new ones, never a mix, an
// empty file or a partial one: not on a full disk, not when the process is killed half-way.

#include <string>
#include <string_view>

namespace ravelin {

// Writes `bytes` to a new file beside `path`, flushes it to the disk and renames it over `path`; an
// existing file keeps its permission bits (and a symbolic link keeps pointing at the file it names).
// False, with `path` untouched and no temporary file left, when any step fails.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace ravelin
