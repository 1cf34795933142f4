#include "settings/settings_fields.h"

#include "platform/text.h"

namespace ravelin {

std::string SettingField::name() const {
    std::string text(section);
    text += '/';
    text += key;
    return text;
}

const SettingField* FindSetting(std::string_view name) {
    const auto slash = name.find('/');
    if (slash == std::string_view::npos) return nullptr;
    const std::string_view section = name.substr(0, slash);
    const std::string_view key = name.substr(slash + 1);
    for (const SettingField& field : SettingFields()) {
        if (EqualsIgnoreCase(field.section, section) && EqualsIgnoreCase(field.key, key)) return &field;
    }
    return nullptr;
}

const SettingField* FormatSetting(std::string_view extension, FieldKind kind) {
    if (extension.empty()) return nullptr;
    for (const SettingField& field : SettingFields()) {
        if (field.section == "Output" && field.format == extension && field.kind == kind) return &field;
    }
    return nullptr;
}

long long GetInteger(const Settings& settings, const SettingField& field) {
    return field.access.getInteger ? field.access.getInteger(settings) : 0;
}

void SetInteger(Settings& settings, const SettingField& field, long long value) {
    if (field.access.setInteger) field.access.setInteger(settings, value);
}

float GetFloat(const Settings& settings, const SettingField& field) {
    return field.access.getFloat ? field.access.getFloat(settings) : 0.0f;
}

void SetFloat(Settings& settings, const SettingField& field, float value) {
    if (field.access.setFloat) field.access.setFloat(settings, value);
}

const std::string& GetText(const Settings& settings, const SettingField& field) {
    static const std::string kEmpty;
    return field.access.text ? field.access.text(const_cast<Settings&>(settings)) : kEmpty;
}

void SetText(Settings& settings, const SettingField& field, std::string value) {
    if (field.access.text) field.access.text(settings) = std::move(value);
}

}  // namespace ravelin
