#include "engine/pcx/pcx_loader.h"

// Interim: FreeImage's own loader until our header check and reader are in place.
Bitmap LoadPcx(const std::string& path) {
    return Bitmap(FreeImage_Load(FIF_PCX, path.c_str(), 0));
}

Bitmap LoadPcxFromMemory(const unsigned char* data, std::size_t size) {
    FIMEMORY* memory = FreeImage_OpenMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size));
    if (!memory) return {};
    Bitmap bitmap(FreeImage_LoadFromMemory(FIF_PCX, memory, 0));
    FreeImage_CloseMemory(memory);
    return bitmap;
}
