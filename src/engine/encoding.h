#pragma once
// How every output file of a run is encoded: format id, bit depth and save flags, and the last step of the
// pipeline that brings each image to that depth.

#include "engine/bitmap.h"
#include "engine/job.h"
#include "settings/settings.h"

namespace ravelin {

// Fills outputFormatId, outputDepth, autoDepth and saveFlags from job.outputExtension and the settings.
void PrepareOutputEncoding(ConversionJob& job, const Settings& settings);

// Converts the bitmap to job.outputDepth, choosing that depth for this file first when it is automatic.
// Returns no bitmap when no conversion to the depth exists or FreeImage fails.
Bitmap ConvertToOutputDepth(Bitmap bitmap, ConversionJob& job);

}  // namespace ravelin
