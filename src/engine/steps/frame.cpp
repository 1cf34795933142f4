#include "engine/steps/colour_text.h"
#include "engine/steps/overlay.h"
#include "engine/steps/steps.h"

namespace ravelin {

Canvas DrawFrameOverlay(const Settings& settings, long long width, long long height) {
    Canvas bands = Canvas::Create(width, height);
    if (!bands) return bands;
    const double w = static_cast<double>(width), h = static_cast<double>(height);
    const double left = settings.frameLeft, right = settings.frameRight;
    const double top = settings.frameTop, bottom = settings.frameBottom;
    const std::uint32_t leftColour = Argb(255, ParseColourText(settings.frameLeftColor).packed());
    const std::uint32_t rightColour = Argb(255, ParseColourText(settings.frameRightColor).packed());
    const std::uint32_t topColour = Argb(255, ParseColourText(settings.frameTopColor).packed());
    const std::uint32_t bottomColour = Argb(255, ParseColourText(settings.frameBottomColor).packed());

    // The corner squares lie under the diagonal joints; along each diagonal the band drawn later wins.
    bands.FillRect(0, 0, left, top, topColour);
    bands.FillRect(w - right, 0, right, top, rightColour);
    bands.FillRect(w - right, h - bottom, right, bottom, bottomColour);
    bands.FillRect(0, h - bottom, left, bottom, leftColour);
    bands.FillPolygon({{0, 0}, {w, 0}, {w - right, top}, {left, top}}, topColour);
    bands.FillPolygon({{w, 0}, {w, h}, {w - right, h - bottom}, {w - right, top}}, rightColour);
    bands.FillPolygon({{w, h}, {0, h}, {left, h - bottom}, {w - right, h - bottom}}, bottomColour);
    bands.FillPolygon({{0, h}, {0, 0}, {left, top}, {left, h - bottom}}, leftColour);

    Canvas overlay = Canvas::Create(width, height);
    overlay.Draw(bands, 0, 0, settings.frameOpacity);
    return overlay;
}

Bitmap FrameStep(Bitmap bitmap, const StepContext& context) {
    const Settings& settings = context.settings;
    if (!bitmap || settings.doFrame == FrameType::None) return bitmap;
    if (bitmap.bpp() != 24) bitmap = Replace(std::move(bitmap), FreeImage_ConvertTo24Bits);
    if (!bitmap || settings.doFrame != FrameType::Solid) return bitmap;

    Bitmap overlay = DrawFrameOverlay(settings, context.width, context.height).ToBitmap();
    if (!overlay) return bitmap;  // no overlay: the picture goes on unframed
    return CompositeOverlay(std::move(bitmap), overlay);
}

}  // namespace ravelin
