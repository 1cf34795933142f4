#pragma once
// Overlays drawn for the frame and the watermark, and their compositing over the picture.

#include "engine/bitmap.h"
#include "engine/steps/canvas.h"
#include "settings/settings.h"

#include <string>

namespace ravelin {

struct WatermarkFont;

// FreeImage_Composite(overlay, FALSE, no background colour, picture): the 24-bit picture with the 32-bit
// overlay laid over it (each channel truncated). No bitmap when FreeImage refuses.
Bitmap CompositeOverlay(Bitmap picture, const Bitmap& overlay);

// The frame's four bands with mitred corners on a transparent w x h raster, at Frame/Solid Opacity. Empty
// when the raster cannot be made.
Canvas DrawFrameOverlay(const Settings& settings, long long width, long long height);

// The text watermark (already expanded text, "%eol%" separating lines) on its background box, with both
// opacities applied. Empty when nothing can be rendered.
Canvas RenderTextWatermark(const Settings& settings, const WatermarkFont& font, const std::string& text);

// The watermark picture Watermark/Image at Watermark/Image Opacity, greyed when asked. Empty when the picture
// cannot be read.
Canvas RenderImageWatermark(const Settings& settings);

// Turns the rendered watermark, cuts it to the free area, places it at its anchor and composites it over the
// w x h 24-bit picture. The picture comes back unmarked when the watermark does not fit.
Bitmap PlaceWatermark(Bitmap picture, Bitmap mark, const WatermarkPlacement& placement, const Settings& settings,
                      long long width, long long height);

}  // namespace ravelin
