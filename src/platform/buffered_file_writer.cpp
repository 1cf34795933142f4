#include "platform/buffered_file_writer.h"

#include <unistd.h>

#include <cerrno>

namespace ravelin {

bool BufferedFileWriter::Put(const void* data, std::size_t size) {
    if (failed_) return false;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (buffer_.size() + size > kCapacity && !Flush()) return false;
    if (size >= kCapacity) return WriteAll(bytes, size);
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return true;
}

bool BufferedFileWriter::Flush() {
    if (failed_) return false;
    const bool ok = WriteAll(buffer_.data(), buffer_.size());
    buffer_.clear();
    return ok;
}

bool BufferedFileWriter::Seek(long offset, int origin) {
    return Flush() && ::lseek(fd_, offset, origin) >= 0;
}

long BufferedFileWriter::Tell() {
    if (!Flush()) return -1;
    return static_cast<long>(::lseek(fd_, 0, SEEK_CUR));
}

bool BufferedFileWriter::WriteAll(const unsigned char* data, std::size_t size) {
    while (size > 0 && !failed_) {
        const ssize_t wrote = ::write(fd_, data, size);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            failed_ = true;
            error_ = wrote < 0 ? errno : ENOSPC;
            break;
        }
        data += wrote;
        size -= static_cast<std::size_t>(wrote);
    }
    return !failed_;
}

}  // namespace ravelin
