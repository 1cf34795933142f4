#pragma once
// A theme archive: a zip file read with libarchive, nothing ever written to disk. Sizes are checked before
// anything is read, so a hostile archive costs at most the bounds below in memory.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

struct archive;

namespace ravelin {

inline constexpr std::uint64_t kMaxThemeArchiveBytes = 64ull << 20;
inline constexpr std::uint64_t kMaxThemeEntryBytes = 16ull << 20;

class ThemeArchive {
public:
    // Opens a regular, non-empty file of at most kMaxThemeArchiveBytes and lists its entries; empty optional
    // when it is anything else or not a readable zip.
    static std::optional<ThemeArchive> Open(const std::string& path);

    ThemeArchive(ThemeArchive&&) noexcept = default;
    ThemeArchive& operator=(ThemeArchive&&) noexcept = default;

    // Entry name (exact, case counts) → uncompressed size; entries of size 0 are left out.
    const std::map<std::string, std::uint64_t>& Entries() const { return entries_; }

    // The whole entry, or empty when it is absent, larger than kMaxThemeEntryBytes or unreadable.
    std::optional<std::string> Read(const std::string& name) const { return ReadPrefix(name, kMaxThemeEntryBytes); }
    // At most the first `limit` bytes of an entry (the scan reads only the start of theme.cfg).
    std::optional<std::string> ReadPrefix(const std::string& name, std::uint64_t limit) const;

private:
    explicit ThemeArchive(std::string path) : path_(std::move(path)) {}
    std::string path_;
    std::map<std::string, std::uint64_t> entries_;
};

}  // namespace ravelin
