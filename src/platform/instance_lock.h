#pragma once
// The per-user single-instance lock: a file held with flock, dropped by the kernel when the process ends.
// It lives where only the user can reach it, so that no other local user can keep the program from running:
// in $XDG_RUNTIME_DIR when that is a usable folder of the user's own, else in a private folder
// ($TMPDIR or /tmp, then "ravelin-<uid>/", mode 0700, refused when it is a link or someone else's).

#include "platform/file_descriptor.h"

#include <string>

namespace ravelin {

class InstanceLock {
public:
    enum class State {
        Held,             // this process is the one instance
        HeldElsewhere,    // another instance runs
        Unavailable,      // the lock could not be opened or taken; see failure()
    };

    // Takes the lock named `name` (the program's title).
    explicit InstanceLock(const std::string& name);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    bool anotherInstanceRuns() const { return state_ == State::HeldElsewhere; }

    // The folder that holds the lock, ending in '/' (the place for other per-instance files beside it);
    // empty when no folder of the user's own could be had.
    const std::string& folder() const { return folder_; }
    // Why the lock is Unavailable: "<path>: <reason>".
    const std::string& failure() const { return failure_; }

    // $XDG_RUNTIME_DIR when usable, else the private folder, creating it; empty (and `failure` set) when
    // neither can be had.
    static std::string FolderFor(std::string& failure);

private:
    State state_ = State::Unavailable;
    std::string folder_;
    std::string failure_;
    FileDescriptor fd_;
};

}  // namespace ravelin
