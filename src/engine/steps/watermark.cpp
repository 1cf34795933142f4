#include "engine/naming.h"
#include "engine/steps/limits.h"
#include "engine/steps/overlay.h"
#include "engine/steps/steps.h"

namespace ravelin {

WatermarkPlacement TextPlacement(const Settings& settings) {
    return {settings.wmTextRotation, settings.wmTextPosition, settings.wmTextXOffset, settings.wmTextYOffset,
            settings.wmTextBoundary == 1};
}

WatermarkPlacement ImagePlacement(const Settings& settings) {
    return {settings.wmImageRotation, settings.wmImagePosition, settings.wmImageXOffset, settings.wmImageYOffset,
            settings.wmImageBoundary == 1};
}

Bitmap PlaceWatermark(Bitmap picture, Bitmap mark, const WatermarkPlacement& placement, const Settings& settings,
                      long long width, long long height) {
    if (!picture || !mark) return picture;

    // Turned about its centre, the canvas growing to hold it; the new corners are transparent.
    const int angle = placement.rotation;
    if (angle > 0 && angle < 360) {
        if (!RotationFitsLimits(mark.width(), mark.height(), angle)) return picture;
        mark = Replace(std::move(mark), [&](FIBITMAP* dib) { return FreeImage_Rotate(dib, angle, nullptr); });
        if (!mark) return picture;
    }

    // The free area: the whole picture, or the inside of the frame.
    long long freeWidth = width, freeHeight = height, insetX = 0, insetY = 0;
    if (settings.doFrame != 0 && placement.insideFrame) {
        freeWidth = width - settings.frameLeft - settings.frameRight;
        freeHeight = height - settings.frameTop - settings.frameBottom;
        insetX = settings.frameLeft;
        insetY = settings.frameTop;
    }
    const long long x0 = placement.xOffset, y0 = placement.yOffset;  // X and Y

    // Cut to fit, keeping the top-left part; the offsets count here whatever the anchor.
    long long markWidth = mark.width(), markHeight = mark.height();
    bool cut = false;
    if (markWidth + x0 > freeWidth) {
        markWidth = freeWidth - x0;
        cut = true;
    }
    if (markHeight + y0 > freeHeight) {
        markHeight = freeHeight - y0;
        cut = true;
    }
    if (cut) {
        if (markWidth <= 0 || markHeight <= 0) return picture;  // no room left: FreeImage_Copy would refuse
        mark = Replace(std::move(mark), [&](FIBITMAP* dib) {
            return FreeImage_Copy(dib, 0, 0, static_cast<int>(markWidth), static_cast<int>(markHeight));
        });
        if (!mark) return picture;
    }

    // The anchor; divisions truncate toward zero.
    long long x = 0, y = 0;
    const long long centreX = (freeWidth - markWidth) / 2, rightX = freeWidth - markWidth - x0;
    const long long middleY = (freeHeight - markHeight) / 2, bottomY = freeHeight - markHeight - y0;
    switch (placement.anchor) {
        case 0: x = x0, y = y0; break;
        case 1: x = centreX, y = y0; break;
        case 2: x = rightX, y = y0; break;
        case 3: x = x0, y = middleY; break;
        case 4: x = centreX, y = middleY; break;
        case 5: x = rightX, y = middleY; break;
        case 6: x = x0, y = bottomY; break;
        case 7: x = centreX, y = bottomY; break;
        case 8: x = rightX, y = bottomY; break;
        default: break;
    }
    x += insetX;
    y += insetY;
    // Partly outside the picture: FreeImage_Paste refuses, and the picture stays unmarked.
    if (x < 0 || y < 0 || x + markWidth > width || y + markHeight > height) return picture;

    Bitmap layer(FreeImage_AllocateT(FIT_BITMAP, static_cast<int>(width), static_cast<int>(height), mark.bpp()));
    if (!layer) return picture;
    if (!FreeImage_Paste(layer.get(), mark.get(), static_cast<int>(x), static_cast<int>(y), 255)) return picture;
    return CompositeOverlay(std::move(picture), layer);
}

Bitmap WatermarkStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || settings.doWatermark == 0) return bitmap;
    if (bitmap.bpp() != 24) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    if (!bitmap) return bitmap;

    Bitmap mark;
    WatermarkPlacement placement;
    if (settings.doWatermark == 1) {
        if (!context.font) return bitmap;
        mark = RenderTextWatermark(settings, *context.font, ExpandWatermarkText(settings, context.job)).ToBitmap();
        placement = TextPlacement(settings);
    } else if (settings.doWatermark == 2) {
        mark = RenderImageWatermark(settings).ToBitmap();
        placement = ImagePlacement(settings);
    }
    if (!mark) return bitmap;
    return PlaceWatermark(std::move(bitmap), std::move(mark), placement, settings, context.width, context.height);
}

}  // namespace ravelin
