#include "platform/file_replace.h"

#include "platform/paths.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace ravelin {

namespace {

// A short name, never derived from the target's, so that a target of the longest allowed name still has room
// beside it.
std::string ShortTemporaryName() {
    static std::atomic<unsigned> counter{0};
    unsigned char random[6] = {};
    if (getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
        const unsigned mix = static_cast<unsigned>(getpid()) * 2654435761u + counter.fetch_add(1) * 40503u;
        for (unsigned i = 0; i < sizeof random; ++i) random[i] = static_cast<unsigned char>(mix >> (i * 5));
    }
    char name[32];
    std::snprintf(name, sizeof name, ".rvl-%02x%02x%02x%02x%02x%02x.tmp", random[0], random[1], random[2], random[3],
                  random[4], random[5]);
    return name;
}

bool UnnamedFilesCanBeLinked() {
    // Linking an unnamed file goes through its /proc entry (AT_EMPTY_PATH would need a capability).
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

}  // namespace

FileReplacement::FileReplacement(const std::string& path, TemporaryKind kind) {
    targetName_ = std::string(FileNamePart(path));
    error_ = EINVAL;
    if (targetName_.empty()) return;
    const std::string folderPath(FolderPart(path));
    // Everything below works relative to the folder, so a path near the system's limit still works.
    folder_ = OpenFile(folderPath.empty() ? "." : folderPath, O_PATH | O_DIRECTORY);
    if (!folder_) {
        error_ = errno;
        return;
    }

    struct stat target {};
    const bool exists = ::fstatat(folder_.get(), targetName_.c_str(), &target, 0) == 0;
    if (exists) {
        if (S_ISDIR(target.st_mode)) {
            error_ = EISDIR;
            return;
        }
        // A file the user may not write is not replaced, as opening it for writing would be refused.
        if (::faccessat(folder_.get(), targetName_.c_str(), W_OK, AT_EACCESS) != 0) {
            error_ = errno;
            return;
        }
    }
    if (!OpenTemporary(kind)) {
        error_ = errno;
        return;
    }

    if (exists && S_ISREG(target.st_mode)) {
        struct stat made {};
        bool sameOwner = ::fstat(file_.get(), &made) == 0 && made.st_uid == target.st_uid && made.st_gid == target.st_gid;
        if (!sameOwner) {
            // Another user's owner cannot be given away by an ordinary process; the group often can.
            sameOwner = ::fchown(file_.get(), target.st_uid, target.st_gid) == 0;
            if (!sameOwner && made.st_gid != target.st_gid) ::fchown(file_.get(), static_cast<uid_t>(-1), target.st_gid);
        }
        // Set-id bits belong only to the file's own owner and group.
        const mode_t mode = target.st_mode & (sameOwner ? 07777 : 01777);
        if (::fchmod(file_.get(), mode) != 0) {
            error_ = errno;
            Abandon();
            return;
        }
    }
    writer_ = std::make_unique<BufferedFileWriter>(file_.get());
    error_ = 0;
}

bool FileReplacement::OpenTemporary(TemporaryKind kind) {
    if (kind == TemporaryKind::Unnamed && UnnamedFilesCanBeLinked()) {
        // Mode 0666 less the umask, like any new file.
        file_ = OpenFileAt(folder_.get(), ".", O_TMPFILE | O_WRONLY, 0666);
        if (file_) return true;
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
    }
    return PlaceUnderShortName([this](const std::string& name) {
        file_ = OpenFileAt(folder_.get(), name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666);
        return static_cast<bool>(file_);
    });
}

bool FileReplacement::LinkUnnamed() {
    const std::string self = "/proc/self/fd/" + std::to_string(file_.get());
    return PlaceUnderShortName([&](const std::string& name) {
        return ::linkat(AT_FDCWD, self.c_str(), folder_.get(), name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
}

// Tries fresh short names until `make` creates one. Each name is registered for removal on a signal before
// it exists, so that no moment is left in which a signal would leave it behind (the random name makes it
// all but impossible that the name is someone else's).
template <typename Make>
bool FileReplacement::PlaceUnderShortName(Make make) {
    errno = EEXIST;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = ShortTemporaryName();
        removal_.emplace(folder_.get(), name.c_str());
        if (make(name)) {
            temporaryName_ = name;
            return true;
        }
        const int failure = errno;  // kept for error() whatever the deregistration does to errno
        removal_.reset();
        errno = failure;
        if (failure != EEXIST) return false;
    }
    return false;
}

bool FileReplacement::Commit() {
    if (!ready()) return false;
    if (!writer_->Flush()) {
        error_ = writer_->error();
        Abandon();
        return false;
    }
    if (temporaryName_.empty() && !LinkUnnamed()) {
        error_ = errno;
        Abandon();
        return false;
    }
    writer_.reset();
    // A write-back failure reported by close fails the save before the earlier file is touched.
    if (!file_.close() ||
        ::renameat(folder_.get(), temporaryName_.c_str(), folder_.get(), targetName_.c_str()) != 0) {
        error_ = errno;
        Abandon();
        return false;
    }
    removal_.reset();
    temporaryName_.clear();
    return true;
}

void FileReplacement::Abandon() {
    writer_.reset();
    file_.reset();
    if (!temporaryName_.empty()) ::unlinkat(folder_.get(), temporaryName_.c_str(), 0);
    temporaryName_.clear();
    removal_.reset();
}

FileReplacement::~FileReplacement() {
    Abandon();
}

bool WriteFileReplacingWith(const std::string& path, const std::function<bool(BufferedFileWriter&)>& produce,
                            TemporaryKind kind, int* error) {
    FileReplacement replacement(path, kind);
    const auto fail = [&](int code) {
        if (error) *error = code;
        return false;
    };
    if (!replacement.ready()) return fail(replacement.error());
    if (!produce(replacement.out())) return fail(replacement.out().error());
    if (!replacement.Commit()) return fail(replacement.error());
    return true;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
    return WriteFileReplacingWith(path, [bytes](BufferedFileWriter& out) { return out.Put(bytes.data(), bytes.size()); });
}

}  // namespace ravelin
