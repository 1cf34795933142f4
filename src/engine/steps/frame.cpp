#include "engine/steps/colour_text.h"
#include "engine/steps/overlay.h"
#include "engine/steps/steps.h"

#include <algorithm>

namespace ravelin {

Canvas DrawFrameOverlay(const Settings& settings, long long width, long long height) {
    return DrawFrameOverlay(settings, width, height, {0, 0, width, height});
}

Canvas DrawFrameOverlay(const Settings& settings, long long width, long long height, const PixelRect& tile) {
    Canvas bands = Canvas::Create(tile.width, tile.height);
    if (!bands) return bands;
    // The shapes of the whole overlay, moved by whole pixels so that the tile's corner is the origin: the
    // drawn pixels are those of the same part of the whole.
    const double ox = static_cast<double>(tile.x), oy = static_cast<double>(tile.y);
    const double w = static_cast<double>(width) - ox, h = static_cast<double>(height) - oy;
    const double x0 = -ox, y0 = -oy;
    const double left = settings.frameLeft, right = settings.frameRight;
    const double top = settings.frameTop, bottom = settings.frameBottom;
    const std::uint32_t leftColour = Argb(255, ParseColourText(settings.frameLeftColor).packed());
    const std::uint32_t rightColour = Argb(255, ParseColourText(settings.frameRightColor).packed());
    const std::uint32_t topColour = Argb(255, ParseColourText(settings.frameTopColor).packed());
    const std::uint32_t bottomColour = Argb(255, ParseColourText(settings.frameBottomColor).packed());

    // The corner squares lie under the diagonal joints; along each diagonal the band drawn later wins.
    bands.FillRect(x0, y0, left, top, topColour);
    bands.FillRect(w - right, y0, right, top, rightColour);
    bands.FillRect(w - right, h - bottom, right, bottom, bottomColour);
    bands.FillRect(x0, h - bottom, left, bottom, leftColour);
    bands.FillPolygon({{x0, y0}, {w, y0}, {w - right, y0 + top}, {x0 + left, y0 + top}}, topColour);
    bands.FillPolygon({{w, y0}, {w, h}, {w - right, h - bottom}, {w - right, y0 + top}}, rightColour);
    bands.FillPolygon({{w, h}, {x0, h}, {x0 + left, h - bottom}, {w - right, h - bottom}}, bottomColour);
    bands.FillPolygon({{x0, h}, {x0, y0}, {x0 + left, y0 + top}, {x0 + left, h - bottom}}, leftColour);

    Canvas overlay = Canvas::Create(tile.width, tile.height);
    overlay.Draw(bands, 0, 0, settings.frameOpacity);
    return overlay;
}

std::vector<PixelRect> FrameTiles(const Settings& settings, long long width, long long height,
                                  long long tilePixels) {
    const long long left = settings.frameLeft, right = settings.frameRight;
    const long long top = settings.frameTop, bottom = settings.frameBottom;
    std::vector<PixelRect> areas;
    if (left < 0 || right < 0 || top < 0 || bottom < 0 || left + right >= width || top + bottom >= height) {
        areas.push_back({0, 0, width, height});  // bands that meet or turn inside out may cover anything
    } else {
        // Every band lies within its side's strip; the side strips leave out the rows of the top and bottom.
        areas.push_back({0, 0, width, top});
        areas.push_back({0, height - bottom, width, bottom});
        areas.push_back({0, top, left, height - top - bottom});
        areas.push_back({width - right, top, right, height - top - bottom});
    }
    std::vector<PixelRect> tiles;
    for (const PixelRect& area : areas) {
        if (area.width <= 0 || area.height <= 0) continue;
        // Whole rows of the area where they fit, else narrower columns as well.
        const long long columns = std::max(1LL, std::min(area.width, tilePixels));
        const long long rows = std::max(1LL, tilePixels / columns);
        for (long long y = 0; y < area.height; y += rows) {
            for (long long x = 0; x < area.width; x += columns) {
                tiles.push_back({area.x + x, area.y + y, std::min(columns, area.width - x),
                                 std::min(rows, area.height - y)});
            }
        }
    }
    return tiles;
}

Bitmap ApplyFrame(Bitmap picture, const Settings& settings, long long width, long long height,
                  long long tilePixels) {
    if (!picture) return picture;
    for (const PixelRect& tile : FrameTiles(settings, width, height, tilePixels)) {
        const Bitmap overlay = DrawFrameOverlay(settings, width, height, tile).ToBitmap();
        if (!overlay || !CompositeOverlayAt(picture, overlay, tile.x, tile.y)) return {};
    }
    return picture;
}

// Tiles of a million pixels: a few megabytes each, whatever the picture's size.
constexpr long long kFrameTilePixels = 1LL << 20;

Bitmap FrameStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || settings.doFrame == FrameType::None) return bitmap;
    if (bitmap.bpp() != 24) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    if (!bitmap || settings.doFrame != FrameType::Solid) return bitmap;

    bitmap = ApplyFrame(std::move(bitmap), settings, context.width, context.height, kFrameTilePixels);
    if (!bitmap) return Fail(context, "the frame could not be drawn");
    return bitmap;
}

}  // namespace ravelin
