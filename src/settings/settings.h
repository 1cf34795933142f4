#pragma once
// The one record of every option. Each field is named after its configuration section and key
// ("Output/JPG Quality"); settings_fields.cpp declares every field once with its kind and default.

#include <cstdint>
#include <string>

namespace ravelin {

using Flag = std::int8_t;
using Code8 = std::int8_t;
using Code32 = std::int32_t;
using Date = std::int64_t;  // seconds since 1970-01-01 00:00:00, as the local clock counts them

struct Settings {
    // General
    std::int32_t cfg = 19;
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
    Code32 ddsLoadAs = 0, gifFrameLoading = 0, icoFrameLoading = 0, tiffFrameLoading = 0, psdColorMode = 0;
    Code32 rawLoadAs = 0;
    std::int32_t rawHeaderSize = 0, rawImageWidth = 0, rawImageHeight = 0;
    Code32 rawToneMapping = 0;
    // Output
    std::string outputFormat;
    std::int32_t bmpBpp = 0;
    Code32 bmpCompression = 0, bmpColorTable = 0;
    std::int32_t ddsBpp = 0, exrBpp = 0;
    Code32 exrCompression = 0;
    std::int32_t gifBpp = 0, hdrBpp = 0, icoBpp = 0, j2kBpp = 0, jngBpp = 0, jp2Bpp = 0;
    std::int32_t jpgBpp = 0, jpgQuality = 0;
    Code32 jpgChroma = 0, jpgSaveAs = 0;
    std::int32_t jxrBpp = 0, pbmBpp = 0, pcxBpp = 0, pfmBpp = 0, pgmBpp = 0, pngBpp = 0;
    Code32 pngCompression = 0;
    Flag pngInterlaced = 0;
    std::int32_t ppmBpp = 0, psdBpp = 0, tgaBpp = 0;
    Code32 tgaCompression = 0;
    std::int32_t tiffBpp = 0;
    Code32 tiffCompression = 0, tiffColorMode = 0;
    std::int32_t wbmpBpp = 0, webpBpp = 0, webpQuality = 0, xpmBpp = 0;
    // Transform
    Flag doRotation = 0;
    Code8 rotationType = 0;
    std::int32_t rotation = 0;
    std::string rotationBackColor;
    Flag doResize = 0;
    std::int32_t width = 0;
    Code8 widthUnit = 0;
    std::int32_t height = 0;
    Code8 heightUnit = 0;
    Flag keepAspectRatio = 0;
    Code8 resizeType = 0, resizeAlgorithm = 0;
    Flag doFlipHorizontal = 0, doFlipVertical = 0;
    // Adjustment
    Flag doColorCorrection = 0;
    std::int32_t brightness = 0, contrast = 0;
    float gamma = 1.0f;
    Flag invert = 0, doGreyscale = 0, doThreshold = 0;
    std::int32_t threshold = 0;
    Flag doDither = 0;
    Code8 ditherAlgorithm = 0;
    // Frame
    Code8 doFrame = 0;
    std::int32_t frameLeft = 0, frameRight = 0, frameTop = 0, frameBottom = 0;
    std::string frameLeftColor, frameRightColor, frameTopColor, frameBottomColor;
    std::int32_t frameOpacity = 0;
    // Watermark
    Code8 doWatermark = 0;
    std::string wmText, wmFonts, wmFont;
    std::int32_t wmFontSize = 0, wmFontLeading = 0;
    std::string wmFontColors, wmFontColor;
    Code8 wmFontStyle = 0, wmFontEffect = 0;
    Flag wmTextAntialiasing = 0;
    Code8 wmTextAlignment = 0;
    std::int32_t wmTextPadding = 0, wmTextOpacity = 0;
    std::string wmBackColors, wmBackColor;
    std::int32_t wmBackOpacity = 0;
    Code8 wmTextBoundary = 0, wmTextPosition = 0;
    std::int32_t wmTextXOffset = 0, wmTextYOffset = 0, wmTextRotation = 0;
    Code8 wmTextSize = 0;
    std::int32_t wmTextScale = 0;
    std::string wmImage;
    Flag wmImageGreyscale = 0;
    std::int32_t wmImageOpacity = 0;
    Code8 wmImageBoundary = 0, wmImagePosition = 0;
    std::int32_t wmImageXOffset = 0, wmImageYOffset = 0, wmImageRotation = 0;
    Code8 wmImageSize = 0;
    std::int32_t wmImageScale = 0;
    // Advanced
    std::string filenameMask;
    Code8 fileTimestamp = 0;
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

// The one-line vendor notice: default of Watermark/Text and part of the console banner.
inline constexpr const char* kVendorNotice = "Converted with Orvanta PCX to JPG \xC2\xA9 Orvanta Software";
inline constexpr const char* kVendorWebsite = "https://www.orvanta.example/ravelin/";

}  // namespace ravelin
