#pragma once
// INI-style text as the configuration file and profile files use it: a UTF-8 byte-order mark means UTF-8,
// otherwise each byte is one ISO-8859-1 character; lines end in CR, LF or both; ';' starts a comment;
// "[name]" opens a section; "key = value" with blanks and tabs trimmed.

#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

struct IniEntry {
    std::string key;
    std::string value;
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
};

struct IniDocument {
    std::vector<IniSection> sections;  // lines before the first section are not kept

    // The first section of that name, compared without regard to case; nullptr when absent.
    const IniSection* Find(std::string_view name) const;
    // The first entry `key` of the first section `section`; nullptr when absent.
    const std::string* Value(std::string_view section, std::string_view key) const;
};

IniDocument ParseIni(std::string_view bytes);

// One line by the grammar every INI-style reader here shares: blank and ';' lines say nothing, "[name"
// up to its ']' (or the line's end) opens a section, anything else is "key = value" trimmed of blanks and tabs.
struct IniLine {
    enum class Kind { Nothing, Section, Entry } kind = Kind::Nothing;
    std::string_view name;   // the section's name or the entry's key
    std::string_view value;  // the entry's value; empty without '='
};
IniLine ParseIniLine(std::string_view line);

}  // namespace ravelin
