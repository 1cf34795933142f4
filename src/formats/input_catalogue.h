#pragma once
// What the family of converters can read: every input extension with the format it belongs to and its
// description; the extensions this product accepts; the filters of the input and watermark choosers.
// Built once, read-only afterwards.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

struct InputFormat {
    std::string extension;    // lower case, without dot
    std::string formatKey;    // the extension naming the format; aliases share it (jpeg -> jpg)
    std::string description;
};

// All known input extensions in catalogue order.
const std::vector<InputFormat>& InputCatalogue();

// The entry of that extension (compared exactly), or nullptr.
const InputFormat* FindInputFormat(std::string_view extension);

// Every catalogue extension whose format key is one of `formatKeys`, grouped in the order of the keys.
std::vector<std::string> AcceptedInputExtensions(std::span<const std::string_view> formatKeys);
// The same for the product's InputExtensions: ("pcx").
std::vector<std::string> AcceptedInputExtensions();

// The input chooser's filter: "All Supported Files" with every accepted pattern, one entry per
// description, then "All Files (*.*)". Labels and patterns alternate, separated by "|".
std::string InputFileFilter(const std::vector<std::string>& acceptedExtensions);
std::string InputFileFilter();

// The watermark chooser's filter: JPEG, PNG and BMP pictures.
std::string WatermarkImageFilter();

}  // namespace ravelin
