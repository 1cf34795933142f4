#include "engine/steps/colour_text.h"

#include "platform/hex_digit.h"

namespace ravelin {

namespace {

std::uint8_t ReadPair(std::string_view pair) {
    int value = 0;
    for (char c : pair) {
        const int digit = HexDigitValue(c);
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
