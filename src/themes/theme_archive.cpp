#include "themes/theme_archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <sys/stat.h>

#include <memory>

namespace ravelin {
namespace {

struct ArchiveFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
using ArchiveHandle = std::unique_ptr<archive, ArchiveFree>;

// A zip reader over the file, or null. Each pass opens the file afresh: libarchive reads zips forwards.
ArchiveHandle OpenZip(const std::string& path) {
    ArchiveHandle a(archive_read_new());
    if (!a) return nullptr;
    if (archive_read_support_format_zip(a.get()) != ARCHIVE_OK) return nullptr;
    if (archive_read_open_filename(a.get(), path.c_str(), 16384) != ARCHIVE_OK) return nullptr;
    return a;
}

}  // namespace

std::optional<ThemeArchive> ThemeArchive::Open(const std::string& path) {
    struct stat info{};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (info.st_size <= 0 || static_cast<std::uint64_t>(info.st_size) > kMaxThemeArchiveBytes) return std::nullopt;
    ArchiveHandle a = OpenZip(path);
    if (!a) return std::nullopt;

    ThemeArchive result(path);
    archive_entry* entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(a.get(), &entry)) == ARCHIVE_OK || status == ARCHIVE_WARN) {
        const char* name = archive_entry_pathname(entry);
        if (name && archive_entry_filetype(entry) == AE_IFREG && archive_entry_size_is_set(entry) &&
            archive_entry_size(entry) > 0) {
            result.entries_[name] = static_cast<std::uint64_t>(archive_entry_size(entry));
        }
    }
    // A first header that cannot be read means this is no zip at all.
    if (status != ARCHIVE_EOF && result.entries_.empty()) return std::nullopt;
    return result;
}

std::optional<std::string> ThemeArchive::ReadPrefix(const std::string& name, std::uint64_t limit) const {
    const auto listed = entries_.find(name);
    if (listed == entries_.end() || limit == 0) return std::nullopt;
    // The size is checked before a byte is read: a whole entry above the bound is refused outright.
    if (limit >= kMaxThemeEntryBytes && listed->second > kMaxThemeEntryBytes) return std::nullopt;
    if (limit > kMaxThemeEntryBytes) limit = kMaxThemeEntryBytes;
    const std::uint64_t wanted = std::min(listed->second, limit);

    ArchiveHandle a = OpenZip(path_);
    if (!a) return std::nullopt;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        const char* entryName = archive_entry_pathname(entry);
        if (!entryName || name != entryName) continue;
        std::string bytes(static_cast<std::size_t>(wanted), '\0');
        std::size_t filled = 0;
        while (filled < bytes.size()) {
            const la_ssize_t got = archive_read_data(a.get(), bytes.data() + filled, bytes.size() - filled);
            if (got < 0) return std::nullopt;
            if (got == 0) break;
            filled += static_cast<std::size_t>(got);
        }
        bytes.resize(filled);
        // A whole entry shorter than its header claims is damaged.
        if (wanted == listed->second && filled != wanted) return std::nullopt;
        return bytes;
    }
    return std::nullopt;
}

}  // namespace ravelin
