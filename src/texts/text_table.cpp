#include "texts/text_table.h"

#include <array>
#include <memory>
#include <mutex>

#include "texts/text_store.h"

namespace ravelin {

extern const unsigned char kEmbeddedTexts[];
extern const std::size_t kEmbeddedTextsSize;

// Built from the compiled-in data by whichever thread asks first.
const TextStore& EmbeddedTextStore() {
    static std::once_flag once;
    static std::unique_ptr<TextStore> table;
    std::call_once(once, [] {
        table = std::make_unique<TextStore>(
            std::string_view(reinterpret_cast<const char*>(kEmbeddedTexts), kEmbeddedTextsSize));
    });
    return *table;
}

namespace {

// Replaces every "%sN%" written in any letter case. The placeholder is ASCII, so matching it byte-wise
// in UTF-8 text is exact.
std::string FillPlaceholder(const std::string& text, std::string_view placeholder, std::string_view value) {
    const auto matchesAt = [&](std::size_t at) {
        for (std::size_t k = 0; k < placeholder.size(); ++k) {
            char c = text[at + k];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            if (c != placeholder[k]) return false;
        }
        return true;
    };
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = 0; at + placeholder.size() <= text.size();) {
        if (text[at] == '%' && matchesAt(at)) {
            out.append(text, from, at - from).append(value);
            at += placeholder.size();
            from = at;
        } else {
            ++at;
        }
    }
    return out.append(text, from, std::string::npos);
}

}  // namespace

std::string Text(std::string_view group, std::string_view key) {
    return EmbeddedTextStore().Text(group, key);
}

std::string Format(std::string_view text, std::string_view s1, std::string_view s2, std::string_view s3,
                   std::string_view s4) {
    if (text.empty()) return {};
    static constexpr std::array<std::string_view, 4> kPlaceholders = {"%s1%", "%s2%", "%s3%", "%s4%"};
    const std::array<std::string_view, 4> values = {s1, s2, s3, s4};
    std::string out(text);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!values[i].empty()) out = FillPlaceholder(out, kPlaceholders[i], values[i]);
    }
    return out;
}

}  // namespace ravelin
