#pragma once
// "00:01:05", "1d:02:03:04": how the progress window writes a remaining time.

#include <cstdint>
#include <string>

namespace ravelin {

std::string DurationText(std::int64_t milliseconds);

}  // namespace ravelin
