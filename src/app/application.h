#pragma once

namespace ravelin {
// Program entry: the instance lock, the choice between console and window, and the end of the process.

// Runs the program; the result is the process's exit code, which is always 0.
int RunApplication(int argc, char** argv);

}  // namespace ravelin
