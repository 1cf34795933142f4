#pragma once
// Host conventions for paths: '/' separates folders, folder paths held by the program end in '/'.

#include <cstdint>
#include <string>
#include <string_view>

namespace ravelin {

// Folder of the running program's file, ending in '/'.
std::string ProgramFolder();

// $XDG_CONFIG_HOME, else $HOME/.config, ending in '/'; empty when neither is known.
std::string UserConfigFolder();

enum class PathKind { Missing, Folder, File };
struct PathInfo {
    PathKind kind = PathKind::Missing;
    std::uint64_t size = 0;  // for files
};
// Missing, folder or file (anything that is not a folder counts as a file, as the size query does).
PathInfo QueryPath(const std::string& path);

inline bool IsExistingFolder(const std::string& path) {
    return QueryPath(path).kind == PathKind::Folder;
}
// An existing file (not a folder) with at least one byte.
inline bool IsNonEmptyFile(const std::string& path) {
    const PathInfo info = QueryPath(path);
    return info.kind == PathKind::File && info.size > 0;
}

// The part after the last '/'.
std::string_view FileNamePart(std::string_view path);
// The part up to and including the last '/', or "".
std::string_view FolderPart(std::string_view path);
// The text after the last '.' of the file-name part; "" when there is none. A name that begins with '.'
// and holds no other dot has none.
std::string_view ExtensionOf(std::string_view path);

// `folder` with a trailing '/' unless it is empty or already ends in one.
std::string WithTrailingSlash(std::string folder);

}  // namespace ravelin
