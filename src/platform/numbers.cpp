#include "platform/numbers.h"

#include "platform/hex_digit.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace ravelin {

namespace {

std::size_t SkipBlanks(std::string_view text, std::size_t i = 0) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return i;
}

// The C locale, whatever the process's own is: a toolkit that adopts the user's locale (a decimal comma)
// must not change how "1.5" reads.
locale_t ClassicLocale() {
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return locale;
}

int DigitValue(char c, int base) {
    const int value = HexDigitValue(c);
    return value < base ? value : -1;
}

}  // namespace

std::int64_t ParseOptionInteger(std::string_view text, int bits) {
    bits = std::clamp(bits, 8, 64);
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    // The magnitude may reach 2^(bits-1) for a negative number, one less for a positive one.
    const std::uint64_t limit = (std::uint64_t{1} << (bits - 1)) - (negative ? 0 : 1);
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) break;
        const auto step = static_cast<std::uint64_t>(base), add = static_cast<std::uint64_t>(digit);
        if (value > (limit - add) / step) return 0;  // does not fit: read as no number at all
        value = value * step + add;
    }
    if (!negative) return static_cast<std::int64_t>(value);
    return value == (std::uint64_t{1} << 63) ? std::numeric_limits<std::int64_t>::min()
                                              : -static_cast<std::int64_t>(value);
}

float ParseLeadingFloat(std::string_view text) {
    const std::size_t start = SkipBlanks(text);
    // Only sign, digits, one '.', and an exponent belong to the number; strtof alone would also accept
    // "inf", "nan" and hexadecimal forms.
    std::size_t i = start;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) number += text[i++], digits = true;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) number += text[i++], digits = true;
    }
    if (!digits) return 0.0f;
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        if (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) exponent += text[j++];
            number += exponent;
        }
    }
    const locale_t locale = ClassicLocale();
    return locale ? strtof_l(number.c_str(), nullptr, locale) : std::strtof(number.c_str(), nullptr);
}

long long ParseLeadingInteger(std::string_view text) {
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 9;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value < kLimit) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace ravelin
