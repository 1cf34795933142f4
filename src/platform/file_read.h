#pragma once
// Reading outside files safely: only regular files are read (never a folder, a device or a pipe, which could
// block or never end), and never more than the caller allows.

#include "platform/file_descriptor.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ravelin {

struct RegularFile {
    FileDescriptor fd;
    std::uint64_t size = 0;  // at the time it was opened
};

// The file opened for reading, when it is a regular file; nothing for anything else or a file that cannot
// be opened. Opening a FIFO does not wait for a writer.
std::optional<RegularFile> OpenRegularFile(const std::string& path);

// Reads into `out` from `offset` until it is full, the file ends or a read fails; returns the bytes read.
std::size_t ReadAtMost(int fd, std::span<unsigned char> out, std::uint64_t offset);
// Fills `out` from `offset`; false on an error or an early end.
bool ReadExactlyAt(int fd, std::span<unsigned char> out, std::uint64_t offset);

// The bytes of a regular file of at most `maxBytes`; nothing for a folder, a device, a pipe, a missing or
// unreadable file, or a larger one.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace ravelin
