// The PCX header check, stream scan and reader on arbitrary bytes. Besides memory safety, checks what the
// reader promises: a picture loads only when its header is sound and its stream complete, it has the
// header's size, and the file reader and the memory reader agree.

#include "engine/pcx/pcx_decoder.h"
#include "engine/pcx/pcx_header.h"
#include "engine/pcx/pcx_loader.h"
#include "engine/pcx/pcx_stream.h"

#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace ravelin;

namespace {

bool SameBitmap(FIBITMAP* a, FIBITMAP* b) {
    if (FreeImage_GetBPP(a) != FreeImage_GetBPP(b) || FreeImage_GetWidth(a) != FreeImage_GetWidth(b) ||
        FreeImage_GetHeight(a) != FreeImage_GetHeight(b) || FreeImage_GetPitch(a) != FreeImage_GetPitch(b)) {
        return false;
    }
    if (FreeImage_GetColorsUsed(a) != FreeImage_GetColorsUsed(b)) return false;
    if (FreeImage_GetColorsUsed(a) > 0 &&
        std::memcmp(FreeImage_GetPalette(a), FreeImage_GetPalette(b),
                    FreeImage_GetColorsUsed(a) * sizeof(RGBQUAD)) != 0) {
        return false;
    }
    for (unsigned y = 0; y < FreeImage_GetHeight(a); ++y) {
        if (std::memcmp(FreeImage_GetScanLine(a, y), FreeImage_GetScanLine(b, y), FreeImage_GetPitch(a)) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<PcxHeader> header = ReadPcxHeader(data, size);
    const Bitmap fromMemory = LoadPcxFromMemory(data, size);
    if (!header) {
        FUZZ_CHECK(!fromMemory);
        return 0;
    }
    const bool holdable = FileCanHoldPicture(*header, size);
    const bool complete =
        size >= kPcxHeaderSize && ScanPcxStream(*header, data + kPcxHeaderSize, size - kPcxHeaderSize).has_value();
    if (!holdable || !complete) FUZZ_CHECK(!fromMemory);
    if (fromMemory) {
        FUZZ_CHECK(fromMemory.width() == header->width && fromMemory.height() == header->height);
    }

    MemoryFile file(data, size);
    if (file.ok()) {
        const Bitmap fromFile = LoadPcx(file.path());
        FUZZ_CHECK(static_cast<bool>(fromFile) == static_cast<bool>(fromMemory));
        if (fromFile) FUZZ_CHECK(SameBitmap(fromFile.get(), fromMemory.get()));
    }
    return 0;
}
