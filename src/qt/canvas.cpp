#include "qt/canvas.h"

#include "qt/gui_application.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <cstdlib>
#include <cstring>

namespace ravelin {

namespace {

constexpr QImage::Format kDrawingFormat = QImage::Format_ARGB32_Premultiplied;

bool FitsLimits(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kCanvasMaxSide && height <= kCanvasMaxSide &&
           static_cast<std::uint64_t>(width * height) <= kCanvasMaxPixels;
}

// The watermark picture's grey filter: each pixel's red, green and blue become its luminance, alpha stays.
QImage Greyed(const QImage& source) {
    QImage grey = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = row[x];
            const int level = (77 * qRed(pixel) + 150 * qGreen(pixel) + 29 * qBlue(pixel)) >> 8;
            row[x] = qRgba(level, level, level, qAlpha(pixel));
        }
    }
    return grey;
}

// libpng, which Qt's PNG reader uses with libpng's own error printer, writes "libpng error: ..." straight to
// standard error on a damaged file. While a picture is decoded, stderr points at nothing: the damage is
// reported by the decode's result (the file is refused), and the console prints only its own lines. glibc's
// stderr is an ordinary variable; the module is used by one thread at a time.
class QuietDecoderErrors {
public:
    QuietDecoderErrors() : saved_(stderr), sink_(std::fopen("/dev/null", "w")) {
        if (sink_) stderr = sink_;
    }
    ~QuietDecoderErrors() {
        stderr = saved_;
        if (sink_) std::fclose(sink_);
    }
    QuietDecoderErrors(const QuietDecoderErrors&) = delete;
    QuietDecoderErrors& operator=(const QuietDecoderErrors&) = delete;

private:
    FILE* saved_;
    FILE* sink_;
};

// The reader's own allocation limit (256 MB by default) would refuse pictures that the canvas takes; it
// follows the canvas's limit instead (2^28 pixels of four bytes).
void AllowCanvasSizedPictures() {
    static std::once_flag once;
    std::call_once(once, [] { QImageReader::setAllocationLimit(static_cast<int>(kCanvasMaxPixels * 4 >> 20)); });
}

}  // namespace

QImage& DrawingSurface(RavelinCanvas* canvas) {
    if (canvas->image.format() != kDrawingFormat) canvas->image.convertTo(kDrawingFormat);
    return canvas->image;
}

RavelinCanvas* CanvasCreate(int width, int height) {
    if (!FitsLimits(width, height)) return nullptr;
    QImage image(width, height, kDrawingFormat);
    if (image.isNull()) return nullptr;
    image.fill(Qt::transparent);
    return new RavelinCanvas{std::move(image)};
}

RavelinCanvas* CanvasLoad(const char* path, int* hasAlpha) {
    if (hasAlpha) *hasAlpha = 0;
    if (!path || !*path || !EnsureGuiApplication()) return nullptr;
    // The watermark chooser offers these three; anything else is refused by its content, whatever its name.
    AllowCanvasSizedPictures();
    const QuietDecoderErrors quiet;
    QImageReader reader(QString::fromUtf8(path));
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    if (format != "png" && format != "bmp" && format != "jpeg" && format != "jpg") return nullptr;
    // Pictures that claim more than a canvas holds are refused before anything is allocated for them.
    const QSize size = reader.size();
    if (size.isValid() && !FitsLimits(size.width(), size.height())) return nullptr;
    QImage image = reader.read();
    if (image.isNull() || !FitsLimits(image.width(), image.height())) return nullptr;
    if (hasAlpha) *hasAlpha = image.hasAlphaChannel() ? 1 : 0;
    return new RavelinCanvas{std::move(image)};
}

void CanvasFree(RavelinCanvas* canvas) {
    delete canvas;
}

int CanvasWidth(const RavelinCanvas* canvas) {
    return canvas ? canvas->image.width() : 0;
}

int CanvasHeight(const RavelinCanvas* canvas) {
    return canvas ? canvas->image.height() : 0;
}

void CanvasFill(RavelinCanvas* canvas, std::uint32_t argb) {
    if (!canvas) return;
    DrawingSurface(canvas).fill(QColor::fromRgba(argb));
}

void CanvasFillRect(RavelinCanvas* canvas, double x, double y, double width, double height, std::uint32_t argb) {
    if (!canvas) return;
    QPainter painter(&DrawingSurface(canvas));
    painter.fillRect(QRectF(x, y, width, height), QColor::fromRgba(argb));
}

void CanvasFillPolygon(RavelinCanvas* canvas, const double* xy, int pointCount, std::uint32_t argb) {
    if (!canvas || !xy || pointCount < 3) return;
    QPolygonF polygon;
    polygon.reserve(pointCount);
    for (int i = 0; i < pointCount; ++i) polygon << QPointF(xy[2 * i], xy[2 * i + 1]);
    QPainter painter(&DrawingSurface(canvas));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(argb));
    painter.drawPolygon(polygon);
}

void CanvasDraw(RavelinCanvas* target, const RavelinCanvas* source, int x, int y, int opacity, int greyFilter) {
    if (!target || !source) return;
    QPainter painter(&DrawingSurface(target));
    painter.setOpacity(std::clamp(opacity, 0, 255) / 255.0);
    painter.drawImage(QPoint(x, y), greyFilter ? Greyed(source->image) : source->image);
}

const unsigned char* CanvasPixels(RavelinCanvas* canvas, int* stride) {
    if (!canvas) return nullptr;
    if (canvas->image.format() != QImage::Format_ARGB32) canvas->image.convertTo(QImage::Format_ARGB32);
    if (stride) *stride = static_cast<int>(canvas->image.bytesPerLine());
    return canvas->image.constBits();
}

int CanvasEncodePng(const RavelinCanvas* canvas, unsigned char** data, std::size_t* size) {
    if (!canvas || !data || !size) return 0;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!canvas->image.save(&buffer, "PNG")) return 0;
    auto* copy = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(bytes.size())));
    if (!copy) return 0;
    std::memcpy(copy, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    *data = copy;
    *size = static_cast<std::size_t>(bytes.size());
    return 1;
}

void BufferFree(unsigned char* data) {
    std::free(data);
}

}  // namespace ravelin
