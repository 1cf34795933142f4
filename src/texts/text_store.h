#pragma once
// The text table itself: groups of entries parsed from tab-separated lines, sorted for quick lookup.
// The process-wide table of text_table.h is one of these, built from the data compiled into the program;
// tests build their own from small samples.
//
// Data lines: "_GROUP_<TAB>name" opens a group, "key<TAB>text" adds an entry to the group opened last,
// "_END_<TAB>" ends the data. In a text, \r, \n, \t and \\ stand for a carriage return, a line feed,
// a tab and a backslash.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

class TextStore {
public:
    explicit TextStore(std::string_view data);
    TextStore(const TextStore&) = delete;
    TextStore& operator=(const TextStore&) = delete;

    // The entry's text, or "%NO_STRING_ERROR%"; group and key are matched without regard to letter case.
    std::string Text(std::string_view group, std::string_view key) const;

    // Groups in data order, and how many entries a group holds (0 for an unknown group).
    std::vector<std::string> GroupNames() const;
    std::size_t EntryCount(std::string_view group) const;

private:
    struct Group {
        std::u16string name;  // upper case
        std::size_t first = 1, last = 0;  // entry numbers; last < first when the group is empty
        std::array<std::uint32_t, 256> index{};  // first entry whose key begins with that character, or 0
    };

    // Number of the first group with that (upper-case) name, or 0.
    std::size_t FindGroup(const std::u16string& name) const;

    std::vector<Group> groups_;          // numbered from 1; slot 0 unused
    std::vector<std::u16string> keys_;   // numbered from 1; upper case
    std::vector<std::string> texts_;     // numbered from 1; UTF-8
    // The group found by the last lookup; shared by all threads, so held atomically.
    mutable std::atomic<std::size_t> rememberedGroup_{0};
};

// The process-wide table, built from the data compiled into the program on first use.
const TextStore& EmbeddedTextStore();

}  // namespace ravelin
