#pragma once
// Overlays drawn for the frame and the watermark, and their compositing over the picture.

#include "engine/bitmap.h"
#include "engine/steps/canvas.h"
#include "settings/settings.h"

#include <string>
#include <vector>

namespace ravelin {

struct WatermarkFont;

// FreeImage_Composite(overlay, FALSE, no background colour, picture): the 24-bit picture with the 32-bit
// overlay laid over it (each channel truncated). No bitmap when FreeImage refuses.
Bitmap CompositeOverlay(Bitmap picture, const Bitmap& overlay);

// The same for an overlay that covers only the rectangle at (x, y) of its size: the rest of a full-size
// overlay would be transparent, which leaves the picture's pixels as they are, so only that rectangle is
// composited, in place. False (the picture unchanged) when FreeImage refuses.
bool CompositeOverlayAt(Bitmap& picture, const Bitmap& overlay, long long x, long long y);

// A part of the picture, in pixels from its top-left corner.
struct PixelRect {
    long long x = 0, y = 0, width = 0, height = 0;
};

// The frame's four bands with mitred corners on a transparent w x h raster, at Frame/Solid Opacity; or only
// the part `tile` of it, the same pixels as that part of the whole. Empty when the raster cannot be made.
Canvas DrawFrameOverlay(const Settings& settings, long long width, long long height);
Canvas DrawFrameOverlay(const Settings& settings, long long width, long long height, const PixelRect& tile);

// The parts of a w x h picture the frame's bands can cover, cut into tiles of at most `tilePixels` pixels.
std::vector<PixelRect> FrameTiles(const Settings& settings, long long width, long long height,
                                  long long tilePixels);

// Frames the 24-bit w x h picture tile by tile (tiles of at most `tilePixels`), with the pixels the whole
// overlay would give. No bitmap when a tile cannot be drawn or composited.
Bitmap ApplyFrame(Bitmap picture, const Settings& settings, long long width, long long height,
                  long long tilePixels);

// The text watermark (already expanded text, "%eol%" separating lines) on its background box, with both
// opacities applied. Empty when nothing can be rendered.
// Only its top-left part of at most maxWidth x maxHeight is drawn: the same pixels as that part of the whole.
Canvas RenderTextWatermark(const Settings& settings, const WatermarkFont& font, const std::string& text,
                           long long maxWidth = kCanvasMaxSide, long long maxHeight = kCanvasMaxSide);

// The watermark picture Watermark/Image at Watermark/Image Opacity, greyed when asked. Empty when the picture
// cannot be read.
Canvas RenderImageWatermark(const Settings& settings);

// Turns the rendered watermark, cuts it to the free area, places it at its anchor and composites it over the
// w x h 24-bit picture. The picture comes back unmarked when the watermark does not fit.
Bitmap PlaceWatermark(Bitmap picture, Bitmap mark, const WatermarkPlacement& placement, const Settings& settings,
                      long long width, long long height);

}  // namespace ravelin
