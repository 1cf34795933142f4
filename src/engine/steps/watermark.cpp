#include "engine/steps/steps.h"

Bitmap WatermarkStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
