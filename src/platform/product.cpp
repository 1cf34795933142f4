#include "platform/product.h"

namespace ravelin {

std::string VersionString(int number) {
    std::string text = std::to_string(number);
    if (text.size() >= 1) text.insert(1, ".");
    if (text.size() >= 3) text.insert(3, ".");
    if (!text.empty() && text.back() == '0') text.resize(3);
    return text;
}

std::string TitleString(std::string_view title, int number) {
    return std::string(title) + " " + VersionString(number);
}

}  // namespace ravelin
