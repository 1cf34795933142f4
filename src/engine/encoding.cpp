#include "engine/encoding.h"

#include "formats/output_catalogue.h"
#include "settings/settings_fields.h"

namespace ravelin {

namespace {

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

bool IsColourDeeperThan8Bits(const Bitmap& bitmap) {
    const FREE_IMAGE_COLOR_TYPE type = FreeImage_GetColorType(bitmap.get());
    return bitmap.bpp() > 8 && (type == FIC_RGB || type == FIC_RGBALPHA);
}

// The depth follows the file as loaded. But a colour picture that processing made deeper than its source
// (a resize or rotation of a palette picture, a frame, a watermark) would lose its colours in the grey
// 8-bit conversion of these formats; it keeps the depth that holds its colours instead.
int ChooseAutomaticDepth(const Bitmap& bitmap, const ConversionJob& job) {
    const std::string& extension = job.outputExtension;
    const int depth = AutomaticDepth(extension, job.sourceDepth);
    if (depth == 8 && !QuantisesTo8Bits(extension) && IsColourDeeperThan8Bits(bitmap)) {
        return AutomaticDepth(extension, static_cast<int>(bitmap.bpp()));
    }
    return depth;
}

}  // namespace

void PrepareOutputEncoding(ConversionJob& job, const Settings& settings) {
    job.outputFormatId = LookupOutputFormat(job.outputExtension).formatId;
    // Only the extensions that have settings of their own have a depth and save flags.
    if (const SettingField* depth = FormatSetting(job.outputExtension, FieldKind::Depth)) {
        job.outputDepth = static_cast<std::int32_t>(GetInteger(settings, *depth));
        job.saveFlags = SaveFlags(job.outputExtension, settings);
    }
    job.autoDepth = job.outputDepth == 0;
}

Bitmap ConvertToOutputDepth(Bitmap bitmap, ConversionJob& job) {
    if (!bitmap) return {};
    if (job.autoDepth) job.outputDepth = ChooseAutomaticDepth(bitmap, job);
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

}  // namespace ravelin
