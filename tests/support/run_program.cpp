#include "run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ravelin {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ravelin-test-XXXXXX").string();
    if (mkdtemp(pattern.data())) path = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
}

std::vector<std::string> ProgramRun::lines() const {
    std::vector<std::string> result;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);) result.push_back(line);
    return result;
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const RunOptions& options) {
    TempDir ownRuntime;
    const std::string runtime = options.runtimeDir.empty() ? ownRuntime.path : options.runtimeDir;
    const std::string config = ownRuntime.path + "config";

    int out[2], err[2], in[2];
    if (pipe(out) != 0 || pipe(err) != 0 || pipe(in) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
        if (!options.workingDir.empty() && chdir(options.workingDir.c_str()) != 0) _exit(127);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        // No display unless a test asks for one: a run that would open the window says so and ends.
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) unsetenv(name);
        for (const auto& [name, value] : options.environment) setenv(name.c_str(), value.c_str(), 1);
        for (const std::string& name : options.unsetEnvironment) unsetenv(name.c_str());
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (!options.input.empty()) {
        [[maybe_unused]] const auto written = write(in[1], options.input.data(), options.input.size());
    }
    close(in[1]);

    ProgramRun run;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.timeoutSeconds);
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int open = 2;
    bool timedOut = false;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            kill(child, SIGKILL);
            break;
        }
        if (poll(fds, 2, static_cast<int>(left.count())) <= 0) continue;
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buffer[4096];
            const ssize_t got = read(fds[k].fd, buffer, sizeof buffer);
            if (got <= 0) {
                close(fds[k].fd);
                fds[k].fd = -1;
                --open;
            } else {
                (k == 0 ? run.output : run.errors).append(buffer, static_cast<std::size_t>(got));
            }
        }
    }
    for (const pollfd& fd : fds) {
        if (fd.fd >= 0) close(fd.fd);
    }
    int status = 0;
    waitpid(child, &status, 0);
    run.exitCode = (!timedOut && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
    return run;
}

ProgramRun RunRavelin(const std::vector<std::string>& arguments, const RunOptions& options) {
    return RunProgram(RAVELIN_BINARY, arguments, options);
}

std::string ReadFileText(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << stream.rdbuf();
    return bytes.str();
}

}  // namespace ravelin
