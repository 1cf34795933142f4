#pragma once
// The one record of every option. Each field is named after its configuration section and key
// ("Output/JPG Quality"); settings_fields.cpp declares every field once with its kind and default.

#include "settings/option_codes.h"

#include <cstdint>
#include <string>

namespace ravelin {

using Flag = std::int8_t;
using Date = std::int64_t;  // seconds since 1970-01-01 00:00:00, as the local clock counts them

// Where a text or picture watermark lands; the two watermarks share it.
struct WatermarkPlacement {
    WatermarkBoundary boundary{};
    AnchorPosition position{};
    std::int32_t xOffset = 0, yOffset = 0;
    std::int32_t rotation = 0;
    WatermarkSizeMode size{};
    std::int32_t scale = 0;  // edited and stored; no step reads it
};

// Every member is zero here; the defaults live in the field table alone (ApplyDefaults).
struct Settings {
    // General
    std::int32_t cfg = 0;
    std::string language;
    std::int32_t updateRange = 0;
    Date updateDate = 0;
    Flag saveWindowPosition = 0;
    // Window
    Flag windowIsMaximized = 0;
    std::int32_t windowWidth = 0, windowHeight = 0, windowX = 0, windowY = 0;
    // Interface
    std::string uiTheme;
    std::int32_t uiSize = 0;
    // Input
    std::string inputFormat;
    DdsLoadMode ddsLoadAs{};
    FrameSelection gifFrameLoading{}, icoFrameLoading{}, tiffFrameLoading{};
    ColorModel psdColorMode{};
    RawLoadMode rawLoadAs{};
    std::int32_t rawHeaderSize = 0, rawImageWidth = 0, rawImageHeight = 0;
    ToneMapping rawToneMapping{};
    // Output
    std::string outputFormat;
    std::int32_t bmpBpp = 0;
    RleCompression bmpCompression{};
    ColorTableMode bmpColorTable{};
    std::int32_t ddsBpp = 0, exrBpp = 0;
    ExrCompression exrCompression{};
    std::int32_t gifBpp = 0, hdrBpp = 0, icoBpp = 0, j2kBpp = 0, jngBpp = 0, jp2Bpp = 0;
    std::int32_t jpgBpp = 0, jpgQuality = 0;
    ChromaSubsampling jpgChroma{};
    JpegEncoding jpgSaveAs{};
    std::int32_t jxrBpp = 0, pbmBpp = 0, pcxBpp = 0, pfmBpp = 0, pgmBpp = 0, pngBpp = 0;
    PngCompression pngCompression{};
    Flag pngInterlaced = 0;
    std::int32_t ppmBpp = 0, psdBpp = 0, tgaBpp = 0;
    RleCompression tgaCompression{};
    std::int32_t tiffBpp = 0;
    TiffCompression tiffCompression{};
    ColorModel tiffColorMode{};
    std::int32_t wbmpBpp = 0, webpBpp = 0, webpQuality = 0, xpmBpp = 0;
    // Transform
    Flag doRotation = 0;
    RotationType rotationType{};
    std::int32_t rotation = 0;
    std::string rotationBackColor;
    Flag doResize = 0;
    std::int32_t width = 0;
    SizeUnit widthUnit{};
    std::int32_t height = 0;
    SizeUnit heightUnit{};
    Flag keepAspectRatio = 0;
    ResizeScope resizeType{};
    ResizeFilter resizeAlgorithm{};
    Flag doFlipHorizontal = 0, doFlipVertical = 0;
    // Adjustment
    Flag doColorCorrection = 0;
    std::int32_t brightness = 0, contrast = 0;
    float gamma = 0.0f;
    Flag invert = 0, doGreyscale = 0, doThreshold = 0;
    std::int32_t threshold = 0;
    Flag doDither = 0;
    DitherAlgorithm ditherAlgorithm{};
    // Frame
    FrameType doFrame{};
    std::int32_t frameLeft = 0, frameRight = 0, frameTop = 0, frameBottom = 0;
    std::string frameLeftColor, frameRightColor, frameTopColor, frameBottomColor;
    std::int32_t frameOpacity = 0;
    // Watermark
    WatermarkType doWatermark{};
    std::string wmText, wmFonts, wmFont;
    std::int32_t wmFontSize = 0, wmFontLeading = 0;
    std::string wmFontColors, wmFontColor;
    FontStyle wmFontStyle{};
    FontEffect wmFontEffect{};
    Flag wmTextAntialiasing = 0;
    TextAlignment wmTextAlignment{};
    std::int32_t wmTextPadding = 0, wmTextOpacity = 0;
    std::string wmBackColors, wmBackColor;
    std::int32_t wmBackOpacity = 0;
    WatermarkPlacement wmTextPlacement;
    std::string wmImage;
    Flag wmImageGreyscale = 0;
    std::int32_t wmImageOpacity = 0;
    WatermarkPlacement wmImagePlacement;
    // Advanced
    std::string filenameMask;
    TimestampMode fileTimestamp{};
    Date customTimestamp = 0;
    Flag outFoldersHistory = 0;
    std::int8_t outFoldersNumber = 0;
    Flag keepSubfolders = 0;
    // File
    std::string recentOutFolders, recentFiles;
    // Privacy
    Flag cleanRecentFiles = 0;
};

enum class DefaultsProfile { Window, Console };

// Sets every field to its default; the two profiles differ only in Transform/Keep Aspect Ratio.
// `now` is the current date-time; desktop size centres the window (0 means unknown).
void ApplyDefaults(Settings& settings, DefaultsProfile profile, Date now, int desktopWidth = 0,
                   int desktopHeight = 0);

// Puts `folder` at the head of File/Recent Out Folders, keeping at most Advanced/Out Folders Number entries.
void RememberOutputFolder(Settings& settings, const std::string& folder);


}  // namespace ravelin
