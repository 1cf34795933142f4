#pragma once
// Helpers shared by the fuzz targets.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// An anonymous in-memory file holding the input, for code that reads a path: "/proc/self/fd/N" is a
// regular file as far as stat can tell.
class MemoryFile {
public:
    MemoryFile(const std::uint8_t* data, std::size_t size) : fd_(memfd_create("fuzz-input", MFD_CLOEXEC)) {
        std::size_t done = 0;
        while (fd_ >= 0 && done < size) {
            const ssize_t wrote = write(fd_, data + done, size - done);
            if (wrote <= 0) break;
            done += static_cast<std::size_t>(wrote);
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    ~MemoryFile() {
        if (fd_ >= 0) close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

// Stops the run with a message when a property the code promises does not hold.
#define FUZZ_CHECK(condition)                                                                        \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);           \
            abort();                                                                                 \
        }                                                                                            \
    } while (0)
