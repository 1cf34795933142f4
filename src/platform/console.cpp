#include "platform/console.h"

#include "platform/product.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace ravelin {

void PrintLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void PrintErrorLine(std::string_view text) {
    std::string line = std::string(kProgramShortName) + ": ";
    for (const char c : text) line += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
    line += '\n';
    std::fflush(stdout);  // the two streams stay in the order they were written
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

void SetConsoleTitle(std::string_view title) {
    if (!isatty(STDOUT_FILENO)) return;
    std::string sequence = "\x1b]0;";
    for (const char c : title) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) sequence += c;  // no control bytes inside
    }
    sequence += '\a';
    std::fwrite(sequence.data(), 1, sequence.size(), stdout);
    std::fflush(stdout);
}

void WaitForKey() {
    char byte = 0;
    if (!isatty(STDIN_FILENO)) {
        while (read(STDIN_FILENO, &byte, 1) < 0 && errno == EINTR) {
        }
        return;
    }
    termios saved {};
    if (tcgetattr(STDIN_FILENO, &saved) != 0) return;
    termios raw = saved;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    while (read(STDIN_FILENO, &byte, 1) < 0 && errno == EINTR) {
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

}  // namespace ravelin
