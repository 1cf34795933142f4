#include "engine/steps/steps.h"

Bitmap DitherStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
