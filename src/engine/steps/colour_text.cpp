#include "engine/steps/colour_text.h"

namespace ravelin {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::uint8_t ReadPair(std::string_view pair) {
    int value = 0;
    for (char c : pair) {
        const int digit = HexDigit(c);
        if (digit < 0) break;
        value = value * 16 + digit;
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace

Rgb ParseColourText(std::string_view text) {
    if (text.size() != 6) return {};
    return {ReadPair(text.substr(0, 2)), ReadPair(text.substr(2, 2)), ReadPair(text.substr(4, 2))};
}

}  // namespace ravelin
