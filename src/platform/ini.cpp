#include "platform/ini.h"

#include "platform/text.h"

namespace ravelin {

const IniSection* IniDocument::Find(std::string_view name) const {
    for (const IniSection& section : sections) {
        if (EqualsIgnoreCase(section.name, name)) return &section;
    }
    return nullptr;
}

const std::string* IniDocument::Value(std::string_view section, std::string_view key) const {
    const IniSection* found = Find(section);
    if (!found) return nullptr;
    for (const IniEntry& entry : found->entries) {
        if (EqualsIgnoreCase(entry.key, key)) return &entry.value;
    }
    return nullptr;
}

IniDocument ParseIni(std::string_view bytes) {
    std::string text;
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.substr(0, 3) == kBom) {
        text = bytes.substr(3);
    } else {
        text = Latin1ToUtf8(bytes);
    }

    IniDocument document;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::string_view line = NextLine(text, position);

        const IniLine parsed = ParseIniLine(line);
        if (parsed.kind == IniLine::Kind::Section) {
            document.sections.push_back({std::string(parsed.name), {}});
        } else if (parsed.kind == IniLine::Kind::Entry && !document.sections.empty()) {
            document.sections.back().entries.push_back({std::string(parsed.name), std::string(parsed.value)});
        }
    }
    return document;
}

IniLine ParseIniLine(std::string_view line) {
    IniLine parsed;
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return parsed;
    line.remove_prefix(first);
    if (line.front() == ';') return parsed;
    if (line.front() == '[') {
        const auto close = line.find(']');
        parsed.kind = IniLine::Kind::Section;
        parsed.name = line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        return parsed;
    }
    const auto equals = line.find('=');
    parsed.kind = IniLine::Kind::Entry;
    parsed.name = TrimBlanksAndTabs(line.substr(0, equals));
    if (equals != std::string_view::npos) parsed.value = TrimBlanksAndTabs(line.substr(equals + 1));
    return parsed;
}

}  // namespace ravelin
