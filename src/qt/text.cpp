#include "qt/text.h"

#include "qt/canvas.h"
#include "qt/gui_application.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ravelin {

namespace {

// FreeType takes pixel sizes up to 65535.
constexpr int kMaxPixelSize = 65535;

// Points at 96 dots per inch, rounded as the point-to-pixel conversion of the font chooser does, so that a
// size means the same pixels whatever screen (or none) the process runs on.
// Computed wide, so that a huge size is refused rather than wrapped into a small one.
long long PixelSizeOf(int points) {
    return std::llround(points * 96.0 / 72.0);
}

}  // namespace

RavelinFont* FontLoad(const RavelinFontRequest* request) {
    if (!request || !request->family || !*request->family) return nullptr;
    if (request->pointSize < 1 || PixelSizeOf(request->pointSize) > kMaxPixelSize) return nullptr;
    if (!EnsureGuiApplication()) return nullptr;
    // fontconfig always proposes some face (an unknown name falls back to the default sans face); the font
    // cannot be loaded only when there is no face at all.
    if (QFontDatabase::families().isEmpty()) return nullptr;

    QFont font;
    font.setFamily(QString::fromUtf8(request->family));
    font.setPixelSize(static_cast<int>(PixelSizeOf(request->pointSize)));
    font.setBold(request->bold != 0);
    font.setItalic(request->italic != 0);
    font.setUnderline(request->underline != 0);
    font.setStrikeOut(request->strikeOut != 0);
    const QString resolved = QFontInfo(font).family();
    if (resolved.isEmpty()) return nullptr;

    auto* loaded = new RavelinFont{font, font, resolved.toUtf8()};
    loaded->raster.setStyleStrategy(QFont::NoAntialias);
    loaded->smooth.setStyleStrategy(QFont::PreferAntialias);
    return loaded;
}

void FontFree(RavelinFont* font) {
    delete font;
}

const char* FontFamily(const RavelinFont* font) {
    return font ? font->family.constData() : "";
}

void TextSize(const RavelinFont* font, const char* text, int smooth, double* width, double* height) {
    double w = 0, h = 0;
    if (font && text) {
        const QString line = QString::fromUtf8(text);
        if (smooth) {
            const QFontMetricsF metrics(font->smooth);
            w = metrics.horizontalAdvance(line);
            h = metrics.height();
        } else {
            const QFontMetrics metrics(font->raster);
            w = metrics.horizontalAdvance(line);
            h = metrics.height();
        }
    }
    if (width) *width = w;
    if (height) *height = h;
}

void DrawRasterText(RavelinCanvas* canvas, const RavelinFont* font, const char* text, int x, int y,
                    std::uint32_t textArgb, std::uint32_t backArgb) {
    if (!canvas || !font || !text) return;
    QPainter painter(&DrawingSurface(canvas));
    // Raster text replaces what lies under it, alpha included, as a text box drawn in opaque mode does.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setFont(font->raster);
    painter.setPen(QColor::fromRgba(textArgb));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor::fromRgba(backArgb));
    painter.drawText(QPoint(x, y + QFontMetrics(font->raster).ascent()), QString::fromUtf8(text));
}

void DrawSmoothText(RavelinCanvas* canvas, const RavelinFont* font, const char* text, double x, double y,
                    std::uint32_t argb) {
    if (!canvas || !font || !text) return;
    QPainter painter(&DrawingSurface(canvas));
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(font->smooth);
    painter.setPen(QColor::fromRgba(argb));
    painter.drawText(QPointF(x, y + QFontMetricsF(font->smooth).ascent()), QString::fromUtf8(text));
}

}  // namespace ravelin
