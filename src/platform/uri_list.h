#pragma once
// Files dropped from a file manager arrive as a "text/uri-list": one URL per line, "#" lines are comments.
// Only local files count: "file:///path" or "file://localhost/path", percent-decoded.

#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

// The local paths the list names, in order; remote or malformed entries are left out.
std::vector<std::string> LocalPathsOfUriList(std::string_view list);

}  // namespace ravelin
