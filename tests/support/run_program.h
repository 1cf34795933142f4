#pragma once
// Whole-program runs of the built executable, each with its own runtime and configuration folders so that
// the instance lock never makes one test depend on another.

#include <string>
#include <utility>
#include <vector>

namespace ravelin {

struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path;  // ends in '/'
};

struct ProgramRun {
    int exitCode = -1;     // -1 when the program did not end normally (signal, timeout)
    std::string output;    // standard output
    std::string errors;    // standard error
    std::vector<std::string> lines() const;  // output split at '\n', without a trailing empty line
};

struct RunOptions {
    std::string workingDir;           // empty: the current directory
    std::string runtimeDir;           // XDG_RUNTIME_DIR; empty: a fresh folder of its own
    std::string input;                // fed to standard input, then closed
    std::vector<std::pair<std::string, std::string>> environment;  // set after the folders above
    std::vector<std::string> unsetEnvironment;                      // removed last
    int timeoutSeconds = 60;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const RunOptions& options = {});

// The built `ravelin` executable.
ProgramRun RunRavelin(const std::vector<std::string>& arguments, const RunOptions& options = {});

std::string ReadFileText(const std::string& path);

}  // namespace ravelin
