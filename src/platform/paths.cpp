#include "platform/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace ravelin {

std::string ProgramFolder() {
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) return "./";
    const std::string path(buffer.data(), static_cast<std::size_t>(length));
    return std::string(FolderPart(path));
}

std::string UserConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return WithTrailingSlash(config);
    const char* home = std::getenv("HOME");
    if (home && *home) return WithTrailingSlash(home) + ".config/";
    return {};
}

PathInfo QueryPath(const std::string& path) {
    struct stat status {};
    if (path.empty() || stat(path.c_str(), &status) != 0) return {};
    if (S_ISDIR(status.st_mode)) return {PathKind::Folder, 0};
    return {PathKind::File, static_cast<std::uint64_t>(status.st_size)};
}

std::string_view FileNamePart(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderPart(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
}

std::string_view ExtensionOf(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return name.substr(dot + 1);
}

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace ravelin
