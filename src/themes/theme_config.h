#pragma once
// One value of a theme's theme.cfg. This is deliberately not a general INI reader: themes in the field were
// written against this exact rule, quirks and all.

#include <string>
#include <string_view>

namespace ravelin {

// The value of `key` in `section`: the section header is found anywhere, ignoring case, and ends at the next
// "["; the key must follow a CR LF inside the section (so a key on the first line is never found, and a key
// that begins a longer key's name matches whichever line comes first); the value runs from the line's first
// "=" to the next "=" or the line's end, trimmed of spaces, then tabs, then CRs, then LFs. Empty when absent.
std::string ThemeConfigValue(std::string_view text, std::string_view section, std::string_view key);

}  // namespace ravelin
