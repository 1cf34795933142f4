#include "app/application.h"

#include "app/window_start.h"

#include "cli/arguments.h"
#include "cli/console_main.h"
#include "engine/job.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "platform/product.h"
#include "settings/settings.h"

#include <csignal>
#include <filesystem>
#include <cstdio>
#include <string>
#include <vector>

namespace ravelin {

int RunApplication(int argc, char** argv) {
    // The process-wide records: one settings record and one conversion job for the whole run.
    static Settings settings;
    static ConversionJob job;

    // A reader that goes away (`ravelin … | head -1`) must not kill the conversion half-way.
    std::signal(SIGPIPE, SIG_IGN);

    // While one instance runs, every further start ends at once, silently.
    const InstanceLock lock(TitleString(kProductTitle, VersionNumber));
    if (lock.anotherInstanceRuns()) return 0;
    // A lock that cannot be had must not make every run a silent no-op: go on, and say so once.
    if (lock.state() == InstanceLock::State::Unavailable) {
        std::fprintf(stderr, "ravelin: cannot take the instance lock (%s); going on without it\n", lock.failure().c_str());
    }

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    const std::string programName(argc > 0 && argv[0] ? FileNamePart(argv[0]) : "ravelin");

    WindowStart start;
    start.settings = &settings;
    start.job = &job;
    switch (ConsoleMain(arguments, programName, job, settings)) {
        case ConsoleOutcome::Finished: return 0;
        case ConsoleOutcome::StartWindow:
            // A file opened from a file manager arrives as a bare argument, which the command line skips.
            for (const std::string& argument : arguments) {
                // Made absolute: the window's folders and the conversion do not follow the current directory.
                if (!argument.starts_with('-') && IsNonEmptyFile(argument)) {
                    std::error_code error;
                    const auto absolute = std::filesystem::absolute(argument, error);
                    start.files.push_back(error ? argument : absolute.lexically_normal().string());
                }
            }
            break;
        case ConsoleOutcome::ScreenshotMode:
            start.mode = WindowMode::Screenshot;
            // The folder is read like any value: trimmed, and after "=" in a "--" argument.
            start.screenshotFolder = Arguments(arguments).Value(1);
            break;
        case ConsoleOutcome::UninstallDialog: start.mode = WindowMode::Uninstall; break;
    }
    StartWindow(start);
    return 0;
}

}  // namespace ravelin
