#pragma once
// The console's conversion: checks every setting with its fixed error line, lists the effective settings
// when debugging, converts the input file and reports.

#include "engine/job.h"
#include "settings/settings.h"

#include <string_view>

namespace ravelin {

void ConsoleRun(bool quiet, ConversionJob& job, const Settings& settings);

// True when `type` is one of the product's output extensions (compared exactly).
bool IsOutputExtension(std::string_view type);
// True when `depth` is 0 or one of the depths the output format allows.
bool IsAllowedBitDepth(std::string_view extension, int depth);

}  // namespace ravelin
