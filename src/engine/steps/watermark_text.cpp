#include "engine/steps/colour_text.h"
#include "engine/steps/overlay.h"
#include "engine/watermark_font.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ravelin {

namespace {

constexpr std::string_view kLineBreak = "%eol%";

// The text split at its line-break markers, whatever their letter case.
std::vector<std::string> SplitLines(const std::string& text) {
    const std::string marked = ReplaceIgnoreCase(text, kLineBreak, kLineBreak);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = marked.find(kLineBreak); at != std::string::npos; at = marked.find(kLineBreak, start)) {
        lines.push_back(marked.substr(start, at - start));
        start = at + kLineBreak.size();
    }
    lines.push_back(marked.substr(start));
    return lines;
}

// The left edge of a line of width `lineWidth` in a raster `rasterWidth` wide.
long long LineLeft(TextAlignment alignment, long long rasterWidth, long long lineWidth, long long padding) {
    switch (alignment) {
        case TextAlignment::Left: return padding;
        case TextAlignment::Center: return std::llround((rasterWidth - lineWidth + 0.0) / 2.0);
        case TextAlignment::Right: return rasterWidth - lineWidth - padding;
        default: return 0;
    }
}

}  // namespace

Canvas RenderTextWatermark(const Settings& settings, const WatermarkFont& font, const std::string& text,
                           long long maxWidth, long long maxHeight) {
    const std::vector<std::string> lines = SplitLines(text);
    const bool multiLine = lines.size() > 1;

    // The box is measured with raster text, whichever way the text is then drawn.
    long long textWidth = 0, textHeight = 0, lineStep = 0;
    if (multiLine) {
        long long widest = 10, tallest = 10;
        for (const std::string& line : lines) {
            const TextExtent size = MeasureText(font, line, false);
            widest = std::max(widest, std::llround(size.width));
            tallest = std::max(tallest, std::llround(size.height));
        }
        textWidth = widest;
        lineStep = tallest + settings.wmFontLeading;
        textHeight = tallest + static_cast<long long>(lines.size() - 1) * lineStep;
    } else {
        const TextExtent size = MeasureText(font, text, false);
        textWidth = std::llround(size.width);
        textHeight = std::llround(size.height);
    }
    const long long padding = settings.wmTextPadding;
    const long long rasterWidth = textWidth + 2 * padding, rasterHeight = textHeight + 2 * padding;
    // The lines are laid out for the whole box; only the part that can be kept is drawn.
    const long long drawnWidth = std::min(rasterWidth, maxWidth), drawnHeight = std::min(rasterHeight, maxHeight);

    Canvas lettering = Canvas::Create(drawnWidth, drawnHeight);
    Canvas result = Canvas::Create(drawnWidth, drawnHeight);
    if (!lettering || !result) return {};
    const std::uint32_t fontColour = ParseColourText(settings.wmFontColor).packed();
    const std::uint32_t backColour = ParseColourText(settings.wmBackColor).packed();
    const TextAlignment alignment = settings.wmTextAlignment;

    // A line wholly outside the drawn part is not drawn, which also keeps every drawn position within int.
    auto outside = [&](long long top) { return top >= drawnHeight || top < -2 * kCanvasMaxSide; };
    auto left = [&](long long lineWidth) {
        return multiLine ? LineLeft(alignment, rasterWidth, lineWidth, padding) : padding;
    };
    if (settings.wmTextAntialiasing) {
        Canvas back = Canvas::Create(drawnWidth, drawnHeight);
        if (!back) return {};
        back.Fill(Argb(255, backColour));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (outside(padding + static_cast<long long>(i) * lineStep)) continue;
            const long long lineWidth = std::llround(MeasureText(font, lines[i], true).width);
            lettering.DrawSmoothText(font, lines[i], static_cast<double>(left(lineWidth)),
                                 static_cast<double>(padding + static_cast<long long>(i) * lineStep),
                                 Argb(255, fontColour));
        }
        result.Draw(back, 0, 0, settings.wmBackOpacity);
        result.Draw(lettering, 0, 0, settings.wmTextOpacity);
    } else {
        const std::uint32_t backArgb = Argb(settings.wmBackOpacity, backColour);
        lettering.Fill(backArgb);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (outside(padding + static_cast<long long>(i) * lineStep)) continue;
            const long long lineWidth = std::llround(MeasureText(font, lines[i], false).width);
            lettering.DrawRasterText(font, lines[i], static_cast<int>(left(lineWidth)),
                                 static_cast<int>(padding + static_cast<long long>(i) * lineStep),
                                 Argb(settings.wmTextOpacity, fontColour), backArgb);
        }
        result.Draw(lettering, 0, 0, 255);
    }
    return result;
}

}  // namespace ravelin
