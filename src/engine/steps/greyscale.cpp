#include "engine/steps/steps.h"

Bitmap GreyscaleStep(Bitmap bitmap, const StepContext&) {
    return bitmap;
}
