#include "gui/duration_text.h"

#include <cstdio>

namespace ravelin {

std::string DurationText(std::int64_t milliseconds) {
    if (milliseconds < 1000) return "00:00:00";
    const std::int64_t seconds = milliseconds / 1000;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", static_cast<int>(seconds / 3600 % 24),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    const std::int64_t days = seconds / 86400;
    return days > 0 ? std::to_string(days) + "d:" + clock : std::string(clock);
}

}  // namespace ravelin
