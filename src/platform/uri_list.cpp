#include "platform/uri_list.h"

#include "platform/hex_digit.h"
#include "platform/text.h"

#include <optional>

namespace ravelin {

namespace {

// "%41" becomes "A"; a stray or broken escape, or a NUL written plainly or escaped, makes the whole entry
// unusable: a name with a NUL in it would name another file to every system call.
std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0') return std::nullopt;
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexDigitValue(text[i + 1]), low = HexDigitValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        const char decoded = static_cast<char>(high * 16 + low);
        if (decoded == '\0') return std::nullopt;
        out += decoded;
        i += 2;
    }
    return out;
}

std::optional<std::string> LocalPath(std::string_view url) {
    constexpr std::string_view kScheme = "file://";
    if (url.size() < kScheme.size() || !EqualsIgnoreCase(url.substr(0, kScheme.size()), kScheme)) return std::nullopt;
    std::string_view rest = url.substr(kScheme.size());
    constexpr std::string_view kLocalHost = "localhost";
    if (rest.size() >= kLocalHost.size() && EqualsIgnoreCase(rest.substr(0, kLocalHost.size()), kLocalHost)) {
        rest.remove_prefix(kLocalHost.size());
    }
    if (!rest.starts_with('/')) return std::nullopt;  // another host's file is not a local file
    // A query or fragment is not part of a file's name.
    rest = rest.substr(0, rest.find_first_of("?#"));
    return PercentDecoded(rest);
}

}  // namespace

std::vector<std::string> LocalPathsOfUriList(std::string_view list) {
    std::vector<std::string> paths;
    for (const std::string& rawLine : Split(list, '\n')) {
        std::string_view line = rawLine;
        if (line.ends_with('\r')) line.remove_suffix(1);
        line = TrimBlanks(line);
        if (line.empty() || line.starts_with('#')) continue;
        if (auto path = LocalPath(line)) paths.push_back(std::move(*path));
    }
    return paths;
}

}  // namespace ravelin
