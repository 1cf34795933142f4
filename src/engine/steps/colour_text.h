#pragma once
// Colour texts of the settings: six hexadecimal digits, red, green, blue ("FF8000"), either letter case.

#include <cstdint>
#include <string_view>

namespace ravelin {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    std::uint32_t packed() const { return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue; }
};

// A text whose length is not six gives black; each pair of digits is read up to its first character that is
// not a hexadecimal digit ("F" of "FZ" gives 15, "ZF" gives 0).
Rgb ParseColourText(std::string_view text);

}  // namespace ravelin
