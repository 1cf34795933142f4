#include "settings/config_file.h"

#include "platform/file_replace.h"
#include "platform/file_read.h"
#include "platform/ini.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "settings/product_formats.h"
#include "settings/settings_fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>
#include <unordered_map>
#include <unordered_set>

namespace ravelin {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSectionEnd = "; \r\n";

// Keys of older layouts, read only by the migrations.
struct LegacyKey {
    std::string_view section, key;
};
constexpr LegacyKey kPsdColorModel{"Input", "PSD Color Model"};
constexpr LegacyKey kTiffColorModel{"Output", "TIFF Color Model"};

// The window can use no less than its minimum size; beyond these bounds a size or position is damage, not
// a choice (putting the window on a screen is the window's own job).
constexpr long long kMinWindowWidth = 510, kMinWindowHeight = 260;
constexpr long long kMaxWindowExtent = 16384;
constexpr long long kMinOutFolders = 1, kMaxOutFolders = 50;

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names compare without regard to ASCII letter case only, as the file's own rules say.
std::string AsciiLower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return AsciiLower(c); });
    return out;
}

bool EqualsAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

std::string LookupName(std::string_view section, std::string_view key) {
    return AsciiLower(section) + '\n' + AsciiLower(key);  // neither part can hold a line break
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates.
bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const long code = DecodeUtf8(text, i, length);
        if (code < 0) return false;
        const long smallest = length == 1 ? 0 : length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// Text that is not UTF-8 was written by another editor in ISO-8859-1, one character a byte; decided per
// value, so one stray byte does not change how the rest of the file reads.
std::string DecodeValue(std::string_view bytes) {
    return IsValidUtf8(bytes) ? std::string(bytes) : Latin1ToUtf8(bytes);
}

// The names the reader looks for: every field of the table and the keys of older layouts. Nothing else
// is kept, so a file of countless unknown keys costs no memory.
const std::unordered_set<std::string>& WantedNames() {
    static const std::unordered_set<std::string> names = [] {
        std::unordered_set<std::string> set;
        for (const SettingField& field : SettingFields()) set.insert(LookupName(field.section, field.key));
        for (const LegacyKey& legacy : {kPsdColorModel, kTiffColorModel}) {
            set.insert(LookupName(legacy.section, legacy.key));
        }
        return set;
    }();
    return names;
}

// The values of a file, by section and key. Only the first section of a name is searched, and in it the
// first line of a key wins.
class ConfigValues {
public:
    explicit ConfigValues(std::string_view bytes) {
        if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
        std::unordered_set<std::string> seenSections;
        std::string section;
        bool searched = false;  // lines before the first section, or in a repeated one, are not searched
        std::size_t position = 0;
        while (position < bytes.size()) {
            const std::string_view line = NextLine(bytes, position);

            // Text stops at a NUL byte, as it would for every C string the value later reaches.
            const IniLine parsed = ParseIniLine(line.substr(0, line.find('\0')));
            if (parsed.kind == IniLine::Kind::Section) {
                section = AsciiLower(parsed.name);
                searched = seenSections.insert(section).second;
                continue;
            }
            if (parsed.kind != IniLine::Kind::Entry || !searched) continue;
            const std::string name = section + '\n' + AsciiLower(parsed.name);
            if (!WantedNames().contains(name) || values_.contains(name)) continue;
            values_.emplace(name, DecodeValue(parsed.value));
        }
    }

    const std::string* Find(std::string_view section, std::string_view key) const {
        const auto found = values_.find(LookupName(section, key));
        return found == values_.end() ? nullptr : &found->second;
    }

private:
    std::unordered_map<std::string, std::string> values_;
};

// The range of the record's member behind an integer field: a value beyond it saturates instead of
// wrapping (200 in an 8-bit field must not turn negative).
std::pair<long long, long long> IntegerRange(const SettingField& field) {
    switch (field.kind) {
        case FieldKind::Flag:
        case FieldKind::Code8:
        case FieldKind::Byte: return {std::numeric_limits<std::int8_t>::min(), std::numeric_limits<std::int8_t>::max()};
        case FieldKind::Int:
        case FieldKind::Code32:
        case FieldKind::Depth: return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
        default: return {std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max()};
    }
}

bool IsText(const SettingField& field) {
    return field.kind == FieldKind::String || field.kind == FieldKind::Colour;
}

float ReadFloat(std::string_view text) {
    if (EqualsAsciiCase(text, "+Infinity")) return std::numeric_limits<float>::infinity();
    if (EqualsAsciiCase(text, "-Infinity")) return -std::numeric_limits<float>::infinity();
    if (EqualsAsciiCase(text, "NaN")) return std::numeric_limits<float>::quiet_NaN();
    return ParseLeadingFloat(text);
}

void ReadValue(const std::string& text, const SettingField& field, Settings& settings) {
    if (IsText(field)) {
        SetText(settings, field, text);
    } else if (field.kind == FieldKind::Float) {
        SetFloat(settings, field, ReadFloat(text));
    } else {
        const auto [low, high] = IntegerRange(field);
        SetInteger(settings, field, std::clamp(ParseLeadingInteger(text), low, high));
    }
}

std::int32_t ReadLegacyInteger(const ConfigValues& values, const LegacyKey& legacy) {
    const std::string* text = values.Find(legacy.section, legacy.key);
    if (!text) return 0;
    return static_cast<std::int32_t>(std::clamp<long long>(ParseLeadingInteger(*text),
                                                           std::numeric_limits<std::int32_t>::min(),
                                                           std::numeric_limits<std::int32_t>::max()));
}

bool ContainsAsciiCase(std::string_view text, std::string_view part) {
    return AsciiLower(text).find(AsciiLower(part)) != std::string::npos;
}

// Files of older layouts, by the version they carry.
void Migrate(const ConfigValues& values, Settings& settings) {
    // Masks once left the extension out; output names expand tokens in any case, so "%EXT%" counts.
    if (settings.cfg < 11 && !ContainsAsciiCase(settings.filenameMask, "%ext%")) settings.filenameMask += ".%ext%";
    // Two raw load modes were inserted before the old ones.
    const std::int32_t rawLoadAs = CodeOf(settings.rawLoadAs);
    if (settings.cfg < 14 && rawLoadAs != 0 && rawLoadAs <= std::numeric_limits<std::int32_t>::max() - 2) {
        settings.rawLoadAs = static_cast<RawLoadMode>(rawLoadAs + 2);
    }
    // "Color Model" became "Color Mode".
    if (settings.cfg < 19) {
        if (const std::int32_t old = ReadLegacyInteger(values, kPsdColorModel)) settings.psdColorMode = static_cast<ColorModel>(old);
        if (const std::int32_t old = ReadLegacyInteger(values, kTiffColorModel)) settings.tiffColorMode = static_cast<ColorModel>(old);
    }
}

// Values no hand edit or damage may hand on: the window must open at a size it can take, and the list of
// recent folders has a length the preferences can show.
void Mend(Settings& settings) {
    const auto clamp32 = [](std::int32_t value, long long low, long long high) {
        return static_cast<std::int32_t>(std::clamp<long long>(value, low, high));
    };
    settings.windowWidth = clamp32(settings.windowWidth, kMinWindowWidth, kMaxWindowExtent);
    settings.windowHeight = clamp32(settings.windowHeight, kMinWindowHeight, kMaxWindowExtent);
    settings.windowX = clamp32(settings.windowX, -kMaxWindowExtent, kMaxWindowExtent);
    settings.windowY = clamp32(settings.windowY, -kMaxWindowExtent, kMaxWindowExtent);
    settings.outFoldersNumber =
        static_cast<std::int8_t>(std::clamp<long long>(settings.outFoldersNumber, kMinOutFolders, kMaxOutFolders));
}

// ---- Writing ----

// The product list whose formats decide a section's per-format keys; empty for other sections.
std::span<const std::string_view> ProductList(std::string_view section) {
    if (section == "Input") return InputExtensions;
    if (section == "Output") return OutputExtensions;
    return {};
}

// Whether the file holds the field: the placement only when it is to be kept, and per-format keys only
// for the formats this product reads or writes. Every key is read back either way.
bool IsWritten(const SettingField& field, const Settings& settings) {
    if (field.section == "Window") return settings.saveWindowPosition == 1;
    if (field.format.empty()) return true;
    const auto list = ProductList(field.section);
    return std::find(list.begin(), list.end(), field.format) != list.end();
}

std::string FloatText(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
    char buffer[64];  // the largest float in fixed notation takes 46 characters
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

// Strings are written as they are, except that a line break or NUL inside one becomes a blank: it would
// otherwise end the value and start a line of its own (a key that wins over the real one).
std::string TextForLine(std::string_view text) {
    std::string out(text);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return out;
}

std::string ValueText(const SettingField& field, const Settings& settings) {
    if (field.section == "General" && field.key == "CFG") {
        return std::to_string(kConfigLayoutVersion);  // a migrated file is saved in today's layout
    }
    if (IsText(field)) return TextForLine(GetText(settings, field));
    if (field.kind == FieldKind::Float) return FloatText(GetFloat(settings, field));
    return std::to_string(GetInteger(settings, field));
}

void AppendLine(std::string& out, const SettingField& field, const Settings& settings) {
    out += field.key;
    out += " = ";
    out += ValueText(field, settings);
    out += kLineEnd;
}

}  // namespace

std::string ConfigFileText(const Settings& settings) {
    std::string out(kBom);
    out += kLineEnd;
    const std::span<const SettingField> fields = SettingFields();
    for (std::size_t begin = 0; begin < fields.size();) {
        std::size_t end = begin;
        while (end < fields.size() && fields[end].section == fields[begin].section) ++end;
        const std::span<const SettingField> section = fields.subspan(begin, end - begin);
        out += '[';
        out += section.front().section;
        out += ']';
        out += kLineEnd;
        // The section's own keys in table order, then the per-format keys in the order of the product list.
        for (const SettingField& field : section) {
            if (field.format.empty() && IsWritten(field, settings)) AppendLine(out, field, settings);
        }
        for (const std::string_view format : ProductList(section.front().section)) {
            for (const SettingField& field : section) {
                if (field.format == format && IsWritten(field, settings)) AppendLine(out, field, settings);
            }
        }
        out += kSectionEnd;
        begin = end;
    }
    return out;
}

void ReadConfigText(std::string_view bytes, Settings& settings, Date now) {
    // A key missing from an existing file takes its window default, except that the window goes to
    // (100, 100) rather than the desktop's centre and the layout version counts as 0 (oldest).
    ApplyDefaults(settings, DefaultsProfile::Window, now);
    settings.windowX = 100;
    settings.windowY = 100;
    settings.cfg = 0;

    const ConfigValues values(bytes);
    for (const SettingField& field : SettingFields()) {
        if (const std::string* text = values.Find(field.section, field.key)) ReadValue(*text, field, settings);
    }
    Migrate(values, settings);
    Mend(settings);
}

bool LoadConfigFile(const std::string& path, Settings& settings, Date now, int desktopWidth, int desktopHeight) {
    // Only a regular file is read: a folder, pipe or device in its place counts as missing (and cannot
    // block the start).
    const std::optional<std::string> bytes = ReadRegularFile(path, kMaxConfigFileBytes);
    if (!bytes) {
        ApplyDefaults(settings, DefaultsProfile::Window, now, desktopWidth, desktopHeight);
        return false;
    }
    ReadConfigText(*bytes, settings, now);
    return true;
}

bool SaveConfigFile(const std::string& path, const Settings& settings) {
    return WriteFileReplacing(path, ConfigFileText(settings));
}

}  // namespace ravelin
