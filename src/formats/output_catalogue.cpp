#include "formats/output_catalogue.h"

#include <FreeImage.h>

#include <algorithm>
#include <charconv>

#include "platform/text.h"

namespace ravelin {

namespace {

struct OutputCatalogue {
    std::vector<FormatEntry> entries;
    std::vector<std::vector<int>> depths;  // parallel to entries
    std::vector<std::string> extensions;   // catalogue order
};

std::vector<int> ParseDepths(std::string_view list) {
    std::vector<int> numbers;
    for (const std::string& part : Split(list, ',')) {
        int value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (error == std::errc() && end == part.data() + part.size()) numbers.push_back(value);
    }
    return numbers;
}

OutputCatalogue BuildCatalogue() {
    OutputCatalogue catalogue;
    catalogue.entries = {
        {FIF_BMP, "bmp", "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
        {FIF_EXR, "exr", "ILM OpenEXR", "96"},
        {FIF_GIF, "gif", "Graphics Interchange Format", "8"},
        {FIF_HDR, "hdr", "High Dynamic Range Image", "96"},
        {FIF_ICO, "ico", "Windows Icon", "1,4,8,16,24,32"},
        {FIF_J2K, "j2k", "JPEG-2000 Codestream", "8,24,32,48"},
        {FIF_JNG, "jng", "JPEG Network Graphics", "24,32"},
        {FIF_JP2, "jp2", "JPEG-2000 File Format", "8,24,32,48"},
        {FIF_JPEG, "jpg", "JPEG File Format", "8,24"},
        {FIF_JXR, "jxr", "JPEG XR Image Format", "1,8,16,24,32,48,96"},
        {FIF_PBM, "pbm", "Portable Bitmap", "1"},
        {FIF_PFM, "pfm", "Portable Floatmap", "96"},
        {FIF_PGM, "pgm", "Portable Greymap", "8"},
        {FIF_PNG, "png", "Portable Network Graphics", "1,4,8,24,32,48"},
        {FIF_PPM, "ppm", "Portable Pixelmap", "24,48"},
        {FIF_TARGA, "tga", "Truevision Targa", "8,16,24,32"},
        {FIF_TIFF, "tiff", "Tagged Image File Format", "1,4,8,24,32,48,96"},
        {FIF_WBMP, "wbmp", "Wireless Bitmap", "1"},
        {FIF_WEBP, "webp", "Google WebP Image Format", "24,32"},
        {FIF_XPM, "xpm", "X11 Pixmap Format", "24"},
    };
    for (const FormatEntry& entry : catalogue.entries) {
        catalogue.depths.push_back(ParseDepths(entry.depths));
        catalogue.extensions.push_back(entry.extension);
    }
    return catalogue;
}

const OutputCatalogue& Catalogue() {
    static const OutputCatalogue catalogue = BuildCatalogue();
    return catalogue;
}

// Position of the extension in the catalogue, or -1.
int Find(std::string_view extension) {
    const auto& entries = Catalogue().entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].extension == extension) return static_cast<int>(i);
    }
    return -1;
}

// A quality rides in the low bits of the flags; outside 1..100 it would spill into the mode bits.
int Quality(int value) {
    return std::clamp(value, 1, 100);
}

int JpegFlags(const Settings& settings) {
    int flags = Quality(settings.jpgQuality);
    switch (settings.jpgChroma) {
        case ChromaSubsampling::None: flags |= JPEG_SUBSAMPLING_444; break;
        case ChromaSubsampling::Low: flags |= JPEG_SUBSAMPLING_422; break;
        case ChromaSubsampling::Medium: flags |= JPEG_SUBSAMPLING_420; break;
        case ChromaSubsampling::High: flags |= JPEG_SUBSAMPLING_411; break;
        default: break;
    }
    switch (settings.jpgSaveAs) {
        case JpegEncoding::Standard: break;
        case JpegEncoding::Simple: flags |= JPEG_BASELINE; break;
        case JpegEncoding::Optimized: flags |= JPEG_OPTIMIZE; break;
        case JpegEncoding::Progressive: flags |= JPEG_PROGRESSIVE; break;
        default: break;
    }
    return flags;
}

int ExrFlags(const Settings& settings) {
    switch (settings.exrCompression) {
        case ExrCompression::None: return EXR_NONE;
        case ExrCompression::Zip: return EXR_ZIP;
        case ExrCompression::Piz: return EXR_PIZ;
        case ExrCompression::Pxr24: return EXR_PXR24;
        case ExrCompression::B44: return EXR_B44;
        default: return 0;
    }
}

int PngFlags(const Settings& settings) {
    int flags = 0;
    switch (settings.pngCompression) {
        case PngCompression::None: flags = PNG_Z_NO_COMPRESSION; break;
        case PngCompression::Zlib1: flags = PNG_Z_BEST_SPEED; break;
        case PngCompression::Zlib6: flags = PNG_Z_DEFAULT_COMPRESSION; break;
        case PngCompression::Zlib9: flags = PNG_Z_BEST_COMPRESSION; break;
        default: break;
    }
    if (settings.pngInterlaced) flags |= PNG_INTERLACED;
    return flags;
}

int TiffFlags(const Settings& settings) {
    int flags = 0;
    switch (settings.tiffCompression) {
        case TiffCompression::None: flags = TIFF_NONE; break;
        case TiffCompression::CcittFax3: flags = TIFF_CCITTFAX3; break;
        case TiffCompression::CcittFax4: flags = TIFF_CCITTFAX4; break;
        case TiffCompression::PackBits: flags = TIFF_PACKBITS; break;
        case TiffCompression::Deflate: flags = TIFF_DEFLATE; break;
        case TiffCompression::AdobeDeflate: flags = TIFF_ADOBE_DEFLATE; break;
        case TiffCompression::Lzw: flags = TIFF_LZW; break;
        case TiffCompression::Jpeg: flags = TIFF_JPEG; break;
        case TiffCompression::LogLuv: flags = TIFF_LOGLUV; break;
        default: break;
    }
    if (settings.tiffColorMode == ColorModel::Cmyk) flags |= TIFF_CMYK;
    return flags;
}

int WebpFlags(const Settings& settings) {
    const int quality = Quality(settings.webpQuality);
    return quality == 100 ? WEBP_LOSSLESS : quality;
}

}  // namespace

const FormatEntry& LookupOutputFormat(std::string_view extension) {
    static const FormatEntry empty;
    const int i = Find(extension);
    return i < 0 ? empty : Catalogue().entries[static_cast<std::size_t>(i)];
}

const std::vector<std::string>& OutputCatalogueExtensions() {
    return Catalogue().extensions;
}

const std::vector<int>& DepthList(std::string_view extension) {
    static const std::vector<int> none;
    const int i = Find(extension);
    return i < 0 ? none : Catalogue().depths[static_cast<std::size_t>(i)];
}

bool DepthAllowed(std::string_view extension, int depth) {
    if (depth == 0) return true;
    const auto& depths = DepthList(extension);
    return std::find(depths.begin(), depths.end(), depth) != depths.end();
}

int AutomaticDepth(std::string_view extension, int sourceDepth) {
    const auto& depths = DepthList(extension);
    if (depths.empty()) return 0;
    for (const int depth : depths) {
        if (depth >= sourceDepth) return depth;
    }
    return depths.back();
}

int SaveFlags(std::string_view extension, const Settings& settings) {
    if (extension == "bmp") return settings.bmpCompression == RleCompression::Rle ? BMP_SAVE_RLE : 0;
    if (extension == "exr") return ExrFlags(settings);
    if (extension == "jpg") return JpegFlags(settings);
    if (extension == "jxr") return JXR_LOSSLESS;
    if (extension == "png") return PngFlags(settings);
    if (extension == "tga") return settings.tgaCompression == RleCompression::Rle ? TARGA_SAVE_RLE : 0;
    if (extension == "tiff") return TiffFlags(settings);
    if (extension == "webp") return WebpFlags(settings);
    return 0;
}

std::string FormatListLabel(std::string_view extension) {
    const FormatEntry& entry = LookupOutputFormat(extension);
    if (entry.extension.empty()) return {};
    return ToUpper(entry.extension) + " (" + entry.description + ")";
}

}  // namespace ravelin
