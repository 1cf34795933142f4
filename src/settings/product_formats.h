#pragma once
// The product's fixed lists of what it reads and writes; everything offered to the user is filtered
// through them.

#include <algorithm>
#include <array>
#include <string_view>

namespace ravelin {

inline constexpr std::array<std::string_view, 1> InputExtensions = {"pcx"};
inline constexpr std::array<std::string_view, 1> OutputExtensions = {"jpg"};

// Whether the product writes files of this extension (compared exactly).
constexpr bool IsOutputExtension(std::string_view extension) {
    return std::find(OutputExtensions.begin(), OutputExtensions.end(), extension) != OutputExtensions.end();
}

}  // namespace ravelin
