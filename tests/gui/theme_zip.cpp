#include "theme_zip.h"

#include <archive.h>
#include <archive_entry.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace ravelin {

bool WriteZip(const std::string& path, const ZipEntries& entries) {
    std::unique_ptr<archive, int (*)(archive*)> out(archive_write_new(), archive_write_free);
    if (!out || archive_write_set_format_zip(out.get()) != ARCHIVE_OK ||
        archive_write_open_filename(out.get(), path.c_str()) != ARCHIVE_OK) {
        return false;
    }
    for (const auto& [name, bytes] : entries) {
        std::unique_ptr<archive_entry, void (*)(archive_entry*)> entry(archive_entry_new(), archive_entry_free);
        archive_entry_set_pathname(entry.get(), name.c_str());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), static_cast<la_int64_t>(bytes.size()));
        if (archive_write_header(out.get(), entry.get()) != ARCHIVE_OK) return false;
        if (!bytes.empty() && archive_write_data(out.get(), bytes.data(), bytes.size()) < 0) return false;
    }
    return archive_write_close(out.get()) == ARCHIVE_OK;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace ravelin
