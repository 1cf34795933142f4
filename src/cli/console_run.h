#pragma once
// The console's conversion: checks every setting with its fixed error line, lists the effective settings
// when debugging, converts the input file and reports.

#include "engine/job.h"
#include "settings/settings.h"

#include <string_view>

namespace ravelin {

void ConsoleRun(bool quiet, ConversionJob& job, const Settings& settings);


}  // namespace ravelin
