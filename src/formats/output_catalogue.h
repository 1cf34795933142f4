#pragma once
// What can be written: for every output extension its FreeImage format, its description and the bit
// depths it accepts, and the save flags the per-format settings give. Built once, read-only afterwards.

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace ravelin {

struct FormatEntry {
    int formatId = 0;         // FREE_IMAGE_FORMAT
    std::string extension;    // lower case, without dot
    std::string description;
    std::string depths;       // ascending decimal numbers separated by commas, e.g. "8,24"
};

// The entry of that extension (compared exactly), or an empty entry: format 0, empty texts.
const FormatEntry& LookupOutputFormat(std::string_view extension);

// The catalogue's extensions in catalogue order.
const std::vector<std::string>& OutputCatalogueExtensions();

// The entry's depths as numbers (empty for an unknown extension).
const std::vector<int>& DepthList(std::string_view extension);

// True for depth 0 (automatic) and for every depth the format accepts.
bool DepthAllowed(std::string_view extension, int depth);

// The depth an automatic setting gives: the first accepted depth not below the source's, else the
// largest one; 0 for an unknown extension.
int AutomaticDepth(std::string_view extension, int sourceDepth);

// The FreeImage save flags that the format's settings ask for (0 for formats without any).
int SaveFlags(std::string_view extension, const Settings& settings);

// "JPG (JPEG File Format)": the upper-case extension and the description in parentheses; empty for an
// extension without entry.
std::string FormatListLabel(std::string_view extension);

}  // namespace ravelin
