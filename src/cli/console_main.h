#pragma once
// The console front end: decides whether this process is a one-shot console command, a console
// conversion or a windowed start, and does the console work.

#include "engine/job.h"
#include "settings/settings.h"

#include <string>
#include <vector>

namespace ravelin {

enum class ConsoleOutcome {
    Finished,       // the console work is done; the process ends
    StartWindow,    // no input file and no error: the windowed start follows
    ScreenshotMode, // "-T": capture the main window (job.runMode is "T")
    UninstallDialog // "-U"
};

// `arguments` excludes the program's own path; `programName` is that path's file name.
ConsoleOutcome ConsoleMain(const std::vector<std::string>& arguments, const std::string& programName,
                           ConversionJob& job, Settings& settings);

}  // namespace ravelin
