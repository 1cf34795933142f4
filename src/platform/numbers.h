#pragma once
// Reading numbers from option values and configuration text.

#include <cstdint>
#include <string_view>

namespace ravelin {

// Leading blanks and tabs skipped, optional sign, then decimal digits; "$" introduces hexadecimal and
// "%" binary digits. Stops at the first other character; no digits gives 0. A number that does not fit a
// signed integer of `bits` bits (8 to 64) gives 0 as well, never a wrapped value.
std::int64_t ParseOptionInteger(std::string_view text, int bits = 32);

// A floating-point number with '.' as decimal separator at the start of `text` (after blanks and tabs);
// 0 when the text does not start with one.
float ParseLeadingFloat(std::string_view text);

// The leading decimal integer (optional sign), 0 when none; saturates instead of overflowing.
long long ParseLeadingInteger(std::string_view text);

}  // namespace ravelin
