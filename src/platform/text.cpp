#include "platform/text.h"

#include <locale.h>
#include <wctype.h>

#include <cstdint>

namespace ravelin {

namespace {

locale_t Utf8Locale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return locale;
}

template <typename Map>
std::string MapCase(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const long code = DecodeUtf8(text, i, length);
        if (code < 0) {
            out.append(text.substr(i, length));
        } else if (code < 0x80) {
            out += static_cast<char>(map(static_cast<wint_t>(code)));
        } else {
            AppendUtf8(static_cast<char32_t>(map(static_cast<wint_t>(code))), out);
        }
        i += length;
    }
    return out;
}

wint_t Upper(wint_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
    const locale_t locale = Utf8Locale();
    return locale ? towupper_l(c, locale) : c;
}

wint_t Lower(wint_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    const locale_t locale = Utf8Locale();
    return locale ? towlower_l(c, locale) : c;
}

}  // namespace

long DecodeUtf8(std::string_view text, std::size_t i, std::size_t& length) {
    length = 1;
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t need = byte < 0x80 ? 0 : (byte >> 5) == 6 ? 1 : (byte >> 4) == 14 ? 2 : (byte >> 3) == 30 ? 3 : 9;
    if (need == 0) return byte;
    if (need == 9 || i + need >= text.size()) return -1;
    long code = byte & (0x3F >> need);
    for (std::size_t k = 1; k <= need; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return -1;
        code = (code << 6) | (next & 0x3F);
    }
    if (code > 0x10FFFF) return -1;
    length = need + 1;
    return code;
}

void AppendUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string ToUpper(std::string_view text) {
    return MapCase(text, Upper);
}

std::string ToLower(std::string_view text) {
    return MapCase(text, Lower);
}

std::string ToTitle(std::string_view text) {
    if (text.empty()) return {};
    std::size_t length = 1;
    DecodeUtf8(text, 0, length);
    return ToUpper(text.substr(0, length)) + ToLower(text.substr(length));
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return ToUpper(a) == ToUpper(b);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view TrimBlanksAndTabs(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view StripQuotes(std::string_view text) {
    while (!text.empty() && text.front() == '"') text.remove_prefix(1);
    while (!text.empty() && text.back() == '"') text.remove_suffix(1);
    return text;
}

std::string ReplaceIgnoreCase(std::string_view text, std::string_view token, std::string_view value) {
    if (token.empty()) return std::string(text);
    const std::string upperText = ToUpper(text);
    const std::string upperToken = ToUpper(token);
    // Case mapping can change byte lengths outside ASCII; fall back to exact matching then.
    if (upperText.size() != text.size() || upperToken.size() != token.size()) {
        std::string out;
        std::size_t from = 0;
        for (auto at = text.find(token); at != std::string_view::npos; at = text.find(token, from)) {
            out.append(text.substr(from, at - from)).append(value);
            from = at + token.size();
        }
        return out.append(text.substr(from));
    }
    std::string out;
    std::size_t from = 0;
    for (auto at = upperText.find(upperToken); at != std::string::npos; at = upperText.find(upperToken, from)) {
        out.append(text.substr(from, at - from)).append(value);
        from = at + token.size();
    }
    return out.append(text.substr(from));
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (auto at = text.find(separator); at != std::string_view::npos; at = text.find(separator, from)) {
        parts.emplace_back(text.substr(from, at - from));
        from = at + 1;
    }
    parts.emplace_back(text.substr(from));
    return parts;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) AppendUtf8(static_cast<unsigned char>(c), out);
    return out;
}

std::string_view NextLine(std::string_view text, std::size_t& position) {
    std::size_t end = text.find_first_of("\r\n", position);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(position, end - position);
    position = end;
    if (position < text.size() && text[position] == '\r') ++position;
    if (position < text.size() && text[position] == '\n') ++position;
    return line;
}

}  // namespace ravelin
