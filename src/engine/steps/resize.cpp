#include "engine/steps/steps.h"

Bitmap ResizeStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
