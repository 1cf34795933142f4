#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace ravelin {

namespace {

std::string WithSlash(std::string folder) {
    if (folder.back() != '/') folder += '/';
    return folder;
}

std::string Reason(const std::string& path, const char* reason) {
    return path + ": " + reason;
}

// A folder the user owns and may write: anyone else could otherwise hold or replace the lock.
bool IsUsableRuntimeFolder(const char* folder) {
    if (!folder || folder[0] != '/') return false;
    struct stat status {};
    return ::stat(folder, &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
           ::access(folder, W_OK | X_OK) == 0;
}

// "$TMPDIR/ravelin-<uid>/" (or under /tmp), made 0700 when missing; refused when it is a link, not a
// folder, or another user's.
std::string PrivateFolder(std::string& failure) {
    const char* temporary = std::getenv("TMPDIR");
    const std::string base = temporary && temporary[0] == '/' ? WithSlash(temporary) : "/tmp/";
    const std::string folder = base + "ravelin-" + std::to_string(::geteuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        failure = Reason(folder, std::strerror(errno));
        return {};
    }
    // A link put in the folder's place by someone else is refused, never followed (O_NOFOLLOW closes the
    // gap between the look and the open).
    struct stat link {};
    if (::lstat(folder.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        failure = Reason(folder, "is a symbolic link");
        return {};
    }
    const FileDescriptor fd = OpenFile(folder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (!fd) {
        failure = Reason(folder, std::strerror(errno));
        return {};
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        failure = Reason(folder, std::strerror(errno));
        return {};
    }
    if (status.st_uid != ::geteuid()) {
        failure = Reason(folder, "owned by another user");
        return {};
    }
    // The user's own folder, but open to others: close it again.
    if ((status.st_mode & 077) != 0 && ::fchmod(fd.get(), 0700) != 0) {
        failure = Reason(folder, std::strerror(errno));
        return {};
    }
    return folder + "/";
}

}  // namespace

std::string InstanceLock::FolderFor(std::string& failure) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (IsUsableRuntimeFolder(runtime)) return WithSlash(runtime);
    return PrivateFolder(failure);
}

InstanceLock::InstanceLock(const std::string& name) {
    folder_ = FolderFor(failure_);
    if (folder_.empty()) return;
    const std::string path = folder_ + name + ".lock";
    // O_CLOEXEC: a child process started later must not inherit the lock; O_NOFOLLOW: never a link's target.
    fd_ = OpenFile(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY, 0600);
    if (!fd_) {
        failure_ = Reason(path, std::strerror(errno));
        return;
    }
    int result;
    do {
        result = ::flock(fd_.get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::Held;
    } else if (errno == EWOULDBLOCK) {
        state_ = State::HeldElsewhere;
    } else {
        failure_ = Reason(path, std::strerror(errno));
    }
    if (state_ != State::Held) fd_.reset();
}

}  // namespace ravelin
