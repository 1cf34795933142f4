#include "gui/screenshot_mode.h"

#include "gui/image_sets.h"
#include "gui/main_window.h"
#include "gui/modal.h"
#include "platform/paths.h"
#include "platform/product.h"
#include "settings/product_formats.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace ravelin {

namespace {

constexpr int kWindowX = 400, kWindowY = 400, kWindowWidth = 510, kWindowHeight = 260;
constexpr int kSettleMillis = 500;
constexpr int kJpegQuality = 90;  // 9 on a 0..10 scale

// Sample names as a Linux user would see them.
constexpr const char* kSampleInputStem = "/home/user/images/orvanta.";
constexpr const char* kSampleOutputFolder = "/home/user/converted/";

// Nothing may wait for an answer here: every question is declined at once.
class SilentModal final : public Modal {
public:
    void Message(QWidget*, MessageKind, const QString&, const QString&) override {}
    bool Ask(QWidget*, const QString&, const QString&) override { return false; }
    QString ChooseFile(QWidget*, const QString&, const QString&, const QStringList&) override { return {}; }
    QString ChooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
};

QString SampleInputName() {
    const auto pick = QRandomGenerator::global()->bounded(static_cast<quint32>(InputExtensions.size()));
    const std::string_view extension = InputExtensions[pick];
    return QString(kSampleInputStem) + QString::fromUtf8(extension.data(), static_cast<int>(extension.size()));
}

void SaveOrSay(const QImage& image, const QString& path) {
    if (!SaveJpeg(image, path)) std::fprintf(stderr, "ravelin: cannot write %s\n", path.toUtf8().constData());
}

}  // namespace

std::string ScreenshotFolder(const std::string& given, const std::string& programFolder) {
    const std::string folder = WithTrailingSlash(given.empty() ? programFolder : given);
    return IsExistingFolder(folder) ? folder : std::string();
}

void StampWebAddress(QImage& capture, int logicalWidth, int logicalHeight) {
    QPainter painter(&capture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QFont font("Tahoma");
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString address(kVendorWebsite);
    const QFontMetrics metrics(font, &capture);
    const int left = logicalWidth - metrics.horizontalAdvance(address) - 35;
    const int top = logicalHeight - 26;
    painter.drawText(left, top + metrics.ascent(), address);
}

QImage Thumbnail(const QImage& capture) {
    if (capture.isNull() || capture.height() <= 0) return {};
    const float ratio = static_cast<float>(capture.width()) / static_cast<float>(capture.height());
    const int height = std::max(1, static_cast<int>(std::lround(static_cast<float>(kThumbnailWidth) / ratio)));
    QImage thumbnail = capture.scaled(kThumbnailWidth, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    thumbnail.setDevicePixelRatio(1.0);
    return thumbnail;
}

bool SaveJpeg(const QImage& image, const QString& path) {
    if (image.isNull()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void RunScreenshotMode(Settings& settings, ConversionJob& job, const std::string& folder) {
    settings.windowX = kWindowX;
    settings.windowY = kWindowY;
    settings.windowWidth = kWindowWidth;
    settings.windowHeight = kWindowHeight;
    settings.windowIsMaximized = 0;

    SilentModal modal;
    MainWindow window(settings, job, modal, BuiltInImages(ToolbarIconSize(settings.uiSize)));
    window.resize(kWindowWidth, kWindowHeight);
    window.FinishStartUp();
    window.activateWindow();
    window.ShowSample(SampleInputName(), kSampleOutputFolder);

    // Half a second lets the window settle (layout, styles, the window manager), unless it is closed first.
    QEventLoop settle;
    QTimer::singleShot(kSettleMillis, &settle, &QEventLoop::quit);
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &settle, &QEventLoop::quit);
    settle.exec();

    QImage capture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    StampWebAddress(capture, window.width(), window.height());
    const QString base = QString::fromStdString(folder);
    SaveOrSay(capture, base + kScreenshotName);
    SaveOrSay(Thumbnail(capture), base + kThumbnailName);
}

}  // namespace ravelin
