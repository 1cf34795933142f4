#pragma once
// The processing steps of the per-file pipeline. Each has the same shape: it reads its settings, checks
// its switch, calls FreeImage and hands on the bitmap to continue with (empty when it failed).

#include "engine/bitmap.h"
#include "engine/job.h"
#include "settings/settings.h"

#include <string>

namespace ravelin {

struct WatermarkFont;  // a font loaded for the text watermark before a run; owned by the front end

struct StepContext {
    const Settings& settings;
    const ConversionJob& job;
    unsigned width = 0;   // the image's size once resized: what the frame and watermark are drawn for
    unsigned height = 0;
    const WatermarkFont* font = nullptr;
    // Why the step that returned no bitmap failed, for the message naming the file; empty when it did not say.
    mutable std::string failure;
};

// Records `reason` as the step's failure and returns no bitmap, for `return Fail(context, "...")`.
inline Bitmap Fail(const StepContext& context, std::string reason) {
    context.failure = std::move(reason);
    return {};
}

Bitmap RotateStep(Bitmap bitmap, const StepContext& context);
Bitmap ResizeStep(Bitmap bitmap, const StepContext& context);
Bitmap FlipStep(Bitmap bitmap, const StepContext& context);
Bitmap ColorCorrectionStep(Bitmap bitmap, const StepContext& context);
Bitmap GreyscaleStep(Bitmap bitmap, const StepContext& context);
Bitmap ThresholdStep(Bitmap bitmap, const StepContext& context);
Bitmap DitherStep(Bitmap bitmap, const StepContext& context);
Bitmap FrameStep(Bitmap bitmap, const StepContext& context);
Bitmap WatermarkStep(Bitmap bitmap, const StepContext& context);

}  // namespace ravelin
