#pragma once
// Output to a file through a small buffer, so that an encoder's many small writes cost few system calls and
// no copy of the whole output is held in memory. The first failed write (a full disk) is remembered: every
// later call fails, so a short count the producer might ignore still fails the file.

#include <cstddef>
#include <vector>

namespace ravelin {

class BufferedFileWriter {
public:
    explicit BufferedFileWriter(int fd) : fd_(fd) { buffer_.reserve(kCapacity); }
    BufferedFileWriter(const BufferedFileWriter&) = delete;
    BufferedFileWriter& operator=(const BufferedFileWriter&) = delete;

    bool Put(const void* data, std::size_t size);
    bool Flush();
    // Producers that seek see the file as written so far.
    bool Seek(long offset, int origin);
    long Tell();

    bool failed() const { return failed_; }
    int error() const { return error_; }  // errno of the failed write (ENOSPC for a write of nothing)
    int fd() const { return fd_; }

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    bool WriteAll(const unsigned char* data, std::size_t size);

    int fd_;
    bool failed_ = false;
    int error_ = 0;
    std::vector<unsigned char> buffer_;
};

}  // namespace ravelin
