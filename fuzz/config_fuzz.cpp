// The configuration reader on arbitrary bytes: whatever the file holds, reading it must be safe, leave a
// window that can open, and settle: what is written after one reading reads back to the same bytes.

#include "settings/config_file.h"
#include "settings/settings.h"

#include "fuzz_support.h"

#include <string_view>

using namespace ravelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Settings settings;
    ReadConfigText(bytes, settings, 1700000000);
    FUZZ_CHECK(settings.windowWidth >= 510 && settings.windowHeight >= 260);
    FUZZ_CHECK(settings.outFoldersNumber >= 1 && settings.outFoldersNumber <= 50);

    const std::string text = ConfigFileText(settings);
    FUZZ_CHECK(text.rfind("\xEF\xBB\xBF\r\n[General]\r\n", 0) == 0);
    Settings again;
    ReadConfigText(text, again, 0);
    FUZZ_CHECK(ConfigFileText(again) == text);
    return 0;
}
