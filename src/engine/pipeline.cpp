#include "engine/pipeline.h"

#include "engine/encoding.h"
#include "engine/freeimage_messages.h"
#include "engine/naming.h"
#include "engine/pcx/pcx_loader.h"
#include "engine/safe_save.h"
#include "engine/steps/steps.h"

namespace ravelin {

Bitmap ProcessBitmap(Bitmap bitmap, ConversionJob& job, const Settings& settings, const WatermarkFont* font) {
    StepContext context{settings, job, 0, 0, font, {}};
    bitmap = RotateStep(std::move(bitmap), context);
    bitmap = ResizeStep(std::move(bitmap), context);
    // The size once resized is the image's size for every later step, whatever they do to the bitmap.
    context.width = bitmap.width();
    context.height = bitmap.height();
    bitmap = FlipStep(std::move(bitmap), context);
    bitmap = ColorCorrectionStep(std::move(bitmap), context);
    bitmap = GreyscaleStep(std::move(bitmap), context);
    bitmap = ThresholdStep(std::move(bitmap), context);
    bitmap = DitherStep(std::move(bitmap), context);
    bitmap = FrameStep(std::move(bitmap), context);
    job.imageWidth = static_cast<std::int32_t>(context.width);
    job.imageHeight = static_cast<std::int32_t>(context.height);
    job.frameNumber = 1;
    bitmap = WatermarkStep(std::move(bitmap), context);
    bitmap = ConvertToOutputDepth(std::move(bitmap), job);
    if (!bitmap) {
        // The step's own reason, else what FreeImage said while it failed.
        std::string reason = context.failure.empty() ? LastFreeImageMessage() : context.failure;
        if (reason.empty()) reason = "the picture could not be processed";
        job.lastFailure = job.currentInput + ": " + reason;
    }
    return bitmap;
}

bool ConvertFile(ConversionJob& job, const Settings& settings, const WatermarkFont* font) {
    InstallFreeImageMessages();
    ClearFreeImageMessage();
    job.lastFailure.clear();
    Bitmap bitmap = LoadPcx(job.currentInput);
    job.sourceDepth = static_cast<std::int32_t>(bitmap.bpp());
    if (bitmap.width() == 0 || bitmap.height() == 0) {
        job.lastFailure = job.currentInput + ": not a PCX picture this program can read";
        return false;
    }

    bitmap = ProcessBitmap(std::move(bitmap), job, settings, font);
    job.currentOutput = BuildOutputPath(job, settings);
    if (!bitmap) return false;
    std::string reason;
    if (SaveReplacing(bitmap, job.outputFormatId, job.saveFlags, job.currentOutput, job.currentInput,
                      TemporaryKind::Unnamed, &reason)) {
        return true;
    }
    job.lastFailure = job.currentOutput + ": " + reason;
    return false;
}

}  // namespace ravelin
