// The drop decoder on any bytes a drag source may hand over: every path it gives back is an absolute local
// path without NUL, there are never more paths than lines, and a path written back as a fully escaped
// file URL decodes to itself.

#include "platform/uri_list.h"

#include "fuzz_support.h"

#include <algorithm>
#include <string>
#include <string_view>

using namespace ravelin;

namespace {

std::string EscapedFileUrl(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/') {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 15];
        }
    }
    return url;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> paths = LocalPathsOfUriList(list);
    FUZZ_CHECK(paths.size() <= static_cast<std::size_t>(std::count(list.begin(), list.end(), '\n')) + 1);
    for (const std::string& path : paths) {
        FUZZ_CHECK(!path.empty() && path.front() == '/');
        FUZZ_CHECK(path.find('\0') == std::string::npos);
        const std::vector<std::string> again = LocalPathsOfUriList(EscapedFileUrl(path) + "\r\n");
        FUZZ_CHECK(again.size() == 1 && again.front() == path);
    }
    return 0;
}
