#pragma once
// Every setting declared once: section, key, kind, default and the record field that holds it.
// Defaults, the configuration file, the option table and the console listing all read this table.

#include "settings/settings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace ravelin {

enum class FieldKind { Flag, Code8, Code32, Int, Byte, Float, Date, String, Colour, Depth };

using FieldRef = std::variant<std::int8_t Settings::*, std::int32_t Settings::*, float Settings::*,
                              Date Settings::*, std::string Settings::*>;

struct SettingField {
    std::string_view section;
    std::string_view key;
    FieldKind kind;
    FieldRef field;
    // Default as text: a number, a string, or one of the markers "<now>", "<centre-x>", "<centre-y>",
    // "<first-input>", "<first-output>", "<vendor-notice>".
    std::string_view defaultText;
    int family = -1;  // option family of a code, else -1

    std::string name() const;  // "Section/Key"
};

// All fields in configuration-file order.
std::span<const SettingField> SettingFields();

// The field named "Section/Key" (compared without regard to ASCII case), or nullptr.
const SettingField* FindSetting(std::string_view name);

// Integer view of a numeric field (flags, codes, ints, bytes, dates); 0 for text and float fields.
long long GetInteger(const Settings& settings, const SettingField& field);
// Stores `value` truncated to the field's width, as a C assignment would.
void SetInteger(Settings& settings, const SettingField& field, long long value);
float GetFloat(const Settings& settings, const SettingField& field);
void SetFloat(Settings& settings, const SettingField& field, float value);
const std::string& GetText(const Settings& settings, const SettingField& field);
void SetText(Settings& settings, const SettingField& field, std::string value);

// Convenience for code that names a field: GetInteger(settings, "Output/JPG Quality").
long long GetInteger(const Settings& settings, std::string_view name);

}  // namespace ravelin
