#pragma once
// Output names built from the filename mask, and the same token expansion for the text watermark.

#include "engine/job.h"
#include "settings/settings.h"

#include <span>
#include <string>
#include <string_view>

namespace ravelin {

// Every naming token, in the order of expansion (the manual page lists them from here).
std::span<const std::string_view> NamingTokens();

// Replaces every occurrence of `token` (one of the naming tokens, any letter case) in `text` by its value.
std::string ExpandToken(std::string_view text, std::string_view token, const ConversionJob& job);

// outputFolder + (currentSubfolder when Advanced/Keep Subfolders) + the expanded Advanced/Filename Mask.
std::string BuildOutputPath(const ConversionJob& job, const Settings& settings);

// Watermark/Text with its naming tokens expanded (left alone when it holds fewer than two '%').
std::string ExpandWatermarkText(const Settings& settings, const ConversionJob& job);

}  // namespace ravelin
