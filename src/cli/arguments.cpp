#include "cli/arguments.h"

#include "platform/text.h"

namespace ravelin {

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
