#pragma once
// Replacing a file's contents safely: the new contents go to a temporary file in the target's folder, which
// takes the target's name only once it is complete, so the earlier file survives any failure and no partial
// file is ever left. The new file keeps the mode (and, where the process may, the owner and group) of the file
// it replaces; a file the user may not write is not replaced, as a direct overwrite would not be either.

#include "platform/buffered_file_writer.h"
#include "platform/file_descriptor.h"
#include "platform/removal_on_signal.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ravelin {

enum class TemporaryKind {
    // An unnamed file (O_TMPFILE) that vanishes with the process whatever ends it; where the file system
    // cannot make one, a short named file as below.
    Unnamed,
    // A short named file, removed on failure and on an interrupt, termination or hang-up.
    Named,
};

class FileReplacement {
public:
    // Checks that `path` may be replaced and opens the temporary file; see ready().
    explicit FileReplacement(const std::string& path, TemporaryKind kind = TemporaryKind::Unnamed);
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    // Without a successful Commit the temporary file is removed and the target left as it was.
    ~FileReplacement();

    bool ready() const { return writer_ != nullptr; }
    // Why the replacement could not be made or committed (an errno value); 0 while nothing failed here.
    int error() const { return error_; }
    // Where the new contents go; valid while ready().
    BufferedFileWriter& out() { return *writer_; }

    // Puts the written file in place of the target; false (and nothing changed) when any write failed.
    bool Commit();

private:
    bool OpenTemporary(TemporaryKind kind);
    bool LinkUnnamed();
    template <typename Make>
    bool PlaceUnderShortName(Make make);
    void Abandon();

    FileDescriptor folder_;
    std::string targetName_;
    FileDescriptor file_;
    std::string temporaryName_;  // empty while the temporary file has no name
    std::optional<RemovalOnSignal> removal_;
    std::unique_ptr<BufferedFileWriter> writer_;
    int error_ = 0;
};

// Replaces (or creates) `path` with `bytes`.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);
// Replaces (or creates) `path` with what `produce` writes; `produce` returns false to give up. On failure
// *error (when given) holds the errno that made it fail, or 0 when the producer gave up on its own.
bool WriteFileReplacingWith(const std::string& path, const std::function<bool(BufferedFileWriter&)>& produce,
                            TemporaryKind kind = TemporaryKind::Unnamed, int* error = nullptr);

}  // namespace ravelin
