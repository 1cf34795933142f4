// The profile reader on an arbitrary file: whatever it holds, reading it must be safe.

#include "cli/profile.h"
#include "settings/settings.h"

#include "fuzz_support.h"

using namespace ravelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFile file(data, size);
    if (!file.ok()) return 0;
    Settings settings;
    ApplyDefaults(settings, DefaultsProfile::Console, 0);
    ApplyProfile(file.path(), settings);
    return 0;
}
