// Finding the installed themes and applying one: which archive, which entries, which slots.

#include "gui/image_sets.h"
#include "settings/settings.h"
#include "themes/theme_images.h"
#include "themes/theme_list.h"

#include "gui_fixture.h"
#include "run_program.h"
#include "theme_zip.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace ravelin {
namespace {

std::string Png(int size, QColor colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

class ThemeListTest : public ::testing::Test {
protected:
    void SetUp() override { GuiTestRoot(); }
    void Theme(const std::string& name, const ZipEntries& entries) {
        ASSERT_TRUE(WriteZip(dir.path + name + ".zip", entries));
    }
    TempDir dir;
};

TEST_F(ThemeListTest, ScanNamesThemesAndTheChooserSortsAndHides) {
    Theme("beta", {{"theme.cfg", "; b\r\n[Theme]\r\nName=Beta look\r\n"}});
    Theme("Alpha", {{"theme.cfg", "; a" + std::string(300, ' ') + "\r\n[Theme]\r\nName=Alpha look\r\n"}});
    Theme("gamma", {{"theme.cfg", "; g\r\n[Theme]\r\nName=Gamma\r\n"}});
    ASSERT_TRUE(WriteWholeFile(dir.path + "broken.zip", "not a zip"));
    ASSERT_TRUE(WriteWholeFile(dir.path + "readme.txt", "x"));
    ASSERT_EQ(::mkdir((dir.path + "x.zip").c_str(), 0755), 0);

    const ThemeList list = ScanThemes(dir.path);
    const std::map<std::string, std::string> expected = {
        {"Alpha", ""}, {"beta", "Beta look"}, {"broken", "broken"}, {"gamma", "Gamma"}};
    EXPECT_EQ(list.displayNames, expected);
    EXPECT_EQ(list.lastScanned, "gamma");

    const std::vector<std::pair<std::string, std::string>> choices = {
        {"beta", "Beta look"}, {"broken", "broken"}, {"gamma", "Gamma"}};
    EXPECT_EQ(ThemeChoices(list), choices);
    EXPECT_TRUE(ScanThemes(dir.path + "absent/").displayNames.empty());
}

TEST_F(ThemeListTest, FileNamesTakeTheSizeUnlessTheyNameAPng) {
    EXPECT_EQ(ThemeImageFileName("new", 32), "new_32.png");
    EXPECT_EQ(ThemeImageFileName("new", 16), "new_16.png");
    EXPECT_EQ(ThemeImageFileName("big.PNG", 32), "big.PNG");
    EXPECT_EQ(ThemeImageFileName("a.png.old", 24), "a.png.old");
}

TEST_F(ThemeListTest, APartialThemeReplacesOnlyItsOwnKeysAtEachSetsSize) {
    Theme("flat", {{"theme.cfg", "; f\r\n[Theme]\r\nName=Flat\r\n[Buttons]\r\nConvert=go.png\r\n"
                                 "[Icons]\r\nNew=new\r\nExit=exit.png\r\nHelp=help\r\n"},
                   {"go.png", "G"}, {"new_16.png", "N16"}, {"new_32.png", "N32"}, {"exit.png", "E"},
                   {"help_16.png", ""}});
    std::string uiTheme = "flat";
    const ThemeImages images = LoadThemeImages(dir.path, ScanThemes(dir.path), uiTheme, 32, ThemeSetChoice{});
    EXPECT_EQ(images.buttons, (std::map<std::string, std::string>{{"Convert", "G"}}));
    EXPECT_EQ(images.menuIcons, (std::map<std::string, std::string>{{"Exit", "E"}, {"New", "N16"}}));
    EXPECT_EQ(images.toolbarIcons, (std::map<std::string, std::string>{{"Exit", "E"}, {"New", "N32"}}));

    const ThemeImages toolbarOnly =
        LoadThemeImages(dir.path, ScanThemes(dir.path), uiTheme, 16, ThemeSetChoice{false, false, true});
    EXPECT_TRUE(toolbarOnly.buttons.empty());
    EXPECT_TRUE(toolbarOnly.menuIcons.empty());
    EXPECT_EQ(toolbarOnly.toolbarIcons.at("New"), "N16");
}

TEST_F(ThemeListTest, AMissingThemeFallsBackToTheLastScannedAndStoresItsName) {
    Theme("aa", {{"theme.cfg", "; a\r\n[Icons]\r\nNew=a.png\r\n"}, {"a.png", "A"}});
    Theme("bb", {{"theme.cfg", "; b\r\n[Icons]\r\nNew=b.png\r\n"}, {"b.png", "B"}});
    std::string uiTheme = "gone";
    const ThemeImages images = LoadThemeImages(dir.path, ScanThemes(dir.path), uiTheme, 16, ThemeSetChoice{});
    EXPECT_EQ(uiTheme, "bb");
    EXPECT_EQ(images.menuIcons.at("New"), "B");

    std::string none = "gone";
    EXPECT_TRUE(LoadThemeImages(dir.path + "absent/", ThemeList{}, none, 16, ThemeSetChoice{}).menuIcons.empty());
    EXPECT_EQ(none, "gone");
}

TEST_F(ThemeListTest, TheWindowsSlotsTakeDecodedPicturesAndKeepTheRest) {
    ImageSets sets = BuiltInImages(32);
    const QPixmap builtInExit = sets.menuIcons.value("Exit");
    ASSERT_FALSE(builtInExit.isNull());
    ThemeImages images;
    images.menuIcons["New"] = Png(16, Qt::red);
    images.toolbarIcons["New"] = Png(32, Qt::blue);
    images.buttons["Convert"] = "not a png";
    ApplyThemeImages(sets, images);
    EXPECT_EQ(sets.menuIcons.value("New").toImage().pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(sets.toolbarIcons.value("New").width(), 32);
    EXPECT_TRUE(sets.buttons.value("Convert").isNull());
    EXPECT_EQ(sets.menuIcons.value("Exit").cacheKey(), builtInExit.cacheKey());
}

TEST_F(ThemeListTest, StartUpAppliesTheShippedThemeAndKeepsSettingsName) {
    Settings settings;
    settings.uiTheme = "handdrawn";
    settings.uiSize = 2;
    const std::string programFolder = std::string(RAVELIN_BINARY).substr(0, std::string(RAVELIN_BINARY).rfind('/') + 1);
    const ImageSets sets = StartUpImages(settings, programFolder);
    EXPECT_EQ(settings.uiTheme, "handdrawn");
    for (const std::string_view key : kIconKeys) {
        const QString name = QString::fromUtf8(key.data(), static_cast<int>(key.size()));
        EXPECT_EQ(sets.toolbarIcons.value(name).width(), 32) << key;
        EXPECT_EQ(sets.menuIcons.value(name).width(), 16) << key;
    }
}

// The second theme of the repository, zipped into a program folder of the test's own, is what the window
// starts with; a theme that is gone gives way to it and the settings take its name.
TEST_F(ThemeListTest, StartUpShowsTheConfiguredThemeOrFallsBackToAnInstalledOne) {
    const std::string source = std::string(RAVELIN_SOURCE_DIR) + "/data/themes/flat/";
    ZipEntries entries;
    for (const char* name : {"theme.cfg", "convert_button.png", "new_16.png", "new_32.png", "new_24.png"}) {
        entries.emplace_back(name, ReadWholeFile(source + name));
    }
    ASSERT_EQ(::mkdir((dir.path + "gfx").c_str(), 0755), 0);
    ASSERT_TRUE(WriteZip(dir.path + "gfx/flat.zip", entries));
    QPixmap flatButton;
    ASSERT_TRUE(flatButton.loadFromData(QByteArray::fromStdString(ReadWholeFile(source + "convert_button.png"))));
    const ImageSets builtIn = BuiltInImages(32);

    for (const char* configured : {"flat", "gone"}) {
        Settings settings;
        settings.uiTheme = configured;
        settings.uiSize = 1;
        const ImageSets sets = StartUpImages(settings, dir.path);
        EXPECT_EQ(settings.uiTheme, "flat");
        EXPECT_EQ(sets.buttons.value("Convert").toImage(), flatButton.toImage()) << configured;
        EXPECT_EQ(sets.toolbarIcons.value("New").width(), 24);
        EXPECT_NE(sets.toolbarIcons.value("New").toImage(), builtIn.toolbarIcons.value("New").toImage());
        EXPECT_EQ(sets.menuIcons.value("Exit").toImage(), builtIn.menuIcons.value("Exit").toImage());
    }
}

}  // namespace
}  // namespace ravelin
