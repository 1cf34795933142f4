// Writes the manual page ravelin.1 from the program's own tables (options, settings, codes, naming tokens),
// so that the page lists exactly what the program accepts. Run by the build: make_manpage OUTPUT.

#include "cli/option_table.h"
#include "engine/naming.h"
#include "platform/product.h"
#include "settings/option_codes.h"
#include "settings/settings.h"
#include "settings/settings_fields.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace ravelin {
namespace {

// Text safe inside a roff line: backslashes and hyphens escaped, a leading control character guarded.
std::string Roff(std::string_view text) {
    std::string out;
    if (!text.empty() && (text.front() == '.' || text.front() == '\'')) out += "\\&";
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    return out;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string Number(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::string ValueName(OptionKind kind) {
    switch (kind) {
        case OptionKind::Integer: return "NUM";
        case OptionKind::Decimal: return "DECIMAL";
        case OptionKind::Token: return "TOKEN";
        case OptionKind::Text: return "STR";
        case OptionKind::Flag:
        case OptionKind::FlagOff: break;
    }
    return "";
}

// The default of `field` in the console's profile, as the user would write it.
std::string DefaultOf(const SettingField& field, const Settings& defaults) {
    switch (field.initial.rule) {
        case DefaultRule::Value: break;
        case DefaultRule::Now: return "the current date";
        case DefaultRule::CentredX:
        case DefaultRule::CentredY: return "centred on the desktop";
        case DefaultRule::FirstInput: return "the first input format";
        case DefaultRule::FirstOutput: return "the first output format";
        case DefaultRule::VendorNotice: return std::string("\"") + kVendorNotice + "\"";
    }
    switch (field.kind) {
        case FieldKind::Flag: return GetInteger(defaults, field) ? "on" : "off";
        case FieldKind::Code8:
        case FieldKind::Code32: {
            const std::string token =
                CodeToToken(field.family, static_cast<int>(GetInteger(defaults, field)), field.tokens);
            return token.empty() ? std::to_string(GetInteger(defaults, field)) : token;
        }
        case FieldKind::Float: return Number(GetFloat(defaults, field));
        case FieldKind::String:
        case FieldKind::Colour: {
            const std::string& text = GetText(defaults, field);
            return text.empty() ? "empty" : "\"" + text + "\"";
        }
        case FieldKind::Int:
        case FieldKind::Byte:
        case FieldKind::Date:
        case FieldKind::Depth: break;
    }
    return std::to_string(GetInteger(defaults, field));
}

std::string TokenList(const SettingField& field) {
    std::string list;
    const auto count = static_cast<int>(FamilyLabelKeys(field.family, field.tokens).size());
    for (int code = 0; code < count; ++code) {
        const std::string token = CodeToToken(field.family, code, field.tokens);
        if (token.empty()) continue;
        if (!list.empty()) list += ", ";
        list += "\\fB" + Roff(token) + "\\fR";
    }
    return list;
}

void WriteOption(std::ostream& out, const OptionRow& row, const Settings& defaults) {
    const std::string name = Lower(row.name);
    const std::string value = ValueName(row.kind);
    out << ".TP\n\\fB" << Roff(name) << "\\fR";
    if (!value.empty()) out << "=\\fI" << value << "\\fR";
    out << "\n";
    const SettingField& field = *row.target;
    std::string text = "Sets " + field.name() + ".";
    if (row.kind == OptionKind::Flag) text = "Switches on " + field.name() + ".";
    if (row.kind == OptionKind::FlagOff) text = "Switches off " + field.name() + ".";
    out << Roff(text);
    if (row.alsoSets) out << " " << Roff("Also sets " + row.alsoSets->name() + " to " + std::to_string(row.alsoValue) + ".");
    if (row.kind == OptionKind::Token && field.family != OptionFamily::None) {
        const std::string tokens = TokenList(field);
        if (!tokens.empty()) out << " One of " << tokens << ".";
    }
    if (field.hasRange) out << " Range " << Roff(Number(field.minimum)) << " to " << Roff(Number(field.maximum)) << ".";
    out << " Default: " << Roff(DefaultOf(field, defaults)) << ".\n";
}

void WriteConsoleOption(std::ostream& out, std::string_view synopsis, std::string_view text) {
    out << ".TP\n" << synopsis << "\n" << Roff(text) << "\n";
}

std::string Page() {
    Settings defaults;
    ApplyDefaults(defaults, DefaultsProfile::Console, 0);
    const std::string version = VersionString(VersionNumber);
    std::ostringstream out;
    out << ".\\\" Generated from the program's option and settings tables; do not edit.\n";
    out << ".TH RAVELIN 1 \"\" \"" << Roff(kProgramShortName) << " " << version << "\" \"User Commands\"\n";
    out << ".SH NAME\nravelin \\- " << Roff(kProductTitle) << ", a converter of PCX pictures to JPEG\n";
    out << ".SH SYNOPSIS\n.B ravelin\n.RI [ options ]\n.br\n.B ravelin\n"
           "\\fB\\-i\\fR \\fIFILE\\fR \\fB\\-o\\fR \\fIFOLDER\\fR [\\fIoptions\\fR]\n";
    out << ".SH DESCRIPTION\n"
        << Roff("Without options, ravelin opens its window. With -i it converts the named files on the console "
                "and writes the results into the output folder. Options are not case sensitive; a value "
                "follows an equals sign (--width=800) or, for the short options, the next argument.")
        << "\n";

    out << ".SH OPTIONS\n.SS Console options\n";
    WriteConsoleOption(out, "\\fB\\-i\\fR \\fIFILE\\fR, \\fB\\-\\-input\\fR=\\fIFILE\\fR",
                       "Input file.");
    WriteConsoleOption(out, "\\fB\\-o\\fR \\fIPATH\\fR, \\fB\\-\\-output\\fR=\\fIPATH\\fR", "Output folder.");
    WriteConsoleOption(out, "\\fB\\-c\\fR \\fISTR\\fR, \\fB\\-\\-conversion\\fR=\\fISTR\\fR",
                       "Output extension (jpg).");
    WriteConsoleOption(out, "\\fB\\-\\-profile\\fR=\\fIFILE\\fR",
                       "Reads options from a profile file (see PROFILE FILES).");
    WriteConsoleOption(out, "\\fB\\-q\\fR, \\fB\\-\\-quiet\\fR", "Prints no status messages.");
    WriteConsoleOption(out, "\\fB\\-d\\fR, \\fB\\-\\-debug\\fR", "Prints debug information.");
    WriteConsoleOption(out, "\\fB\\-p\\fR, \\fB\\-\\-pause\\fR", "Pauses at exit.");
    WriteConsoleOption(out, "\\fB\\-h\\fR, \\fB\\-?\\fR, \\fB\\-\\-help\\fR", "Prints the help text and ends.");
    WriteConsoleOption(out, "\\fB\\-v\\fR, \\fB\\-\\-version\\fR", "Prints the version and ends.");
    out << ".SS Conversion options\n";
    for (const OptionRow& row : OptionTable()) WriteOption(out, row, defaults);

    out << ".SH PROFILE FILES\n"
        << Roff("A profile holds options under the group [CLI], one per line, named like the long options "
                "(--jpg-quality = 85). Flags switch on by their presence, whatever their value. Input, "
                "output, conversion, quiet, debug and pause are command-line only. The frame opacity is "
                "named --wm-solid-opacity in a profile. Options before --profile are overridden by the "
                "profile, options after it override the profile. A file without a UTF-8 byte-order mark is "
                "read as ISO-8859-1.")
        << "\n.PP\n.EX\n[CLI]\n\\-\\-jpg\\-quality = 85\n\\-\\-width = 1024\n"
           "\\-\\-filename\\-mask = \"%filename%_web.%ext%\"\n.EE\n";

    out << ".SH OUTPUT NAMES\n"
        << Roff("The output name is built from --filename-mask, whose tokens are:") << "\n.PP\n";
    std::string tokens;
    for (const std::string_view token : NamingTokens()) tokens += (tokens.empty() ? "" : ", ") + Roff(token);
    out << tokens << ".\n.PP\n"
        << Roff("An existing output file of that name is replaced only by a save that succeeded; a name that "
                "would replace the input file itself is refused.")
        << "\n";

    out << ".SH FILES\n.TP\n.I $XDG_CONFIG_HOME/Orvanta/ravelin/config.ini\n"
        << Roff("The settings (~/.config when XDG_CONFIG_HOME is not set).") << "\n"
        << ".TP\n.I $XDG_RUNTIME_DIR\\fR or \\fI/tmp/ravelin\\-<uid>/\n"
        << Roff("Holds the instance lock, which keeps a second start from running beside the first.") << "\n";
    out << ".SH ENVIRONMENT\n"
        << ".TP\n.B XDG_CONFIG_HOME\nWhere config.ini is kept.\n"
        << ".TP\n.B XDG_RUNTIME_DIR\nWhere the instance lock is kept.\n"
        << ".TP\n.B TMPDIR\nWhere temporary files are made.\n"
        << ".TP\n.BR DISPLAY \", \" WAYLAND_DISPLAY \", \" QT_QPA_PLATFORM\n"
        << Roff("Choose the display the window opens on.") << "\n";
    out << ".SH EXIT STATUS\n" << Roff("Always 0, whether or not the conversion succeeded; the console's "
                                       "messages tell the outcome.")
        << "\n";
    out << ".SH EXAMPLES\n.EX\nravelin \\-i /home/me/pictures/photo.pcx \\-o /home/me/out\n"
           "ravelin \\-i /home/me/scans/scan.pcx \\-o /tmp/out \\-\\-jpg\\-quality=85 \\-\\-width=800\n"
           "ravelin \\-i /home/me/a.pcx \\-o /tmp/out \\-\\-profile=/home/me/web.ini\n.EE\n";
    out << ".SH NOTES\n"
        << Roff("A relative -o folder and a bare input name resolve against the program's own folder, not "
                "the working folder: installed, that is /usr/local/lib/ravelin/ (or the installed prefix's "
                "lib/ravelin/), which a user cannot write to. Give absolute paths.")
        << "\n";
    return out.str();
}

}  // namespace
}  // namespace ravelin

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 1;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << ravelin::Page();
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
