#include "engine/steps/steps.h"

Bitmap FlipStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
