#pragma once
// The per-user single-instance lock: a file held with flock, dropped by the kernel when the process ends.

#include <string>

namespace ravelin {

class InstanceLock {
public:
    // Takes the lock named `name`; check held() to see whether it was free.
    explicit InstanceLock(const std::string& name);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    bool held() const { return fd_ >= 0; }

    // $XDG_RUNTIME_DIR/<name>.lock, or /tmp/<name>-<uid>.lock without a runtime folder.
    static std::string PathFor(const std::string& name);

private:
    int fd_ = -1;
};

}  // namespace ravelin
