#include "engine/steps/steps.h"

Bitmap ColorCorrectionStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
