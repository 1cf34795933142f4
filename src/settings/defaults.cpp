#include "settings/product_formats.h"
#include "settings/settings.h"
#include "settings/settings_fields.h"
#include "platform/text.h"

#include <cstdlib>
#include <string>

namespace ravelin {

namespace {

int Centred(int desktop, int size) {
    return desktop > size ? (desktop - size) / 2 : 100;
}

}  // namespace

void ApplyDefaults(Settings& settings, DefaultsProfile profile, Date now, int desktopWidth, int desktopHeight) {
    for (const SettingField& field : SettingFields()) {
        const std::string_view text = field.defaultText;
        if (text == "<now>") {
            SetInteger(settings, field, now);
        } else if (text == "<centre-x>") {
            SetInteger(settings, field, Centred(desktopWidth, 510));
        } else if (text == "<centre-y>") {
            SetInteger(settings, field, Centred(desktopHeight, 260));
        } else if (text == "<first-input>") {
            SetText(settings, field, std::string(InputExtensions.front()));
        } else if (text == "<first-output>") {
            SetText(settings, field, std::string(OutputExtensions.front()));
        } else if (text == "<vendor-notice>") {
            SetText(settings, field, kVendorNotice);
        } else if (field.kind == FieldKind::String || field.kind == FieldKind::Colour) {
            SetText(settings, field, std::string(text));
        } else if (field.kind == FieldKind::Float) {
            SetFloat(settings, field, std::strtof(std::string(text).c_str(), nullptr));
        } else {
            SetInteger(settings, field, std::strtoll(std::string(text).c_str(), nullptr, 10));
        }
    }
    if (profile == DefaultsProfile::Console) settings.keepAspectRatio = 0;
}

void RememberOutputFolder(Settings& settings, const std::string& folder) {
    if (folder.empty()) return;
    const std::string upperFolder = ToUpper(folder);
    std::string list = folder;
    int count = 1;
    for (const std::string& entry : Split(settings.recentOutFolders, '\t')) {
        if (count >= settings.outFoldersNumber) break;
        if (entry.empty() || ToUpper(entry) == upperFolder) continue;
        list += '\t';
        list += entry;
        ++count;
    }
    settings.recentOutFolders = list;
}

}  // namespace ravelin
