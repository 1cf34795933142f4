#include "engine/steps/steps.h"

Bitmap FrameStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
