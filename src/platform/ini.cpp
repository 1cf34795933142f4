#include "platform/ini.h"

#include "platform/text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace ravelin {

const IniSection* IniDocument::Find(std::string_view name) const {
    for (const IniSection& section : sections) {
        if (EqualsIgnoreCase(section.name, name)) return &section;
    }
    return nullptr;
}

const std::string* IniDocument::Value(std::string_view section, std::string_view key) const {
    const IniSection* found = Find(section);
    if (!found) return nullptr;
    for (const IniEntry& entry : found->entries) {
        if (EqualsIgnoreCase(entry.key, key)) return &entry.value;
    }
    return nullptr;
}

IniDocument ParseIni(std::string_view bytes) {
    std::string text;
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.substr(0, 3) == kBom) {
        text = bytes.substr(3);
    } else {
        text = Latin1ToUtf8(bytes);
    }

    IniDocument document;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find_first_of("\r\n", position);
        if (end == std::string::npos) end = text.size();
        std::string_view line = std::string_view(text).substr(position, end - position);
        position = end;
        if (position < text.size() && text[position] == '\r') ++position;
        if (position < text.size() && text[position] == '\n') ++position;

        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos) continue;
        line.remove_prefix(first);
        if (line.front() == ';') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            document.sections.push_back({std::string(line.substr(1, close == std::string_view::npos
                                                                            ? std::string_view::npos
                                                                            : close - 1)),
                                         {}});
            continue;
        }
        if (document.sections.empty()) continue;
        const auto equals = line.find('=');
        IniEntry entry;
        entry.key = TrimBlanksAndTabs(line.substr(0, equals));
        if (equals != std::string_view::npos) entry.value = TrimBlanksAndTabs(line.substr(equals + 1));
        document.sections.back().entries.push_back(std::move(entry));
    }
    return document;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; regular files ignore the flag.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || static_cast<std::size_t>(status.st_size) > maxBytes) {
        close(fd);
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    close(fd);
    bytes.resize(done);
    return bytes;
}

}  // namespace ravelin
