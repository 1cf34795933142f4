#include "engine/steps/steps.h"

Bitmap ThresholdStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
