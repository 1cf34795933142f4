#include "engine/safe_save.h"

#include "platform/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace ravelin {

namespace {

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat first {}, second {};
    if (stat(a.c_str(), &first) != 0 || stat(b.c_str(), &second) != 0) return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// The encoder's output goes straight to the file through a small buffer: no copy of the whole encoded
// picture is held in memory. The first failed write (a full disk) is remembered and fails the save,
// whatever the codec makes of the short count it is given.
class FileSink {
public:
    explicit FileSink(int fd) : fd_(fd) { buffer_.reserve(kCapacity); }

    bool Put(const unsigned char* data, std::size_t size) {
        if (failed_) return false;
        if (buffer_.size() + size > kCapacity && !Flush()) return false;
        if (size >= kCapacity) return WriteAll(data, size);
        buffer_.insert(buffer_.end(), data, data + size);
        return true;
    }
    bool Flush() {
        if (failed_) return false;
        const bool ok = WriteAll(buffer_.data(), buffer_.size());
        buffer_.clear();
        return ok;
    }
    // Codecs that seek see the file as written so far.
    bool Seek(long offset, int origin) { return Flush() && lseek(fd_, offset, origin) >= 0; }
    long Tell() {
        if (!Flush()) return -1;
        return static_cast<long>(lseek(fd_, 0, SEEK_CUR));
    }

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    bool WriteAll(const unsigned char* data, std::size_t size) {
        while (size > 0 && !failed_) {
            const ssize_t wrote = write(fd_, data, size);
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote <= 0) {
                failed_ = true;
                break;
            }
            data += wrote;
            size -= static_cast<std::size_t>(wrote);
        }
        return !failed_;
    }

    int fd_;
    bool failed_ = false;
    std::vector<unsigned char> buffer_;
};

unsigned DLL_CALLCONV SinkRead(void*, unsigned, unsigned, fi_handle) {
    return 0;  // the file is only written
}

unsigned DLL_CALLCONV SinkWrite(void* data, unsigned size, unsigned count, fi_handle handle) {
    const std::size_t bytes = static_cast<std::size_t>(size) * count;
    return static_cast<FileSink*>(handle)->Put(static_cast<const unsigned char*>(data), bytes) ? count : 0;
}

int DLL_CALLCONV SinkSeek(fi_handle handle, long offset, int origin) {
    return static_cast<FileSink*>(handle)->Seek(offset, origin) ? 0 : -1;
}

long DLL_CALLCONV SinkTell(fi_handle handle) {
    return static_cast<FileSink*>(handle)->Tell();
}

bool WriteEncoded(const Bitmap& bitmap, int formatId, int flags, int fd) {
    FileSink sink(fd);
    FreeImageIO io{SinkRead, SinkWrite, SinkSeek, SinkTell};
    const bool saved = FreeImage_SaveToHandle(static_cast<FREE_IMAGE_FORMAT>(formatId), bitmap.get(), &io,
                                              static_cast<fi_handle>(&sink), flags);
    return sink.Flush() && saved && lseek(fd, 0, SEEK_END) > 0;
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

}  // namespace ravelin
