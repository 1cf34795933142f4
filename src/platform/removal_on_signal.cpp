#include "platform/removal_on_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>

namespace ravelin {

namespace {

// A fixed table, so that the handler touches no allocator and no lock: a slot is claimed (Writing), filled,
// then published (Armed); the handler reads only armed slots.
enum SlotState : int { Free = 0, Writing = 1, Armed = 2 };

struct Slot {
    std::atomic<int> state{Free};
    int folderFd = -1;
    char name[64] = {};
};

constexpr int kSlots = 16;
Slot slots[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void RemoveArmedAndEnd(int signal) {
    for (Slot& slot : slots) {
        if (slot.state.load(std::memory_order_acquire) == Armed) ::unlinkat(slot.folderFd, slot.name, 0);
    }
    // SA_RESETHAND has restored the default action and SA_NODEFER lets it strike at once.
    ::raise(signal);
}

void InstallOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int signal : kSignals) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) != 0) continue;
            if ((current.sa_flags & SA_SIGINFO) || current.sa_handler != SIG_DFL) continue;
            struct sigaction action {};
            action.sa_handler = RemoveArmedAndEnd;
            sigemptyset(&action.sa_mask);
            action.sa_flags = SA_RESETHAND | SA_NODEFER;
            ::sigaction(signal, &action, nullptr);
        }
    });
}

}  // namespace

RemovalOnSignal::RemovalOnSignal(int folderFd, const char* name) {
    if (std::strlen(name) >= sizeof slots[0].name) return;
    InstallOnce();
    for (int i = 0; i < kSlots; ++i) {
        int expected = Free;
        if (!slots[i].state.compare_exchange_strong(expected, Writing, std::memory_order_acquire)) continue;
        slots[i].folderFd = folderFd;
        std::strcpy(slots[i].name, name);
        slots[i].state.store(Armed, std::memory_order_release);
        slot_ = i;
        return;
    }
}

void RemovalOnSignal::Drop() {
    if (slot_ < 0) return;
    slots[slot_].state.store(Free, std::memory_order_release);
    slot_ = -1;
}

}  // namespace ravelin
