#include "platform/app_data.h"

#include "run_program.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace ravelin {

namespace {

// Points the user's configuration folders into a temporary folder and puts them back afterwards, so no
// test ever reaches the real configuration.
class AppData : public ::testing::Test {
protected:
    void SetUp() override {
        Save("XDG_CONFIG_HOME", savedConfig_);
        Save("HOME", savedHome_);
        setenv("XDG_CONFIG_HOME", (dir.path + "xdg").c_str(), 1);
        setenv("HOME", (dir.path + "home").c_str(), 1);
    }
    void TearDown() override {
        Restore("XDG_CONFIG_HOME", savedConfig_);
        Restore("HOME", savedHome_);
    }

    TempDir dir;

private:
    static void Save(const char* name, std::optional<std::string>& saved) {
        if (const char* value = std::getenv(name)) saved = value;
    }
    static void Restore(const char* name, const std::optional<std::string>& saved) {
        if (saved) setenv(name, saved->c_str(), 1);
        else unsetenv(name);
    }
    std::optional<std::string> savedConfig_, savedHome_;
};

TEST_F(AppData, EveryMissingLevelIsCreatedUnderTheConfigurationFolder) {
    const std::string path = PrepareConfigFilePath();
    EXPECT_EQ(path, dir.path + "xdg/Orvanta/ravelin/config.ini");
    EXPECT_EQ(AppDataFolder(), dir.path + "xdg/Orvanta/ravelin/");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path + "xdg/Orvanta/ravelin"));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(PrepareConfigFilePath(), path);  // a second start finds them in place
}

TEST_F(AppData, WithoutAnAbsoluteXdgFolderTheHomeConfigurationIsUsed) {
    for (const char* value : {"", "relative/path"}) {
        setenv("XDG_CONFIG_HOME", value, 1);
        EXPECT_EQ(PrepareConfigFilePath(), dir.path + "home/.config/Orvanta/ravelin/config.ini") << value;
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(PrepareConfigFilePath(), dir.path + "home/.config/Orvanta/ravelin/config.ini");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path + "home/.config/Orvanta/ravelin"));
}

TEST_F(AppData, AnUnknownFolderGivesNoPathAndCreatesNothingAtTheRoot) {
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_EQ(PrepareConfigFilePath(), "");
    EXPECT_EQ(AppDataFolder(), "");
}

TEST_F(AppData, ALevelThatCannotBeCreatedIsSilent) {
    std::filesystem::create_directories(dir.path + "xdg");
    std::ofstream(dir.path + "xdg/Orvanta") << "a file in the way";
    EXPECT_EQ(PrepareConfigFilePath(), dir.path + "xdg/Orvanta/ravelin/config.ini");
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.path + "xdg/Orvanta"));
}

}  // namespace

}  // namespace ravelin
