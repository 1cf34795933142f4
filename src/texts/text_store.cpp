#include "texts/text_store.h"

#include <algorithm>
#include <utility>

#include "platform/text.h"
#include "texts/text_table.h"

namespace ravelin {

namespace {

constexpr char16_t kJoin = u'\x01';

// UTF-8 to UTF-16; a byte that starts no valid sequence becomes U+FFFD.
std::u16string ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        long code = DecodeUtf8(text, i, length);
        i += length;
        if (code < 0) code = 0xFFFD;
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    return out;
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(code, out);
    }
    return out;
}

std::u16string UpperUtf16(std::string_view text) {
    return ToUtf16(ToUpper(text));
}

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            const char plain = next == 'r' ? '\r' : next == 'n' ? '\n' : next == 't' ? '\t' : next == '\\' ? '\\' : 0;
            if (plain != 0) {
                out += plain;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// The two strings of one data line: before and after its first tab (a line without a tab has an empty text).
std::pair<std::string_view, std::string_view> SplitLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) return {line, {}};
    return {line.substr(0, tab), line.substr(tab + 1)};
}

}  // namespace

TextStore::TextStore(std::string_view data) {
    groups_.emplace_back();
    keys_.emplace_back();
    texts_.emplace_back();

    // Read the pairs: each group collects its entries as "KEY\x01text".
    std::vector<std::vector<std::u16string>> joined(1);
    for (std::size_t from = 0; from < data.size();) {
        auto end = data.find('\n', from);
        if (end == std::string_view::npos) end = data.size();
        const auto [first, second] = SplitLine(data.substr(from, end - from));
        from = end + 1;
        if (first == "_END_") break;
        if (first == "_GROUP_") {
            Group group;
            group.name = UpperUtf16(second);
            groups_.push_back(group);
            joined.emplace_back();
        } else if (groups_.size() > 1 && !(first.empty() && second.empty())) {
            // A line before the first group belongs to no group and is dropped, as are blank lines.
            std::u16string entry = UpperUtf16(first);
            entry += kJoin;
            entry += ToUtf16(Unescape(second));
            joined.back().push_back(std::move(entry));
        }
    }

    // Sort each group by UTF-16 code units, split the entries back and index them by first character.
    for (std::size_t g = 1; g < groups_.size(); ++g) {
        Group& group = groups_[g];
        auto& entries = joined[g];
        std::sort(entries.begin(), entries.end());
        group.first = keys_.size();
        char16_t previous = 0;
        for (const auto& entry : entries) {
            const auto cut = entry.find(kJoin);
            std::u16string key = entry.substr(0, cut);
            const char16_t code = key.empty() ? 0 : key.front();
            if (code != previous && code < group.index.size()) {
                group.index[code] = static_cast<std::uint32_t>(keys_.size());
            }
            previous = code;
            keys_.push_back(std::move(key));
            texts_.push_back(ToUtf8(std::u16string_view(entry).substr(cut + 1)));
        }
        group.last = keys_.size() - 1;
    }
}

std::size_t TextStore::FindGroup(const std::u16string& name) const {
    for (std::size_t g = 1; g < groups_.size(); ++g) {
        if (groups_[g].name == name) return g;
    }
    return 0;
}

std::string TextStore::Text(std::string_view groupName, std::string_view keyText) const {
    const std::u16string name = UpperUtf16(groupName);
    const std::u16string key = UpperUtf16(keyText);

    std::size_t g = rememberedGroup_.load(std::memory_order_relaxed);
    if (g == 0 || groups_[g].name != name) {
        g = FindGroup(name);
        rememberedGroup_.store(g, std::memory_order_relaxed);
    }
    if (g == 0) return kNoStringError;

    const Group& group = groups_[g];
    const char16_t code = key.empty() ? 0 : key.front();
    if (code >= group.index.size() || group.index[code] == 0) return kNoStringError;
    for (std::size_t e = group.index[code]; e <= group.last; ++e) {
        const int order = key.compare(keys_[e]);
        if (order == 0) return texts_[e];
        if (order < 0) break;
    }
    return kNoStringError;
}

std::vector<std::string> TextStore::GroupNames() const {
    std::vector<std::string> names;
    for (std::size_t g = 1; g < groups_.size(); ++g) names.push_back(ToUtf8(groups_[g].name));
    return names;
}

std::size_t TextStore::EntryCount(std::string_view groupName) const {
    const std::size_t g = FindGroup(UpperUtf16(groupName));
    return g == 0 ? 0 : groups_[g].last + 1 - groups_[g].first;
}

}  // namespace ravelin
