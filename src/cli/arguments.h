#pragma once
// Reading the command line: option names and values, version and title texts.

#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

inline constexpr int VersionNumber = 310;
inline constexpr const char* kProductTitle = "Orvanta PCX to JPG";

// 310 → "3.1", 312 → "3.1.2", 300 → "3.0".
std::string VersionString(int number);
// title + " " + VersionString(number).
std::string TitleString(std::string_view title, int number);

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
