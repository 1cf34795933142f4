#include "platform/product.h"
#include "settings/product_formats.h"
#include "settings/settings.h"
#include "settings/settings_fields.h"
#include "platform/text.h"

#include <string>

namespace ravelin {

namespace {

int Centred(int desktop, int size) {
    return desktop > size ? (desktop - size) / 2 : 100;
}

}  // namespace

void ApplyDefaults(Settings& settings, DefaultsProfile profile, Date now, int desktopWidth, int desktopHeight) {
    constexpr int kWidth = static_cast<int>(Setting("Window/Width").initial.number);
    constexpr int kHeight = static_cast<int>(Setting("Window/Height").initial.number);
    for (const SettingField& field : SettingFields()) {
        const FieldDefault& initial = field.initial;
        switch (initial.rule) {
            case DefaultRule::Now: SetInteger(settings, field, now); break;
            case DefaultRule::CentredX: SetInteger(settings, field, Centred(desktopWidth, kWidth)); break;
            case DefaultRule::CentredY: SetInteger(settings, field, Centred(desktopHeight, kHeight)); break;
            case DefaultRule::FirstInput: SetText(settings, field, std::string(InputExtensions.front())); break;
            case DefaultRule::FirstOutput: SetText(settings, field, std::string(OutputExtensions.front())); break;
            case DefaultRule::VendorNotice: SetText(settings, field, kVendorNotice); break;
            case DefaultRule::Value:
                if (field.kind == FieldKind::String || field.kind == FieldKind::Colour) {
                    SetText(settings, field, std::string(initial.text));
                } else if (field.kind == FieldKind::Float) {
                    SetFloat(settings, field, static_cast<float>(initial.number));
                } else {
                    SetInteger(settings, field, static_cast<long long>(initial.number));
                }
                break;
        }
    }
    // The console's profile resizes to the size asked for unless told to keep the proportions.
    if (profile == DefaultsProfile::Console) settings.keepAspectRatio = 0;
}

// Folders compare exactly: Linux file systems tell "Pics" from "pics", so folding case would drop one.
void RememberOutputFolder(Settings& settings, const std::string& folder) {
    if (folder.empty()) return;
    std::string list = folder;
    int count = 1;
    for (const std::string& field : Split(settings.recentOutFolders, '\t')) {
        if (count >= settings.outFoldersNumber) break;
        const std::string_view entry = TrimBlanks(field);
        if (entry.empty() || entry == folder) continue;
        list += '\t';
        list += entry;
        ++count;
    }
    settings.recentOutFolders = list;
}

}  // namespace ravelin
