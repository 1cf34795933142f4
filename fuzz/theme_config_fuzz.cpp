// The theme.cfg rule on arbitrary bytes: any text, any section and key drawn from it, must give a value
// that is a trimmed piece of one line of the text.

#include "themes/theme_config.h"

#include "fuzz_support.h"

#include <string_view>

using namespace ravelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first two bytes choose the lengths of the section and key names taken from the front.
    const std::size_t sectionLength = size > 0 ? data[0] % 16 : 0;
    const std::size_t keyLength = size > 1 ? data[1] % 16 : 0;
    std::string_view rest = bytes.substr(std::min<std::size_t>(2, size));
    const std::string_view section = rest.substr(0, std::min(sectionLength, rest.size()));
    rest.remove_prefix(section.size());
    const std::string_view key = rest.substr(0, std::min(keyLength, rest.size()));
    rest.remove_prefix(key.size());

    for (const std::string_view text : {rest, bytes}) {
        const std::string value = ThemeConfigValue(text, section, key);
        FUZZ_CHECK(value.size() <= text.size());
        FUZZ_CHECK(value.find("\r\n") == std::string::npos);
        FUZZ_CHECK(value.find('=') == std::string::npos);
        FUZZ_CHECK(text.find(value) != std::string_view::npos);
        ThemeConfigValue(text, "Theme", "Name");
    }
    return 0;
}
