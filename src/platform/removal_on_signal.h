#pragma once
// Files that must not outlive an interrupted process: while registered, an interrupt, a termination request
// or a hang-up removes them before the process ends with the signal's usual result. Only the signals whose
// action is still the default are taken over, so a program started under nohup keeps ignoring SIGHUP.

namespace ravelin {

// A registration of the file `name` in the folder open as `folderFd` (both must stay valid until it is
// dropped). Registration never fails the caller's work: with every slot taken the file is simply not
// covered.
class RemovalOnSignal {
public:
    RemovalOnSignal(int folderFd, const char* name);
    RemovalOnSignal(const RemovalOnSignal&) = delete;
    RemovalOnSignal& operator=(const RemovalOnSignal&) = delete;
    ~RemovalOnSignal() { Drop(); }

    // The file is no longer the handler's to remove (it was renamed or removed by its owner).
    void Drop();
    bool covered() const { return slot_ >= 0; }

private:
    int slot_ = -1;
};

}  // namespace ravelin
