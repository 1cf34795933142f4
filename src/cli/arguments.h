#pragma once
// Reading the command line: option names and values.

#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

class Arguments {
public:
    explicit Arguments(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {}

    std::size_t count() const { return arguments_.size(); }
    // Upper-case option name of argument i: the part of a "--" argument before its first '=', a whole "-"
    // argument, or "" for anything else.
    std::string Name(std::size_t i) const;
    // The text after the first '=' of a "--" argument that holds one, else the whole trimmed argument;
    // "" beyond the last argument.
    std::string Value(std::size_t i) const;

private:
    std::vector<std::string> arguments_;
};

}  // namespace ravelin
