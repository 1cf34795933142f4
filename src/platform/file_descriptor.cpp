#include "platform/file_descriptor.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace ravelin {

void FileDescriptor::reset(int fd) {
    // Linux releases the descriptor even when close fails with EINTR, so it is never retried.
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

bool FileDescriptor::close() {
    if (fd_ < 0) return false;
    return ::close(release()) == 0;
}

FileDescriptor OpenFileAt(int folderFd, const std::string& name, int flags, unsigned mode) {
    int fd;
    do {
        fd = ::openat(folderFd, name.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
    } while (fd < 0 && errno == EINTR);
    return FileDescriptor(fd);
}

FileDescriptor OpenFile(const std::string& path, int flags, unsigned mode) {
    return OpenFileAt(AT_FDCWD, path, flags, mode);
}

}  // namespace ravelin
