#include "engine/naming.h"
#include "engine/steps/limits.h"
#include "engine/steps/overlay.h"
#include "engine/steps/steps.h"

#include <algorithm>

namespace ravelin {

namespace {

// The part of the picture a watermark may occupy: all of it, or the inside of the frame.
struct FreeArea {
    long long x = 0, y = 0, width = 0, height = 0;
};

FreeArea FreeAreaFor(const WatermarkPlacement& placement, const Settings& settings, long long width,
                     long long height) {
    if (settings.doFrame == FrameType::None || placement.boundary != WatermarkBoundary::Frame) {
        return {0, 0, width, height};
    }
    return {settings.frameLeft, settings.frameTop, width - settings.frameLeft - settings.frameRight,
            height - settings.frameTop - settings.frameBottom};
}

// Turned about its centre, the canvas growing to hold it; the new corners are transparent.
Bitmap TurnMark(Bitmap mark, int angle) {
    if (angle <= 0 || angle >= 360) return mark;
    if (!RotationFitsLimits(mark.width(), mark.height(), angle)) return {};
    return Replace(std::move(mark), [&](FIBITMAP* dib) { return FreeImage_Rotate(dib, angle, nullptr); });
}

// Cut to fit, keeping the top-left part; the offsets count here whatever the anchor.
Bitmap CutMarkToFit(Bitmap mark, const WatermarkPlacement& placement, const FreeArea& area) {
    long long markWidth = mark.width(), markHeight = mark.height();
    const bool tooWide = markWidth + placement.xOffset > area.width;
    const bool tooHigh = markHeight + placement.yOffset > area.height;
    if (!tooWide && !tooHigh) return mark;
    if (tooWide) markWidth = area.width - placement.xOffset;
    if (tooHigh) markHeight = area.height - placement.yOffset;
    if (markWidth <= 0 || markHeight <= 0) return {};  // no room left: FreeImage_Copy would refuse
    return Replace(std::move(mark), [&](FIBITMAP* dib) {
        return FreeImage_Copy(dib, 0, 0, static_cast<int>(markWidth), static_cast<int>(markHeight));
    });
}

struct Spot {
    long long x = 0, y = 0;
};

// The mark's top-left corner on the picture; divisions truncate toward zero.
Spot AnchorMark(const WatermarkPlacement& placement, const FreeArea& area, long long markWidth, long long markHeight) {
    const long long left = placement.xOffset, top = placement.yOffset;
    const long long centre = (area.width - markWidth) / 2, right = area.width - markWidth - placement.xOffset;
    const long long middle = (area.height - markHeight) / 2, bottom = area.height - markHeight - placement.yOffset;
    Spot spot;
    switch (placement.position) {
        case AnchorPosition::TopLeft: spot = {left, top}; break;
        case AnchorPosition::TopCenter: spot = {centre, top}; break;
        case AnchorPosition::TopRight: spot = {right, top}; break;
        case AnchorPosition::MiddleLeft: spot = {left, middle}; break;
        case AnchorPosition::MiddleCenter: spot = {centre, middle}; break;
        case AnchorPosition::MiddleRight: spot = {right, middle}; break;
        case AnchorPosition::BottomLeft: spot = {left, bottom}; break;
        case AnchorPosition::BottomCenter: spot = {centre, bottom}; break;
        case AnchorPosition::BottomRight: spot = {right, bottom}; break;
        default: break;
    }
    return {spot.x + area.x, spot.y + area.y};
}

}  // namespace

Bitmap PlaceWatermark(Bitmap picture, Bitmap mark, const WatermarkPlacement& placement, const Settings& settings,
                      long long width, long long height) {
    if (!picture || !mark) return picture;
    const FreeArea area = FreeAreaFor(placement, settings, width, height);
    mark = CutMarkToFit(TurnMark(std::move(mark), placement.rotation), placement, area);
    if (!mark) return picture;

    const long long markWidth = mark.width(), markHeight = mark.height();
    const Spot spot = AnchorMark(placement, area, markWidth, markHeight);
    // Partly outside the picture: FreeImage_Paste refuses, and the picture stays unmarked.
    if (spot.x < 0 || spot.y < 0 || spot.x + markWidth > width || spot.y + markHeight > height) return picture;

    // Only the mark's rectangle is composited: the rest of a picture-sized layer would be transparent. The
    // mark is pasted onto a blank layer of its own size first, as onto that layer (a paste at 255 blends).
    Bitmap layer(FreeImage_AllocateT(FIT_BITMAP, static_cast<int>(markWidth), static_cast<int>(markHeight), mark.bpp()));
    if (!layer || !FreeImage_Paste(layer.get(), mark.get(), 0, 0, 255)) return {};
    if (!CompositeOverlayAt(picture, layer, spot.x, spot.y)) return {};
    return picture;
}

Bitmap WatermarkStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || settings.doWatermark == WatermarkType::None) return bitmap;
    if (bitmap.bpp() != 24) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    if (!bitmap) return bitmap;

    Bitmap mark;
    const WatermarkPlacement* placement = nullptr;
    if (settings.doWatermark == WatermarkType::Text) {
        if (!context.font) return bitmap;
        placement = &settings.wmTextPlacement;
        // Cut to fit keeps the top-left part of an unturned mark, so no more than that part is drawn: the
        // work follows the picture, not the font size. A turned mark is drawn whole (within the canvas's
        // limits, refused before anything is allocated beyond them) and cut once turned.
        long long maxWidth = kCanvasMaxSide, maxHeight = kCanvasMaxSide;
        if (placement->rotation <= 0 || placement->rotation >= 360) {
            const FreeArea area = FreeAreaFor(*placement, settings, context.width, context.height);
            maxWidth = std::min(maxWidth, area.width - placement->xOffset);
            maxHeight = std::min(maxHeight, area.height - placement->yOffset);
        }
        mark = RenderTextWatermark(settings, *context.font, ExpandWatermarkText(settings, context.job), maxWidth,
                                   maxHeight)
                   .ToBitmap();
    } else if (settings.doWatermark == WatermarkType::Image) {
        mark = RenderImageWatermark(settings).ToBitmap();
        placement = &settings.wmImagePlacement;
    }
    if (!mark) return bitmap;
    return PlaceWatermark(std::move(bitmap), std::move(mark), *placement, settings, context.width, context.height);
}

}  // namespace ravelin
