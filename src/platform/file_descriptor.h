#pragma once
// The one owner of a POSIX file descriptor: closes it exactly once, on every path.

#include <string>
#include <utility>

namespace ravelin {

class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~FileDescriptor() { reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    explicit operator bool() const { return valid(); }

    // Hands the descriptor over to the caller, who then closes it.
    int release() { return std::exchange(fd_, -1); }
    // Closes the descriptor held (if any) and takes `fd`.
    void reset(int fd = -1);
    // Closes now and reports what close(2) said: a write-back failure surfaces here.
    bool close();

private:
    int fd_ = -1;
};

// open(2) with O_CLOEXEC always added, so that no descriptor leaks into a child process; retried on EINTR.
FileDescriptor OpenFile(const std::string& path, int flags, unsigned mode = 0);
// The same, relative to the folder `folderFd` (openat(2)).
FileDescriptor OpenFileAt(int folderFd, const std::string& name, int flags, unsigned mode = 0);

}  // namespace ravelin
