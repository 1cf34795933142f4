#include "platform/file_replace.h"

#include "platform/paths.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

namespace ravelin {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    int get() const { return fd_; }
    bool Close() {
        if (fd_ < 0) return true;
        const int result = close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = write(fd, bytes.data(), bytes.size());
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

// The file a symbolic link names, so that replacing it leaves the link in place; the path itself otherwise
// (also for a link that points nowhere yet).
std::string ReplacementTarget(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// A new file beside `path`, open in `fd`, with a name no other writer uses; "" when none can be made.
std::string CreateTemporaryBeside(const std::string& path, int& fd) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = std::string(FolderPart(path)) + "." + std::string(FileNamePart(path)) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            stem + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1)) + ".part";
        fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return candidate;
        if (errno != EEXIST) return {};
    }
    return {};
}

}  // namespace

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
    if (path.empty() || FileNamePart(path).empty()) return false;
    const std::string target = ReplacementTarget(path);
    struct stat old {};
    const bool hadFile = stat(target.c_str(), &old) == 0;
    if (hadFile && !S_ISREG(old.st_mode)) return false;  // never rename over a folder, a pipe or a device

    int created = -1;
    const std::string temporary = CreateTemporaryBeside(target, created);
    FileDescriptor fd(created);
    if (fd.get() < 0) return false;

    // A new file gets what any new file would (0666 less the umask); an existing one keeps its own bits.
    const bool written = WriteAll(fd.get(), bytes) && (!hadFile || fchmod(fd.get(), old.st_mode & 07777) == 0) &&
                         fsync(fd.get()) == 0;
    if (!fd.Close() || !written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder's entry.
    std::string folder(FolderPart(target));
    if (folder.empty()) folder = ".";
    FileDescriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) fsync(directory.get());
    return true;
}

}  // namespace ravelin
