// The signature detector on arbitrary leading bytes, from memory and from a file: both must name the same
// type, and only the first bytes may decide it.

#include "formats/signatures.h"

#include "fuzz_support.h"

#include <span>
#include <string>

using namespace ravelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fromBytes = DetectFileTypeFromBytes(std::span<const unsigned char>(data, size));
    FUZZ_CHECK(!fromBytes.empty());
    if (size > kSignatureBytes) {
        FUZZ_CHECK(DetectFileTypeFromBytes(std::span<const unsigned char>(data, kSignatureBytes)) == fromBytes);
    }
    MemoryFile file(data, size);
    if (file.ok()) FUZZ_CHECK(DetectFileType(file.path()) == fromBytes);
    return 0;
}
