#pragma once
// The screenshot mode: the main window filled with sample names, captured into two JPEG files (full size
// and a 180-pixel-wide thumbnail) in a folder, then the run ends. It reads and writes no configuration
// and never waits for the user.

#include "engine/job.h"
#include "settings/settings.h"

#include <QImage>
#include <QString>

#include <string>

namespace ravelin {

inline constexpr const char* kScreenshotName = "ravelin1.jpg";
inline constexpr const char* kThumbnailName = "ravelin1x.jpg";
inline constexpr int kThumbnailWidth = 180;

// The folder the captures go to, ending in '/': `given`, or the program's folder when it is empty; ""
// when that is not an existing folder.
std::string ScreenshotFolder(const std::string& given, const std::string& programFolder);

// Builds the window, lets it settle for half a second, captures it into `folder` (as ScreenshotFolder
// gives it). A capture that cannot be written is left out, with one line on stderr.
void RunScreenshotMode(Settings& settings, ConversionJob& job, const std::string& folder);

// The vendor's web address stamped near the bottom right of a capture.
void StampWebAddress(QImage& capture, int logicalWidth, int logicalHeight);

// The thumbnail: 180 pixels wide, the height keeping the capture's proportions.
QImage Thumbnail(const QImage& capture);

// Writes `image` as JPEG (quality 90) through a temporary file, so that a failed write leaves nothing
// behind and an earlier file intact.
bool SaveJpeg(const QImage& image, const QString& path);

}  // namespace ravelin
