#include "platform/product.h"
#include "settings/config_file.h"

#include "platform/text.h"
#include "run_program.h"
#include "settings/settings.h"
#include "settings/settings_fields.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace ravelin {

namespace {

constexpr Date kNow = 1700000000;
const std::string kColours = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

using Section = std::pair<std::string, std::vector<std::string>>;

// A file as the layout rules describe it: byte-order mark and an empty line, then each section's name in
// brackets, its "Key = value" lines and a closing "; " line, every line ended by CR LF.
std::string Layout(const std::vector<Section>& sections) {
    std::string text = "\xEF\xBB\xBF\r\n";
    for (const auto& [name, lines] : sections) {
        text += "[" + name + "]\r\n";
        for (const std::string& line : lines) text += line + "\r\n";
        text += "; \r\n";
    }
    return text;
}

std::vector<Section> DefaultLayout(std::vector<std::string> window) {
    return {
        {"General", {"CFG = 19", "Language = en", "Update Range = 2", "Update Date = 1700000000",
                     "Save Window Position = 1"}},
        {"Window", std::move(window)},
        {"Interface", {"UI Theme = handdrawn", "UI Size = 2"}},
        {"Input", {"Format = pcx"}},
        {"Output", {"Format = jpg", "JPG BPP = 0", "JPG Quality = 95", "JPG Chroma = 0", "JPG Save As = 0"}},
        {"Transform", {"Do Image Rotation = 0", "Image Rotation Type = 0", "Image Rotation = 0",
                       "Image Rotation Back Color = 000000", "Do Image Resize = 0", "Image Width = 0",
                       "Image Width Unit = 0", "Image Height = 0", "Image Height Unit = 0", "Keep Aspect Ratio = 1",
                       "Image Resize Type = 0", "Image Resize Algorithm = 3", "Do Image Flip Horizontal = 0",
                       "Do Image Flip Vertical = 0"}},
        {"Adjustment", {"Do Image Color Correction = 0", "Image Brightness = 0", "Image Contrast = 0",
                        "Image Gamma = 1.000000", "Image Invert = 0", "Do Image Greyscale = 0",
                        "Do Image Threshold = 0", "Image Threshold = 0", "Do Image Dither = 0",
                        "Image Dither Algorithm = 0"}},
        {"Frame", {"Do Frame = 0", "Solid Left = 0", "Solid Right = 0", "Solid Top = 0", "Solid Bottom = 0",
                   "Solid Left Color = 000000", "Solid Right Color = 000000", "Solid Top Color = 000000",
                   "Solid Bottom Color = 000000", "Solid Opacity = 255"}},
        {"Watermark", {"Do Watermark = 0", std::string("Text = ") + kVendorNotice, "Fonts = Arial,Tahoma,Verdana",
                       "Font = Arial", "Font Size = 14", "Font Leading = 0", "Font Colors = " + kColours,
                       "Font Color = FFFFFF", "Font Style = 0", "Font Effect = 0", "Text Antialiasing = 0",
                       "Text Alignment = 0", "Text Padding = 0", "Text Opacity = 255", "Back Colors = " + kColours,
                       "Back Color = 000000", "Back Opacity = 1", "Text Boundary = 0", "Text Position = 8",
                       "Text X Offset = 10", "Text Y Offset = 10", "Text Rotation = 0", "Text Size = 0",
                       "Text Scale = 10", "Image = ", "Image Greyscale = 0", "Image Opacity = 255",
                       "Image Boundary = 0", "Image Position = 8", "Image X Offset = 10", "Image Y Offset = 10",
                       "Image Rotation = 0", "Image Size = 0", "Image Scale = 10"}},
        {"Advanced", {"Filename Mask = %filename%.%ext%", "File Timestamp = 0", "Custom Timestamp = 1700000000",
                      "Out Folders History = 1", "Out Folders Number = 5", "Keep Subfolders = 1"}},
        {"File", {"Recent Out Folders = ", "Recent Files = "}},
        {"Privacy", {"Clean Recent Files = 0"}},
    };
}

Settings WindowDefaults() {
    Settings settings;
    ApplyDefaults(settings, DefaultsProfile::Window, kNow, 1920, 1080);
    return settings;
}

Settings Read(std::string_view bytes) {
    Settings settings;
    ReadConfigText(bytes, settings, kNow);
    return settings;
}

// A field's value as the file would spell it, so one table can hold expectations of every kind.
std::string ValueOf(const Settings& settings, const std::string& name) {
    const SettingField* field = FindSetting(name);
    if (!field) return "<no such field " + name + ">";
    if (field->kind == FieldKind::String || field->kind == FieldKind::Colour) return GetText(settings, *field);
    if (field->kind == FieldKind::Float) {
        const float value = GetFloat(settings, *field);
        if (std::isnan(value)) return "NaN";
        if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
        char buffer[64];
        return std::string(buffer, std::to_chars(buffer, buffer + 64, value, std::chars_format::fixed, 6).ptr);
    }
    return std::to_string(GetInteger(settings, *field));
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        if (DecodeUtf8(text, i, length) < 0) return false;
        i += length;
    }
    return true;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// ---- Writing ----

TEST(ConfigFileText, DefaultsAreWrittenInTheExactLayout) {
    EXPECT_EQ(ConfigFileText(WindowDefaults()),
              Layout(DefaultLayout({"IsMaximized = 0", "Width = 510", "Height = 260", "X = 705", "Y = 410"})));
}

TEST(ConfigFileText, WithoutSavedPositionTheWindowSectionIsEmptyAndTheNextStartUsesTheFixedPlace) {
    Settings settings = WindowDefaults();
    settings.saveWindowPosition = 0;
    settings.windowWidth = 900;
    std::vector<Section> layout = DefaultLayout({});
    layout[0].second.back() = "Save Window Position = 0";
    const std::string text = ConfigFileText(settings);
    EXPECT_EQ(text, Layout(layout));

    const Settings next = Read(text);
    EXPECT_EQ(next.windowWidth, 510);
    EXPECT_EQ(next.windowHeight, 260);
    EXPECT_EQ(next.windowX, 100);
    EXPECT_EQ(next.windowY, 100);
}

TEST(ConfigFileText, ValuesOfEveryKindAreEncodedAsTheyAreAndAMigratedFileIsSavedAsToday) {
    Settings settings = WindowDefaults();
    settings.cfg = 10;
    settings.gamma = 2.5f;
    settings.brightness = -100;
    settings.updateDate = 4102444800;  // beyond 32 bits
    settings.wmFont = "Caf\xC3\xA9 Sans";
    settings.recentOutFolders = "/home/a/\t/home/b/";
    const std::string text = ConfigFileText(settings);
    EXPECT_NE(text.find("\r\nCFG = 19\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nImage Gamma = 2.500000\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nImage Brightness = -100\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nUpdate Date = 4102444800\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nFont = Caf\xC3\xA9 Sans\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nRecent Out Folders = /home/a/\t/home/b/\r\n"), std::string::npos);

    for (const auto& [gamma, written] : std::vector<std::pair<float, std::string>>{
             {INFINITY, "+Infinity"}, {-INFINITY, "-Infinity"}, {NAN, "NaN"}, {0.125f, "0.125000"}}) {
        settings.gamma = gamma;
        EXPECT_NE(ConfigFileText(settings).find("\r\nImage Gamma = " + written + "\r\n"), std::string::npos) << written;
    }
}

// A line break inside a string would end the value and begin a line of its own: here a key that would
// win over the real Image line below it.
TEST(ConfigFileText, ALineBreakInsideAStringCannotAddALine) {
    Settings settings = WindowDefaults();
    settings.wmText = std::string("first\r\nImage = /etc/shadow\nlast\0x", 33);
    const Settings read = Read(ConfigFileText(settings));
    EXPECT_EQ(read.wmImage, "");
    EXPECT_EQ(read.wmText, std::string("first  Image = /etc/shadow last x"));
}

TEST(ConfigFileText, EveryFieldSurvivesTheRoundTripAndTheBytesRepeat) {
    Settings settings = WindowDefaults();
    long long counter = 1;
    for (const SettingField& field : SettingFields()) {
        if (field.kind == FieldKind::String || field.kind == FieldKind::Colour) {
            SetText(settings, field, "v\xC3\xA4lue " + std::to_string(counter));
        } else if (field.kind == FieldKind::Float) {
            SetFloat(settings, field, 0.37f);
        } else if (field.name() != "General/CFG" && field.name() != "General/Save Window Position") {
            SetInteger(settings, field, counter % 40 + 1);
        }
        ++counter;
    }
    settings.windowWidth = 777;
    settings.windowHeight = 300;
    settings.filenameMask = "%filename%-%n%.%ext%";
    TempDir dir;
    const std::string path = dir.path + "config.ini";
    ASSERT_TRUE(SaveConfigFile(path, settings));
    Settings read;
    ASSERT_TRUE(LoadConfigFile(path, read, kNow + 5, 1920, 1080));
    // Every field is read back, the unwritten per-format keys as their defaults.
    const Settings defaults = WindowDefaults();
    const std::string text = ReadFileText(path);
    for (const SettingField& field : SettingFields()) {
        const bool written = text.find("\r\n" + std::string(field.key) + " = ") != std::string::npos;
        EXPECT_EQ(ValueOf(read, field.name()), ValueOf(written ? settings : defaults, field.name())) << field.name();
    }
    EXPECT_EQ(ConfigFileText(read), text);
}

// ---- Reading: quirks and migrations ----

struct ReadCase {
    const char* what;
    std::string file;
    std::string field;
    std::string expected;
};

TEST(ReadConfigText, QuirksAndMigrations) {
    const std::vector<ReadCase> cases = {
        {"names in any case", "[output]\njpg quality = 80", "Output/JPG Quality", "80"},
        {"blanks around the value", "[Watermark]\nFont =   Verdana  ", "Watermark/Font", "Verdana"},
        {"tabs and leading blanks", "[Watermark]\n \t Font\t=\t Tahoma \t\r\n", "Watermark/Font", "Tahoma"},
        {"CR alone ends a line", "[Output]\rJPG Quality = 70\rJPG BPP = 8", "Output/JPG BPP", "8"},
        {"an equals sign inside the value", "[Watermark]\nText = a = b", "Watermark/Text", "a = b"},
        {"a key without value", "[Output]\nJPG Quality", "Output/JPG Quality", "0"},
        {"text that is not a number is 0", "[Output]\nJPG Quality = high", "Output/JPG Quality", "0"},
        {"the leading number counts", "[Output]\nJPG Quality = 80abc", "Output/JPG Quality", "80"},
        {"a missing key is its default", "[Output]\nJPG BPP = 8", "Output/JPG Quality", "95"},
        {"a missing section is its defaults", "[General]\nCFG = 19", "Watermark/Font Size", "14"},
        {"the first key wins", "[Output]\nJPG Quality = 60\nJPG Quality = 70", "Output/JPG Quality", "60"},
        {"a key of another section", "[General]\nJPG Quality = 10", "Output/JPG Quality", "95"},
        {"a repeated section is not searched", "[Output]\nJPG BPP = 8\n[Output]\nJPG Quality = 5",
         "Output/JPG Quality", "95"},
        {"comments", "[Output]\n; JPG Quality = 10\n  ;JPG Quality = 11", "Output/JPG Quality", "95"},
        {"keys before any section", "JPG Quality = 3\n[Output]", "Output/JPG Quality", "95"},
        {"a section without its bracket", "[Output\nJPG Quality = 7", "Output/JPG Quality", "7"},
        {"a blank inside the brackets is part of the name", "[ Output ]\nJPG Quality = 7", "Output/JPG Quality", "95"},
        {"a per-format key that is never written", "[Output]\nPNG Compression = 3", "Output/PNG Compression", "3"},
        {"the untouched keys", "[File]\nRecent Files = a\tb", "File/Recent Files", "a\tb"},
        {"the untouched keys", "[privacy]\nclean recent files = 1", "Privacy/Clean Recent Files", "1"},
        {"a date beyond 32 bits", "[General]\nUpdate Date = 4102444800", "General/Update Date", "4102444800"},
        {"a missing date is now", "[General]\nCFG = 19", "Advanced/Custom Timestamp", "1700000000"},
        {"a float", "[Adjustment]\nImage Gamma = 2.5", "Adjustment/Image Gamma", "2.500000"},
        {"a float with a comma", "[Adjustment]\nImage Gamma = 1,5", "Adjustment/Image Gamma", "1.000000"},
        {"a float that is not a number", "[Adjustment]\nImage Gamma = x", "Adjustment/Image Gamma", "0.000000"},
        {"infinity", "[Adjustment]\nImage Gamma = +INFINITY", "Adjustment/Image Gamma", "+Infinity"},
        {"minus infinity", "[Adjustment]\nImage Gamma = -infinity", "Adjustment/Image Gamma", "-Infinity"},
        {"not a number", "[Adjustment]\nImage Gamma = nan", "Adjustment/Image Gamma", "NaN"},
        {"UTF-8 after the mark", "\xEF\xBB\xBF[Watermark]\nFont = Caf\xC3\xA9", "Watermark/Font", "Caf\xC3\xA9"},
        {"ISO-8859-1 without the mark", "[Watermark]\nFont = Caf\xE9", "Watermark/Font", "Caf\xC3\xA9"},
        {"UTF-8 without the mark", "[Watermark]\nFont = Caf\xC3\xA9", "Watermark/Font", "Caf\xC3\xA9"},
        {"a stray byte after the mark", "\xEF\xBB\xBF[Watermark]\nFont = Caf\xE9", "Watermark/Font", "Caf\xC3\xA9"},
        {"an overlong form is not UTF-8", "[Watermark]\nFont = \xC0\xAF", "Watermark/Font", "\xC3\x80\xC2\xAF"},
        {"a NUL byte ends the value", std::string("[Watermark]\nFont = Ari\0al", 25), "Watermark/Font", "Ari"},
        {"no window keys: 510 x 260", "[General]\nCFG = 19", "Window/Width", "510"},
        {"no window keys: at 100", "[General]\nCFG = 19", "Window/X", "100"},
        {"no window keys: at 100", "[General]\nCFG = 19", "Window/Y", "100"},
        {"the version read is kept", "[General]\nCFG = 10", "General/CFG", "10"},
        {"a missing version is 0", "[Output]\nJPG BPP = 8", "General/CFG", "0"},
        // Migrations.
        {"before 11 the mask gets its extension", "[General]\nCFG = 10\n[Advanced]\nFilename Mask = %filename%_small",
         "Advanced/Filename Mask", "%filename%_small.%ext%"},
        {"before 11 a mask with the extension", "[General]\nCFG = 10\n[Advanced]\nFilename Mask = %filename%.%ext%",
         "Advanced/Filename Mask", "%filename%.%ext%"},
        {"before 11 the extension in capitals", "[General]\nCFG = 10\n[Advanced]\nFilename Mask = %filename%.%EXT%",
         "Advanced/Filename Mask", "%filename%.%EXT%"},
        {"no version: the mask is migrated", "[Advanced]\nFilename Mask = a", "Advanced/Filename Mask", "a.%ext%"},
        {"from 11 the mask stays", "[General]\nCFG = 11\n[Advanced]\nFilename Mask = %filename%_small",
         "Advanced/Filename Mask", "%filename%_small"},
        {"before 14 raw modes move by 2", "[General]\nCFG = 13\n[Input]\nRAW Load As = 1", "Input/RAW Load As", "3"},
        {"before 14 raw mode 0 stays", "[General]\nCFG = 13\n[Input]\nRAW Load As = 0", "Input/RAW Load As", "0"},
        {"from 14 raw modes stay", "[General]\nCFG = 14\n[Input]\nRAW Load As = 1", "Input/RAW Load As", "1"},
        {"before 19 the old PSD key", "[General]\nCFG = 18\n[Input]\nPSD Color Model = 2\nPSD Color Mode = 0",
         "Input/PSD Color Mode", "2"},
        {"before 19 an old PSD key of 0", "[General]\nCFG = 18\n[Input]\nPSD Color Model = 0\nPSD Color Mode = 1",
         "Input/PSD Color Mode", "1"},
        {"before 19 the old TIFF key", "[General]\nCFG = 18\n[Output]\ntiff color model = 1",
         "Output/TIFF Color Mode", "1"},
        {"from 19 the old key is ignored", "[General]\nCFG = 19\n[Input]\nPSD Color Model = 2",
         "Input/PSD Color Mode", "0"},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ValueOf(Read(c.file), c.field), c.expected) << c.what;
    }
}

// ---- Bad input ----

struct BadCase {
    const char* what;
    std::string file;
    std::string field;   // "" when only the general sanity holds
    std::string expected;
};

TEST(ReadConfigText, DamageIsMendedAndTheWindowStillOpensSane) {
    std::string garbage;
    for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919 + (i >> 3)) & 0xFF);
    const std::string valid = ConfigFileText(WindowDefaults());
    std::string fonts;
    while (fonts.size() < 1024 * 1024) fonts += "Some Font Name,";

    const std::vector<BadCase> cases = {
        {"binary garbage", garbage, "Output/JPG Quality", "95"},
        {"garbage after a valid file", valid + garbage, "Output/JPG Quality", "95"},
        {"a file cut in half", valid.substr(0, valid.size() / 2), "Watermark/Font Size", "14"},
        {"a file cut in half keeps its first half", valid.substr(0, valid.size() / 2), "Window/X", "705"},
        {"an empty file", "", "Window/Width", "510"},
        {"a negative width", "[Window]\nWidth = -5", "Window/Width", "510"},
        {"a huge width", "[Window]\nWidth = 99999999999999", "Window/Width", "16384"},
        {"a huge height", "[Window]\nHeight = 2147483647", "Window/Height", "16384"},
        {"a window far off", "[Window]\nX = -2147483648", "Window/X", "-16384"},
        {"a window far off", "[Window]\nY = 9999999999999999999999", "Window/Y", "16384"},
        {"no recent folders kept", "[Advanced]\nOut Folders Number = 0", "Advanced/Out Folders Number", "1"},
        {"too many recent folders", "[Advanced]\nOut Folders Number = 200", "Advanced/Out Folders Number", "50"},
        {"a negative count", "[Advanced]\nOut Folders Number = -3", "Advanced/Out Folders Number", "1"},
        {"an 8-bit field saturates", "[Transform]\nDo Image Resize = 300", "Transform/Do Image Resize", "127"},
        {"a 32-bit field saturates", "[Output]\nJPG Quality = -99999999999", "Output/JPG Quality", "-2147483648"},
        {"a raw mode at the end of its range", "[General]\nCFG = 1\n[Input]\nRAW Load As = 2147483647",
         "Input/RAW Load As", "2147483647"},
        {"a megabyte of fonts is kept", "[Watermark]\nFonts = " + fonts, "Watermark/Fonts",
         std::string(TrimBlanksAndTabs(fonts))},
        {"countless unknown keys", [] {
             std::string text = "[Output]\n";
             for (int i = 0; i < 100000; ++i) text += "Key " + std::to_string(i) + " = x\n";
             return text + "JPG Quality = 42\n";
         }(), "Output/JPG Quality", "42"},
        {"countless sections", [] {
             std::string text;
             for (int i = 0; i < 100000; ++i) text += "[S" + std::to_string(i) + "]\n";
             return text + "[Output]\nJPG Quality = 42\n";
         }(), "Output/JPG Quality", "42"},
        {"one endless line", std::string(3 * 1024 * 1024, 'A'), "Output/JPG Quality", "95"},
    };
    for (const BadCase& c : cases) {
        const Settings settings = Read(c.file);
        EXPECT_EQ(ValueOf(settings, c.field), c.expected) << c.what;
        EXPECT_GE(settings.windowWidth, 510) << c.what;
        EXPECT_GE(settings.windowHeight, 260) << c.what;
        EXPECT_GE(settings.outFoldersNumber, 1) << c.what;
        EXPECT_LE(settings.outFoldersNumber, 50) << c.what;
        for (const SettingField& field : SettingFields()) {
            EXPECT_TRUE(IsValidUtf8(GetText(settings, field))) << c.what << ": " << field.name();
        }
    }
}

// ---- The file on disk ----

class ConfigFileOnDisk : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.path + "config.ini";

    // What cannot be read gives the window defaults, centred on the desktop.
    void ExpectNotRead(const char* what) {
        Settings settings;
        settings.jpgQuality = 1;
        EXPECT_FALSE(LoadConfigFile(path, settings, kNow, 1920, 1080)) << what;
        EXPECT_EQ(ConfigFileText(settings), ConfigFileText(WindowDefaults())) << what;
        EXPECT_EQ(settings.windowX, 705) << what;
        EXPECT_EQ(settings.cfg, 19) << what;
    }
};

TEST_F(ConfigFileOnDisk, WhatCannotBeReadGivesTheCentredWindowDefaults) {
    ExpectNotRead("missing");
    std::filesystem::create_directory(path);
    ExpectNotRead("a folder");
    std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    ExpectNotRead("a pipe with no writer");  // must not wait for one
    std::filesystem::remove(path);
    std::filesystem::create_symlink("/dev/zero", path);
    ExpectNotRead("an endless device");
    std::filesystem::remove(path);
    WriteBytes(path, "[Output]\nJPG Quality = 42\n" + std::string(kMaxConfigFileBytes, ';'));
    ExpectNotRead("a file beyond the size a settings file can have");
}

TEST_F(ConfigFileOnDisk, AnEmptyPathIsNeitherReadNorWritten) {
    Settings settings;
    EXPECT_FALSE(LoadConfigFile("", settings, kNow, 0, 0));
    EXPECT_EQ(settings.windowX, 100);
    EXPECT_FALSE(SaveConfigFile("", settings));
}

TEST_F(ConfigFileOnDisk, AnUnreadableFileGivesTheDefaults) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser reads any file";
    WriteBytes(path, "[Output]\nJPG Quality = 42\n");
    chmod(path.c_str(), 0);
    ExpectNotRead("unreadable");
}

TEST_F(ConfigFileOnDisk, ASaveThatCannotBeMadeFailsQuietlyAndKeepsTheOldFile) {
    EXPECT_FALSE(SaveConfigFile(dir.path + "missing/config.ini", WindowDefaults()));
    std::filesystem::create_directory(path);
    EXPECT_FALSE(SaveConfigFile(path, WindowDefaults()));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    std::filesystem::remove(path);
    if (geteuid() == 0) return;  // the superuser writes into any folder
    WriteBytes(path, "old");
    chmod(dir.path.c_str(), 0500);
    const bool saved = SaveConfigFile(path, WindowDefaults());
    chmod(dir.path.c_str(), 0700);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFileText(path), "old");
}

TEST_F(ConfigFileOnDisk, ASaveReplacesTheFileAndKeepsItsMode) {
    WriteBytes(path, "[Output]\nJPG Quality = 42\n");
    chmod(path.c_str(), 0600);
    Settings settings;
    ASSERT_TRUE(LoadConfigFile(path, settings, kNow, 1920, 1080));
    EXPECT_EQ(settings.jpgQuality, 42);
    EXPECT_EQ(settings.windowX, 100);
    ASSERT_TRUE(SaveConfigFile(path, settings));
    EXPECT_EQ(ReadFileText(path), ConfigFileText(settings));
    struct stat status {};
    stat(path.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), std::filesystem::directory_iterator()), 1);
}

}  // namespace

}  // namespace ravelin
