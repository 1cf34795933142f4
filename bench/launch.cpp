// Runs one command, or two joined by a pipe, and prints what it cost: wall seconds, CPU seconds (user +
// system, summed) and peak resident KiB (summed over the processes, which run side by side), then each exit
// status.
//
//   launch [-o STDOUT-FILE] -- COMMAND ARGS... [--pipe-- COMMAND ARGS...]
//
// A launcher this small matters: a child's peak resident size starts from that of the process that spawned
// it, so a large parent (an interpreter) would hide the peak of a small child.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

// Spawns argv with stdin and stdout as given (or /dev/null) and stderr to /dev/null.
pid_t Spawn(char** argv, int in, int out, int closeInChild) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (in >= 0) {
        posix_spawn_file_actions_adddup2(&actions, in, 0);
    } else {
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    }
    if (out >= 0) {
        posix_spawn_file_actions_adddup2(&actions, out, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (closeInChild >= 0) posix_spawn_file_actions_addclose(&actions, closeInChild);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    const char* stdoutPath = nullptr;
    if (first + 1 < argc && std::strcmp(argv[first], "-o") == 0) {
        stdoutPath = argv[first + 1];
        first += 2;
    }
    if (first >= argc || std::strcmp(argv[first], "--") != 0) {
        std::fprintf(stderr, "usage: %s [-o FILE] -- COMMAND... [--pipe-- COMMAND...]\n", argv[0]);
        return 2;
    }
    ++first;
    std::vector<std::vector<char*>> commands(1);
    for (int i = first; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pipe--") == 0) {
            commands.emplace_back();
            continue;
        }
        commands.back().push_back(argv[i]);
    }
    if (commands.size() > 2) return 2;
    for (auto& command : commands) {
        if (command.empty()) return 2;
        command.push_back(nullptr);
    }

    int out = -1;
    if (stdoutPath) {
        out = open(stdoutPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (out < 0) return 1;
    }
    std::vector<pid_t> pids;
    const double started = Now();
    if (commands.size() == 1) {
        pids.push_back(Spawn(commands[0].data(), -1, out, -1));
    } else {
        int pipeEnds[2];
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) return 1;
        pids.push_back(Spawn(commands[0].data(), -1, pipeEnds[1], pipeEnds[0]));
        pids.push_back(Spawn(commands[1].data(), pipeEnds[0], out, pipeEnds[1]));
        close(pipeEnds[0]);
        close(pipeEnds[1]);
    }
    double cpu = 0;
    long peak = 0;
    std::string statuses;
    for (const pid_t pid : pids) {
        if (pid < 0) {
            statuses += " spawn-failed";
            continue;
        }
        int status = 0;
        rusage usage{};
        while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
        cpu += Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
        peak += usage.ru_maxrss;
        statuses += " " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    }
    const double wall = Now() - started;
    if (out >= 0) close(out);
    std::printf("%.6f %.6f %ld%s\n", wall, cpu, peak, statuses.c_str());
    return 0;
}
