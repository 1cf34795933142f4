#include "platform/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace ravelin {

std::optional<RegularFile> OpenRegularFile(const std::string& path) {
    // O_NONBLOCK keeps a FIFO from blocking the open; regular files ignore it.
    FileDescriptor fd = OpenFile(path, O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (!fd) return std::nullopt;
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return RegularFile{std::move(fd), static_cast<std::uint64_t>(status.st_size)};
}

std::size_t ReadAtMost(int fd, std::span<unsigned char> out, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool ReadExactlyAt(int fd, std::span<unsigned char> out, std::uint64_t offset) {
    return ReadAtMost(fd, out, offset) == out.size();
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    std::optional<RegularFile> file = OpenRegularFile(path);
    if (!file || file->size > maxBytes) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(file->size), '\0');
    // A read error is told apart from a file that shrank meanwhile: the first gives nothing.
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(file->fd.get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace ravelin
