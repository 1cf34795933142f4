#include "step_helpers.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include <unistd.h>

namespace ravelin {

namespace step_test {

Settings ChainSettings() {
    Settings settings;
    ApplyDefaults(settings, DefaultsProfile::Console, static_cast<Date>(std::time(nullptr)));
    return settings;
}

std::string SavePicture(const Bitmap& bitmap, FREE_IMAGE_FORMAT format, const std::string& name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ravelin-step-tests";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / (std::to_string(::getpid()) + "-" + name)).string();
    EXPECT_TRUE(FreeImage_Save(format, bitmap.get(), path.c_str(), 0)) << path;
    return path;
}

}  // namespace step_test

}  // namespace ravelin
