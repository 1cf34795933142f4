// The codec floor: the least a PCX to JPEG converter on FreeImage can do. It loads the picture with
// FreeImage's own reader and saves it with the same JPEG flags as the converter's defaults; depths the JPEG
// writer refuses are widened first, as the converter does.
//
//   codec_floor IN.pcx OUT.jpg [QUALITY]

#include <FreeImage.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s IN.pcx OUT.jpg [QUALITY]\n", argv[0]);
        return 2;
    }
    const int quality = argc == 4 ? std::atoi(argv[3]) : 95;
    FIBITMAP* dib = FreeImage_Load(FIF_PCX, argv[1], 0);
    if (!dib) return 1;
    const unsigned bpp = FreeImage_GetBPP(dib);
    if (bpp < 8 || bpp == 32) {
        FIBITMAP* wider = bpp < 8 ? FreeImage_ConvertTo8Bits(dib) : FreeImage_ConvertTo24Bits(dib);
        FreeImage_Unload(dib);
        dib = wider;
        if (!dib) return 1;
    }
    const BOOL saved = FreeImage_Save(FIF_JPEG, dib, argv[2], quality | JPEG_SUBSAMPLING_444);
    FreeImage_Unload(dib);
    return saved ? 0 : 1;
}
