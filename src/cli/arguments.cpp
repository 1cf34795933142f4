#include "cli/arguments.h"

#include "platform/text.h"

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

std::string Arguments::Name(std::size_t i) const {
    if (i >= arguments_.size()) return {};
    const std::string_view argument = TrimBlanks(arguments_[i]);
    if (argument.starts_with("--")) return ToUpper(argument.substr(0, argument.find('=')));
    if (argument.starts_with("-")) return ToUpper(argument);
    return {};
}

std::string Arguments::Value(std::size_t i) const {
    if (i >= arguments_.size()) return {};
    const std::string_view argument = TrimBlanks(arguments_[i]);
    const auto equals = argument.find('=');
    if (argument.starts_with("--") && equals != std::string_view::npos) return std::string(argument.substr(equals + 1));
    return std::string(argument);
}

}  // namespace ravelin
