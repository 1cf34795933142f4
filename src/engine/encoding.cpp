#include "engine/encoding.h"

#include "formats/output_catalogue.h"
#include "platform/text.h"
#include "settings/settings_fields.h"

namespace {

// Output/<EXT> BPP exists for exactly the extensions that have per-format keys.
const SettingField* DepthSetting(const std::string& extension) {
    if (extension.empty()) return nullptr;
    return FindSetting("Output/" + ToUpper(extension) + " BPP");
}

bool QuantisesTo8Bits(const std::string& extension) {
    return !(extension == "jpg" || extension == "j2k" || extension == "jp2" || extension == "jxr");
}

FIBITMAP* To8Bits(FIBITMAP* source, const std::string& extension) {
    if (!QuantisesTo8Bits(extension)) return FreeImage_ConvertTo8Bits(source);
    if (FreeImage_GetBPP(source) == 24) return FreeImage_ColorQuantizeEx(source, FIQ_WUQUANT, 256, 0, nullptr);
    Bitmap rgb(FreeImage_ConvertTo24Bits(source));
    if (!rgb) return nullptr;
    return FreeImage_ColorQuantizeEx(rgb.get(), FIQ_WUQUANT, 256, 0, nullptr);
}

FIBITMAP* To16Bits(FIBITMAP* source, const std::string& extension) {
    Bitmap rgb;
    if (FreeImage_GetBPP(source) > 32) {
        rgb.reset(FreeImage_ConvertTo24Bits(source));
        if (!rgb) return nullptr;
        source = rgb.get();
    }
    if (extension == "ico" || extension == "tga") return FreeImage_ConvertTo16Bits555(source);
    return FreeImage_ConvertTo16Bits565(source);
}

}  // namespace

void PrepareOutputEncoding(ConversionJob& job, const Settings& settings) {
    job.outputFormatId = LookupOutputFormat(job.outputExtension).formatId;
    if (const SettingField* depth = DepthSetting(job.outputExtension)) {
        job.outputDepth = static_cast<std::int32_t>(GetInteger(settings, *depth));
        job.saveFlags = SaveFlags(job.outputExtension, settings);
    }
    job.autoDepth = job.outputDepth == 0;
}

Bitmap ConvertToOutputDepth(Bitmap bitmap, ConversionJob& job) {
    if (!bitmap) return {};
    if (job.autoDepth) job.outputDepth = AutomaticDepth(job.outputExtension, job.sourceDepth);
    if (bitmap.bpp() == static_cast<unsigned>(job.outputDepth)) return bitmap;
    const std::string& extension = job.outputExtension;
    switch (job.outputDepth) {
        case 1: return Replace(std::move(bitmap), [](FIBITMAP* b) { return FreeImage_Dither(b, FID_FS); });
        case 4: return Replace(std::move(bitmap), FreeImage_ConvertTo4Bits);
        case 8: return Replace(std::move(bitmap), [&](FIBITMAP* b) { return To8Bits(b, extension); });
        case 16: return Replace(std::move(bitmap), [&](FIBITMAP* b) { return To16Bits(b, extension); });
        case 24: return Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
        case 32: return Replace(std::move(bitmap), FreeImage_ConvertTo32Bits);
        case 48: return Replace(std::move(bitmap), FreeImage_ConvertToRGB16);
        case 96: return Replace(std::move(bitmap), FreeImage_ConvertToRGBF);
        default: return {};
    }
}
