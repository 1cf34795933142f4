#pragma once
// Every text of the interface, looked up by group and key without regard to letter case.

#include <string>
#include <string_view>

namespace ravelin {

inline constexpr const char* kNoStringError = "%NO_STRING_ERROR%";

// The entry's text, or "%NO_STRING_ERROR%". Built from the embedded data on first use.
std::string Text(std::string_view group, std::string_view key);

// Fills the placeholders "%s1%".."%s4%" (any letter case); an empty argument leaves its placeholder.
std::string Format(std::string_view text, std::string_view s1 = {}, std::string_view s2 = {},
                   std::string_view s3 = {}, std::string_view s4 = {});

}  // namespace ravelin
