#include "engine/safe_save.h"

#include "engine/freeimage_messages.h"
#include "platform/file_replace.h"

#include <string.h>

#include <sys/stat.h>
#include <unistd.h>

namespace ravelin {

namespace {

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat first {}, second {};
    if (stat(a.c_str(), &first) != 0 || stat(b.c_str(), &second) != 0) return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// FreeImage writes through these straight into the replacement file's buffer.
unsigned DLL_CALLCONV SinkRead(void*, unsigned, unsigned, fi_handle) {
    return 0;  // the file is only written
}

unsigned DLL_CALLCONV SinkWrite(void* data, unsigned size, unsigned count, fi_handle handle) {
    const std::size_t bytes = static_cast<std::size_t>(size) * count;
    return static_cast<BufferedFileWriter*>(handle)->Put(data, bytes) ? count : 0;
}

int DLL_CALLCONV SinkSeek(fi_handle handle, long offset, int origin) {
    return static_cast<BufferedFileWriter*>(handle)->Seek(offset, origin) ? 0 : -1;
}

long DLL_CALLCONV SinkTell(fi_handle handle) {
    return static_cast<BufferedFileWriter*>(handle)->Tell();
}

bool WriteEncoded(const Bitmap& bitmap, int formatId, int flags, BufferedFileWriter& out) {
    FreeImageIO io{SinkRead, SinkWrite, SinkSeek, SinkTell};
    const bool saved = FreeImage_SaveToHandle(static_cast<FREE_IMAGE_FORMAT>(formatId), bitmap.get(), &io,
                                              static_cast<fi_handle>(&out), flags);
    // A codec that reports success but wrote nothing has not saved the picture.
    return out.Flush() && saved && lseek(out.fd(), 0, SEEK_END) > 0;
}

std::string SystemErrorText(int error) {
    char buffer[256];
    return strerror_r(error, buffer, sizeof buffer);  // the GNU form: returns the text
}

}  // namespace

bool SaveReplacing(const Bitmap& bitmap, int formatId, int flags, const std::string& path, const std::string& source,
                   TemporaryKind kind, std::string* failure) {
    const auto fail = [&](std::string reason) {
        if (failure) *failure = std::move(reason);
        return false;
    };
    if (!bitmap) return fail("there is no picture to save");
    if (path.empty()) return fail("the output has no name");
    if (IsSameFile(path, source)) return fail("the output would replace the input file");
    InstallFreeImageMessages();
    ClearFreeImageMessage();
    int error = 0;
    const bool saved = WriteFileReplacingWith(
        path, [&](BufferedFileWriter& out) { return WriteEncoded(bitmap, formatId, flags, out); }, kind, &error);
    if (saved) return true;
    if (error != 0) return fail(SystemErrorText(error));
    const std::string message = LastFreeImageMessage();
    return fail(message.empty() ? "the encoder could not write the picture" : message);
}

}  // namespace ravelin
