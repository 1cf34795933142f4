#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace ravelin {

std::string InstanceLock::PathFor(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/') {
        std::string folder = runtime;
        if (folder.back() != '/') folder += '/';
        return folder + name + ".lock";
    }
    return "/tmp/" + name + "-" + std::to_string(getuid()) + ".lock";
}

InstanceLock::InstanceLock(const std::string& name) {
    // O_CLOEXEC: a child process started later must not inherit the lock.
    const int fd = open(PathFor(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return;
    }
    fd_ = fd;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace ravelin
