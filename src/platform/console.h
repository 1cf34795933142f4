#pragma once
// The console: lines on standard output (UTF-8, '\n'), the terminal's title, and waiting for a key.

#include <string_view>

namespace ravelin {

void PrintLine(std::string_view text);
// One diagnostic line on standard error, "ravelin: " in front; control bytes (a file name may hold any)
// are shown as '?', so a name cannot drive the terminal.
void PrintErrorLine(std::string_view text);
// Sets the terminal's title; does nothing unless standard output is a terminal.
void SetConsoleTitle(std::string_view title);
// Waits for one key. With a terminal on standard input, one key press; otherwise one byte, and end of
// input counts as a key, so that a script never hangs.
void WaitForKey();

}  // namespace ravelin
