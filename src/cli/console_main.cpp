#include "platform/product.h"
#include "cli/console_main.h"

#include "cli/arguments.h"
#include "cli/console_run.h"
#include "cli/option_table.h"
#include "cli/profile.h"
#include "engine/job_control.h"
#include "platform/console.h"
#include "platform/text.h"
#include "settings/product_formats.h"
#include "texts/text_table.h"

#include <ctime>
#include <optional>
#include <random>

namespace ravelin {

namespace {

constexpr const char* kHelpLines[] = {
    " ",
    "Usage: %s1% -i <filename> [options]",
    " ",
    "  %s1% -i example.%s2%",
    "  %s1% -i /tmp/example.%s2%",
    "  %s1% -i /tmp/example.%s2% -o /tmp/converted",
    "  %s1% -i /tmp/example.%s2% -o /tmp/converted --jpg-quality=95",
    " ",
    "Options:",
    " ",
    "  -h, -?, --help            Display this help and exit",
    "  -i FILE, --input=FILE     Set input file",
    "  -o PATH, --output=PATH    Set output folder",
    "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
    " ",
    "Advanced options:",
    " ",
    "  --width=NUM               Set output image width",
    "  --height=NUM              Set output image height",
    "  --filename-mask=STR       Define output filename format",
    "  --flip-horizontal         Flip output image horizontally",
    "  --flip-vertical           Flip output image vertically",
    "  --brightness=NUM          Set output image brightness, NUM = -100..100",
    "  --contrast=NUM            Set output image contrast, NUM = -100..100",
    "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
    "  --invert                  Invert output image",
    "  --greyscale               Greyscale output image",
    "  --profile=FILE            Set configuration file with required settings",
    "    ...                     Refer documentation for all available options",
    " ",
    "Other options:",
    " ",
    "  -q, --quiet               Don't print status messages to stdout",
    "  -d, --debug               Print debug information to stdout",
    "  -p, --pause               Pause at exit",
    "  -v, --version             Display version information and exit",
};

std::string RandomInputExtension() {
    std::minstd_rand generator(static_cast<unsigned>(std::time(nullptr)));
    const auto index = std::uniform_int_distribution<std::size_t>(0, InputExtensions.size() - 1)(generator);
    return std::string(InputExtensions[index]);
}

void PrintHelp(const std::string& programName) {
    std::string name = programName;
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.resize(dot);
    for (const char* line : kHelpLines) PrintLine(Format(line, name, RandomInputExtension()));
}

// The parser's state for one command line.
class Parser {
public:
    Parser(const Arguments& arguments, ConversionJob& job, Settings& settings)
        : arguments_(arguments), job_(job), settings_(settings) {}

    void Parse();

    std::optional<std::string> error;
    bool quiet = false;
    bool pause = false;

private:
    // Rule A: a short option's value is the next argument, a long option's follows its '='.
    std::optional<std::string> PathValue(std::size_t& i, bool join);
    // Rule B: the value follows the '=' of the same argument.
    std::optional<std::string> InlineValue(std::size_t& i, bool join);
    std::string JoinQuotedPieces(std::string value, std::size_t& i) const;
    bool ParseConsoleOption(const std::string& name, std::size_t& i);

    const Arguments& arguments_;
    ConversionJob& job_;
    Settings& settings_;
};

std::string Parser::JoinQuotedPieces(std::string value, std::size_t& i) const {
    if (value.starts_with('"') && !(value.size() > 1 && value.ends_with('"'))) {
        while (i + 1 < arguments_.count()) {
            ++i;
            const std::string piece = arguments_.Value(i);
            value += ' ';
            value += piece;
            if (piece.ends_with('"')) break;
        }
    }
    return std::string(StripQuotes(value));
}

std::optional<std::string> Parser::PathValue(std::size_t& i, bool join) {
    const bool shortForm = !arguments_.Name(i).starts_with("--");
    if (shortForm) ++i;
    std::string value = arguments_.Value(i);
    if (value.empty() || value.front() == '-') {
        error = "Incorrect number of parameters";
        return std::nullopt;
    }
    return join ? JoinQuotedPieces(std::move(value), i) : std::string(StripQuotes(value));
}

std::optional<std::string> Parser::InlineValue(std::size_t& i, bool join) {
    std::string value = arguments_.Value(i);
    if (value.empty() || value.starts_with("--")) {
        error = "Incorrect number of parameters";
        return std::nullopt;
    }
    return join ? JoinQuotedPieces(std::move(value), i) : value;
}

bool Parser::ParseConsoleOption(const std::string& name, std::size_t& i) {
    if (name == "-I" || name == "--INPUT") {
        job_.consoleRun = true;
        if (auto value = PathValue(i, true)) job_.baseFolder = *value;
    } else if (name == "-O" || name == "--OUTPUT") {
        if (auto value = PathValue(i, true)) job_.outputFolder = *value;
    } else if (name == "-C" || name == "--CONVERSION") {
        if (auto value = PathValue(i, false)) job_.outputExtension = *value;
    } else if (name == "--PROFILE") {
        if (auto value = InlineValue(i, true)) {
            if (!ApplyProfile(*value, settings_)) error = "Invalid profile file";
        }
    } else if (name == "-D" || name == "--DEBUG") {
        job_.runMode = "DEBUG";
    } else if (name == "-Q" || name == "--QUIET") {
        quiet = true;
    } else if (name == "-P" || name == "--PAUSE") {
        pause = true;
    } else {
        return false;
    }
    return true;
}

void Parser::Parse() {
    for (std::size_t i = 0; i < arguments_.count() && !error; ++i) {
        const std::string name = arguments_.Name(i);
        if (name.empty()) continue;
        if (const OptionRow* row = FindOption(name)) {
            if (row->kind == OptionKind::Flag || row->kind == OptionKind::FlagOff) {
                ApplyOption(*row, {}, settings_);
            } else if (auto value = InlineValue(i, row->kind == OptionKind::Text)) {
                ApplyOption(*row, *value, settings_);
            }
            continue;
        }
        ParseConsoleOption(name, i);
    }
}

void EndWithPause(bool pause) {
    if (!pause) return;
    PrintLine("Press any key to exit.");
    WaitForKey();
}

}  // namespace

ConsoleOutcome ConsoleMain(const std::vector<std::string>& argumentList, const std::string& programName,
                           ConversionJob& job, Settings& settings) {
    if (argumentList.empty()) return ConsoleOutcome::StartWindow;

    ResetJob(job);
    ApplyDefaults(settings, DefaultsProfile::Console, static_cast<Date>(std::time(nullptr)));
    const Arguments arguments(argumentList);
    const std::string title = TitleString(kProductTitle, VersionNumber);

    const std::string first = arguments.Name(0);
    if (first == "-U") return ConsoleOutcome::UninstallDialog;
    if (first == "-T") {
        job.runMode = "T";
        return ConsoleOutcome::ScreenshotMode;
    }
    if (first == "-V" || first == "--VERSION") {
        SetConsoleTitle(title);
        PrintLine(VersionString(VersionNumber));
        return ConsoleOutcome::Finished;
    }
    if (first == "-H" || first == "-?" || first == "--HELP") {
        SetConsoleTitle(title);
        PrintHelp(programName);
        return ConsoleOutcome::Finished;
    }

    Parser parser(arguments, job, settings);
    parser.Parse();
    if (parser.error) {
        SetConsoleTitle(title);
        PrintLine("Error: " + *parser.error);
        if (parser.pause) WaitForKey();
        return ConsoleOutcome::Finished;
    }
    if (!job.consoleRun) return ConsoleOutcome::StartWindow;

    SetConsoleTitle(title);
    if (!parser.quiet) {
        PrintLine(title);
        PrintLine(ReplaceIgnoreCase(kVendorNotice, "\xC2\xA9", "(c)"));
        PrintLine(kVendorWebsite);
        PrintLine(" ");
    }
    ConsoleRun(parser.quiet, job, settings);
    EndWithPause(parser.pause);
    return ConsoleOutcome::Finished;
}

}  // namespace ravelin
