#include "cli/profile.h"

#include "cli/option_table.h"
#include "platform/file_read.h"
#include "platform/ini.h"
#include "platform/text.h"

#include <algorithm>

namespace ravelin {

namespace {

// A profile is a short text; anything larger is not one.
constexpr std::size_t kMaxProfileBytes = 4 * 1024 * 1024;

}  // namespace

bool ApplyProfile(const std::string& path, Settings& settings) {
    if (path.empty()) return false;
    const auto bytes = ReadRegularFile(path, kMaxProfileBytes);
    if (!bytes) return false;
    const IniDocument document = ParseIni(*bytes);
    const IniSection* group = document.Find("CLI");
    if (!group) return true;
    // A NUL byte would end the value early wherever it is later used as a C string (a mask "nul\0x" would
    // name a file "nul"): such a file is no profile at all, and nothing of it is applied.
    const auto holdsNul = [](const IniEntry& entry) {
        return entry.key.find('\0') != std::string::npos || entry.value.find('\0') != std::string::npos;
    };
    if (std::ranges::any_of(group->entries, holdsNul)) return false;
    for (const IniEntry& entry : group->entries) {
        const OptionRow* row = FindProfileOption(ToUpper(entry.key));
        if (!row) continue;
        std::string_view value = entry.value;
        if (row->name == "--FILENAME-MASK") value = StripQuotes(value);
        ApplyOption(*row, value, settings);
    }
    return true;
}

}  // namespace ravelin
