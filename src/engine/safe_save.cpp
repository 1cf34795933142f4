#include "engine/safe_save.h"

#include "platform/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace {

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat first {}, second {};
    if (stat(a.c_str(), &first) != 0 || stat(b.c_str(), &second) != 0) return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// Encodes in memory, so that every write error (a full disk) is seen here rather than lost inside the codec.
bool WriteEncoded(const Bitmap& bitmap, int formatId, int flags, int fd) {
    FIMEMORY* memory = FreeImage_OpenMemory();
    if (!memory) return false;
    bool ok = FreeImage_SaveToMemory(static_cast<FREE_IMAGE_FORMAT>(formatId), bitmap.get(), memory, flags);
    BYTE* data = nullptr;
    DWORD size = 0;
    ok = ok && FreeImage_AcquireMemory(memory, &data, &size) && size > 0;
    for (DWORD done = 0; ok && done < size;) {
        const ssize_t wrote = write(fd, data + done, size - done);
        if (wrote < 0 && errno == EINTR) continue;
        ok = wrote > 0;
        if (ok) done += static_cast<DWORD>(wrote);
    }
    FreeImage_CloseMemory(memory);
    return ok;
}

// Creates a new file beside `path` (mode 0666 less the umask, like any output); returns its name and
// leaves it open in `fd`.
std::string CreateTemporaryBeside(const std::string& path, int& fd) {
    static std::atomic<unsigned> counter{0};
    const std::string folder(FolderPart(path));
    const std::string name(FileNamePart(path));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = folder + "." + name + "." + std::to_string(getpid()) + "-" +
                                      std::to_string(counter.fetch_add(1)) + ".part";
        fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return candidate;
        if (errno != EEXIST) return {};
    }
    return {};
}

}  // namespace

bool SaveReplacing(const Bitmap& bitmap, int formatId, int flags, const std::string& path, const std::string& source) {
    if (!bitmap || path.empty() || FileNamePart(path).empty()) return false;
    if (IsSameFile(path, source)) return false;
    if (IsExistingFolder(path)) return false;

    int fd = -1;
    const std::string temporary = CreateTemporaryBeside(path, fd);
    if (temporary.empty()) return false;
    bool saved = WriteEncoded(bitmap, formatId, flags, fd);
    saved = (close(fd) == 0) && saved;
    if (!saved || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
