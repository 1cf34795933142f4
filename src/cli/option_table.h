#pragma once
// Every option that sets a field of the settings from the command line or a profile file.

#include "settings/settings_fields.h"

#include <span>
#include <string>
#include <string_view>

namespace ravelin {

enum class OptionKind { Flag, FlagOff, Integer, Decimal, Token, Text };

struct OptionRow {
    std::string_view name;    // upper case, with the leading "--"
    OptionKind kind;
    const SettingField* target;
    const SettingField* alsoSets = nullptr;  // a field the option also sets, to `alsoValue`
    int alsoValue = 1;
};

std::span<const OptionRow> OptionTable();

// The row named `name` (already upper case), or nullptr.
const OptionRow* FindOption(std::string_view name);

// Profile files name the frame opacity "--WM-SOLID-OPACITY", not the command line's "--FR-SOLID-OPACITY".
const OptionRow* FindProfileOption(std::string_view name);

// The command line's name of the option that sets `field`, lower case without its dashes ("jpg-quality"),
// or "" when no option sets it. The console's error lines name settings this way.
std::string OptionNameOf(const SettingField& field);

// Converts `value` by the row's kind and stores it (and the row's second field) into `settings`.
void ApplyOption(const OptionRow& row, std::string_view value, Settings& settings);

}  // namespace ravelin
