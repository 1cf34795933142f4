#include "themes/theme_config.h"

#include <algorithm>
#include <cctype>

namespace ravelin {
namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.size() > text.size()) return std::string_view::npos;
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at) {
        if (SameLetters(text.substr(at, needle.size()), needle)) return at;
    }
    return std::string_view::npos;
}

std::string_view TrimBoth(std::string_view text, char c) {
    while (!text.empty() && text.front() == c) text.remove_prefix(1);
    while (!text.empty() && text.back() == c) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string ThemeConfigValue(std::string_view text, std::string_view section, std::string_view key) {
    const std::string header = "[" + std::string(section) + "]";
    const std::size_t headerAt = FindIgnoringCase(text, header, 0);
    if (headerAt == std::string_view::npos) return {};
    const std::size_t sectionEnd = std::min(text.find('[', headerAt + header.size()), text.size());

    const std::string needle = "\r\n" + std::string(key);
    const std::size_t keyAt = FindIgnoringCase(text, needle, headerAt);
    if (keyAt == std::string_view::npos || keyAt >= sectionEnd) return {};

    std::string_view line = text.substr(keyAt + 2);
    line = line.substr(0, std::min(line.find("\r\n"), line.size()));
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view value = line.substr(equals + 1);
    value = value.substr(0, std::min(value.find('='), value.size()));
    for (const char c : {' ', '\t', '\r', '\n'}) value = TrimBoth(value, c);
    return std::string(value);
}

}  // namespace ravelin
