#pragma once
// Letter case and small text helpers. Texts are UTF-8; case conversion is Unicode-aware.

#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
// First character upper case, the rest lower case.
std::string ToTitle(std::string_view text);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Blanks (and, with tabs, tab characters) removed at both ends.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimBlanksAndTabs(std::string_view text);
// Every double quote removed from both ends.
std::string_view StripQuotes(std::string_view text);

// Replaces every occurrence of `token`, compared without regard to case, by `value`.
std::string ReplaceIgnoreCase(std::string_view text, std::string_view token, std::string_view value);

std::vector<std::string> Split(std::string_view text, char separator);
// The line that starts at `position` (without its end: CR LF, LF or a lone CR); `position` moves past it.
std::string_view NextLine(std::string_view text, std::size_t& position);

// The code point of the UTF-8 sequence at `i` and its length in bytes; -1 (length 1) for a byte that starts
// no valid sequence.
long DecodeUtf8(std::string_view text, std::size_t i, std::size_t& length);
void AppendUtf8(char32_t code, std::string& out);

// ISO-8859-1 bytes as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace ravelin
