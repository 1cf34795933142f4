#include "engine/steps/steps.h"

Bitmap RotateStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
