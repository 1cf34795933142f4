#include "platform/app_data.h"

#include "platform/paths.h"

#include <sys/stat.h>

namespace ravelin {

namespace {

constexpr const char* kVendorFolder = "Orvanta";
constexpr const char* kProgramFolder = "ravelin";

// Creates `folder` and any missing parents; errors (an existing entry included) are left for the caller
// to notice later, when the file cannot be opened.
void CreateFolders(const std::string& folder, mode_t mode) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
        mkdir(folder.substr(0, slash).c_str(), mode);
    }
    mkdir(folder.c_str(), mode);
}

}  // namespace

std::string AppDataFolder() {
    // Unknown stays unknown: an empty base must not turn into folders at the root of the file system.
    const std::string base = UserConfigFolder();
    if (base.empty()) return {};
    return base + kVendorFolder + "/" + kProgramFolder + "/";
}

std::string PrepareConfigFilePath() {
    const std::string base = UserConfigFolder();
    if (base.empty()) return {};
    // The configuration folder itself may be missing on a fresh account; it is private to the user.
    if (!IsExistingFolder(base)) CreateFolders(base, 0700);
    std::string folder = base;
    for (const char* level : {kVendorFolder, kProgramFolder}) {
        folder += level;
        folder += '/';
        if (QueryPath(folder).kind == PathKind::Missing) mkdir(folder.c_str(), 0777);
    }
    return folder + "config.ini";
}

}  // namespace ravelin
