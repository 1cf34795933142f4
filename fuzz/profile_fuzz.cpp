// The profile reader on an arbitrary file: whatever it holds, reading it must be safe.

#include "cli/profile.h"
#include "settings/settings.h"
#include "settings/settings_fields.h"

#include <string>

#include "fuzz_support.h"

using namespace ravelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFile file(data, size);
    if (!file.ok()) return 0;
    Settings settings;
    ApplyDefaults(settings, DefaultsProfile::Console, 0);
    // A value holding a NUL byte refuses the whole profile: no text setting may ever carry one.
    if (ApplyProfile(file.path(), settings)) {
        for (const SettingField& field : SettingFields()) {
            FUZZ_CHECK(GetText(settings, field).find('\0') == std::string::npos);
        }
    }
    return 0;
}
