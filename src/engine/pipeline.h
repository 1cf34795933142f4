#pragma once
// The per-file pipeline: load, process, name and save one input file.

#include "engine/bitmap.h"
#include "engine/job.h"
#include "settings/settings.h"

namespace ravelin {

struct WatermarkFont;

// Runs every processing step on a loaded bitmap, in order, ending with the output depth. Sets the job's
// image size and frame number on the way. With no bitmap left, job.lastFailure says why.
Bitmap ProcessBitmap(Bitmap bitmap, ConversionJob& job, const Settings& settings, const WatermarkFont* font);

// Converts job.currentInput and saves it under the name the mask builds (stored in job.currentOutput).
// True when the output file was written; otherwise job.lastFailure names the file and the reason.
bool ConvertFile(ConversionJob& job, const Settings& settings, const WatermarkFont* font);

}  // namespace ravelin
