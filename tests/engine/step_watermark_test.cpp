// The text and picture watermarks: rendering, rotation, cut to fit, the nine anchors, compositing.

#include "engine/naming.h"
#include "engine/steps/overlay.h"
#include "engine/watermark_font.h"
#include "step_helpers.h"

#include <limits>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>

namespace ravelin {

namespace {

using namespace step_test;

constexpr Colour kWhite{255, 255, 255}, kBlack{0, 0, 0};

// An opaque 32-bit mark of width x height: red on its left half, blue on its right half.
Bitmap Mark(unsigned width, unsigned height) {
    Bitmap mark(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 32));
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            RGBQUAD quad = x < width / 2 ? RGBQUAD{0, 0, 255, 255} : RGBQUAD{255, 0, 0, 255};
            FreeImage_SetPixelColor(mark.get(), x, y, &quad);
        }
    }
    return mark;
}

// A placement from its rotation, anchor, offsets and whether it keeps inside the frame.
WatermarkPlacement PlacementOf(int rotation, int anchor, std::int32_t x, std::int32_t y, bool insideFrame) {
    WatermarkPlacement placement;
    placement.rotation = rotation;
    placement.position = static_cast<AnchorPosition>(anchor);
    placement.xOffset = x, placement.yOffset = y;
    placement.boundary = insideFrame ? WatermarkBoundary::Frame : WatermarkBoundary::Image;
    return placement;
}

Box Placed(const StepRun& run, const WatermarkPlacement& placement, unsigned markWidth, unsigned markHeight,
           unsigned width = 200, unsigned height = 100) {
    const Bitmap picture = Solid24(width, height, kWhite);
    const Bitmap result = PlaceWatermark(Clone(picture), Mark(markWidth, markHeight), placement, run.settings, width,
                                         height);
    EXPECT_EQ(result.bpp(), 24u);
    return ChangedBox(result, picture);
}

// --- Placement ---

struct AnchorCase {
    int anchor;
    Box whole;        // a 30 x 20 mark on 200 x 100, offsets 10 and 6
    Box insideFrame;  // the same inside a frame of left 20, right 10, top 5, bottom 15
};
void PrintTo(const AnchorCase& c, std::ostream* out) {
    *out << "anchor " << c.anchor;
}

class AnchorTest : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(AnchorTest, PlacesTheMarkAtItsAnchor) {
    const AnchorCase& c = GetParam();
    StepRun run;
    run.settings.frameLeft = 20, run.settings.frameRight = 10, run.settings.frameTop = 5, run.settings.frameBottom = 15;
    WatermarkPlacement placement = PlacementOf(0, c.anchor, 10, 6, false);
    EXPECT_EQ(Placed(run, placement, 30, 20), c.whole);
    placement.boundary = WatermarkBoundary::Frame;  // without a frame the boundary changes nothing
    EXPECT_EQ(Placed(run, placement, 30, 20), c.whole);
    run.settings.doFrame = FrameType::Solid;
    EXPECT_EQ(Placed(run, placement, 30, 20), c.insideFrame);
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, AnchorTest,
    // Free area inside the frame: 170 x 80 from (20, 5).
    ::testing::Values(AnchorCase{0, {10, 6, 40, 26}, {30, 11, 60, 31}},
                      AnchorCase{1, {85, 6, 115, 26}, {90, 11, 120, 31}},
                      AnchorCase{2, {160, 6, 190, 26}, {150, 11, 180, 31}},
                      AnchorCase{3, {10, 40, 40, 60}, {30, 35, 60, 55}},
                      AnchorCase{4, {85, 40, 115, 60}, {90, 35, 120, 55}},
                      AnchorCase{5, {160, 40, 190, 60}, {150, 35, 180, 55}},
                      AnchorCase{6, {10, 74, 40, 94}, {30, 59, 60, 79}},
                      AnchorCase{7, {85, 74, 115, 94}, {90, 59, 120, 79}},
                      AnchorCase{8, {160, 74, 190, 94}, {150, 59, 180, 79}},
                      AnchorCase{9, {0, 0, 30, 20}, {20, 5, 50, 25}}));

TEST(PlaceWatermark, CutToFitKeepsTheTopLeftPart) {
    StepRun run;
    const Bitmap picture = Solid24(50, 40, kWhite);
    // 60 wide with X offset 10 in a 50-pixel picture: 40 columns stay, the red left half and ten blue ones.
    const Bitmap result =
        PlaceWatermark(Clone(picture), Mark(60, 10), PlacementOf(0, 8, 10, 10, false), run.settings, 50, 40);
    EXPECT_EQ(ChangedBox(result, picture), (Box{0, 20, 40, 30}));
    EXPECT_GT(At(result, 29, 25).r, 240);
    EXPECT_GT(At(result, 30, 25).b, 240);
    EXPECT_LT(At(result, 30, 25).r, 10);
}

TEST(PlaceWatermark, CentredMarkIsStillCutByItsOffsets) {
    StepRun run;
    EXPECT_EQ(Placed(run, PlacementOf(0, 4, 10, 10, false), 200, 20, 200, 100), (Box{5, 40, 195, 60}));
}

TEST(PlaceWatermark, RotationTurnsTheMarkBeforePlacing) {
    StepRun run;
    EXPECT_EQ(Placed(run, PlacementOf(90, 8, 10, 10, false), 30, 20), (Box{170, 60, 190, 90}));
    // Counter-clockwise: the red left half ends up at the bottom.
    const Bitmap picture = Solid24(200, 100, kWhite);
    const Bitmap result = PlaceWatermark(Clone(picture), Mark(30, 20), PlacementOf(90, 0, 0, 0, false), run.settings, 200, 100);
    EXPECT_GT(At(result, 5, 25).r, 240);
    EXPECT_GT(At(result, 5, 5).b, 240);
}

// Offsets and anchors that push the mark off the picture, or leave it no room, leave the picture unmarked.
TEST(PlaceWatermark, NoRoomLeavesThePictureUnmarked) {
    struct Case {
        const char* name;
        WatermarkPlacement placement;
        int frame;  // band width of a frame that the mark keeps inside, or 0
    };
    for (const Case& c : {Case{"negative offset at the left", PlacementOf(0, 0, -5, 10, false), 0},
                          Case{"negative offset at the top", PlacementOf(0, 1, 10, -1, false), 0},
                          Case{"offset beyond the width", PlacementOf(0, 8, 200, 10, false), 0},
                          Case{"offset beyond the height", PlacementOf(0, 8, 10, 100, false), 0},
                          Case{"huge offsets", PlacementOf(0, 8, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), false), 0},
                          Case{"frame wider than the picture", PlacementOf(0, 4, 0, 0, true), 150}}) {
        StepRun run;
        run.settings.doFrame = c.frame ? FrameType::Solid : FrameType::None;
        run.settings.frameLeft = run.settings.frameRight = run.settings.frameTop = run.settings.frameBottom = c.frame;
        EXPECT_EQ(Placed(run, c.placement, 30, 20), Box{}) << c.name;
    }
}

// --- Image watermark ---

class ImageWatermarkTest : public ::testing::Test {
protected:
    // A 20 x 10 picture: opaque red on the left half, fully transparent on the right half.
    std::string RedHalfPng() {
        Bitmap picture(FreeImage_Allocate(20, 10, 32));
        for (unsigned y = 0; y < 10; ++y) {
            for (unsigned x = 0; x < 20; ++x) {
                RGBQUAD quad = x < 10 ? RGBQUAD{0, 0, 255, 255} : RGBQUAD{0, 255, 0, 0};
                FreeImage_SetPixelColor(picture.get(), x, y, &quad);
            }
        }
        return SavePicture(picture, FIF_PNG, "red-half.png");
    }

    Bitmap Watermarked(const Bitmap& picture) {
        return WatermarkStep(Clone(picture), run.context(picture.width(), picture.height()));
    }

    StepRun run = [] {
        StepRun r;
        r.settings.doWatermark = WatermarkType::Image;
        r.settings.wmImageOpacity = 255;
        r.settings.wmImagePlacement.position = AnchorPosition::TopLeft;
        r.settings.wmImagePlacement.xOffset = r.settings.wmImagePlacement.yOffset = 0;
        return r;
    }();
};

TEST_F(ImageWatermarkTest, GreyscaleTurnsRedGreyAndKeepsTransparency) {
    run.settings.wmImage = RedHalfPng();
    const Bitmap picture = Solid24(40, 30, kBlack);
    const Bitmap plain = Watermarked(picture);
    EXPECT_GT(At(plain, 5, 5).r, 240);
    run.settings.wmImageGreyscale = 1;
    const Bitmap grey = Watermarked(picture);
    const Colour c = At(grey, 5, 5);
    EXPECT_EQ(c.r, c.g);
    EXPECT_EQ(c.g, c.b);
    EXPECT_NEAR(c.r, (77 * 255) >> 8, 3);  // the paste and the composite each truncate
    EXPECT_EQ(At(grey, 15, 5), kBlack);  // transparent half: the picture shows through
    EXPECT_EQ(At(grey, 5, 15), kBlack);  // below the mark
}

TEST_F(ImageWatermarkTest, OpacityBlendsAndAnOpaquePictureIsLaidOnBlack) {
    run.settings.wmImage = RedHalfPng();
    run.settings.wmImageOpacity = 128;
    const Bitmap picture = Solid24(40, 30, kWhite);
    const Colour half = At(Watermarked(picture), 5, 5);
    EXPECT_TRUE(Near(half, {255, 128, 128}, 3)) << half.r << "," << half.g << "," << half.b;

    // Without alpha the picture is first laid on opaque black, so half opacity darkens it.
    run.settings.wmImage = SavePicture(Solid24(20, 10, kWhite), FIF_BMP, "white.bmp");
    const Colour dark = At(Watermarked(Solid24(40, 30, {0, 0, 255})), 5, 5);
    EXPECT_TRUE(Near(dark, {127, 127, 127}, 2)) << dark.r << "," << dark.g << "," << dark.b;
}

TEST_F(ImageWatermarkTest, JpegAndBmpPicturesAreRead) {
    for (FREE_IMAGE_FORMAT format : {FIF_JPEG, FIF_BMP, FIF_PNG}) {
        run.settings.wmImage = SavePicture(Solid24(16, 8, {0, 255, 0}), format, "green." + std::to_string(format));
        const Colour c = At(Watermarked(Solid24(40, 30, kBlack)), 4, 4);
        EXPECT_TRUE(Near(c, {0, 253, 0}, 3)) << format << ": " << c.r << "," << c.g << "," << c.b;
    }
}

// Pictures from other encoders: a colour-keyed palette PNG and a BMP with alpha keep their transparent half;
// a progressive JPEG is opaque throughout. Greyed, the red half comes out grey.
TEST_F(ImageWatermarkTest, OtherEncodersPicturesKeepTheirTransparency) {
    struct Case {
        const char* file;
        bool transparentRight;
    };
    run.settings.wmImageGreyscale = 1;
    const Bitmap picture = Solid24(40, 30, {0, 0, 255});
    for (const Case& c : {Case{"red_keyed.png", true}, Case{"red_alpha.bmp", true}, Case{"red_progressive.jpg", false}}) {
        run.settings.wmImage = std::string(RAVELIN_FIXTURES) + "/chain/" + c.file;
        const Bitmap result = Watermarked(picture);
        const Colour left = At(result, 3, 3), right = At(result, 12, 3);
        EXPECT_TRUE(Near(left, {76, 76, 76}, 3)) << c.file << ": " << left.r << "," << left.g << "," << left.b;
        if (c.transparentRight) {
            EXPECT_EQ(right, (Colour{0, 0, 255})) << c.file;
        } else {
            EXPECT_TRUE(Near(right, {76, 76, 76}, 3)) << c.file;
        }
        EXPECT_EQ(At(result, 3, 10), (Colour{0, 0, 255})) << c.file;  // below the 16 x 8 picture
    }
}

// Unreadable pictures: no watermark, but the picture still comes out 24-bit.
TEST_F(ImageWatermarkTest, UnreadablePicturesLeaveThePictureUnmarked) {
    const std::string good = RedHalfPng();
    std::string bytes;
    {
        std::ifstream in(good, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto write = [](const std::string& name, const std::string& content) {
        const std::string path = SavePicture(Solid24(1, 1, kBlack), FIF_BMP, name);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        return path;
    };
    // A PNG header that claims 100000 x 100000 pixels.
    std::string huge = bytes.substr(0, 33);
    huge[16] = 0, huge[17] = 1, huge[18] = static_cast<char>(0x86), huge[19] = static_cast<char>(0xA0);
    huge[20] = 0, huge[21] = 1, huge[22] = static_cast<char>(0x86), huge[23] = static_cast<char>(0xA0);
    const Bitmap gif = Solid24(8, 8, {255, 0, 0});
    for (const std::string& path :
         {std::string("/nonexistent/mark.png"), write("truncated.png", bytes.substr(0, bytes.size() / 2)),
          write("garbage.png", std::string(500, '\x5a')), write("empty.png", ""), write("huge.png", huge + bytes.substr(33)),
          SavePicture(Bitmap(FreeImage_ConvertTo8Bits(gif.get())), FIF_GIF, "other-format.png")}) {
        run.settings.wmImage = path;
        Bitmap grey(FreeImage_ConvertToGreyscale(Pattern24(40, 30).get()));
        const Bitmap expected(FreeImage_ConvertTo24Bits(grey.get()));
        const Bitmap result = WatermarkStep(std::move(grey), run.context(40, 30));
        EXPECT_TRUE(SamePixels(result, expected)) << path;
    }
}

// --- Text watermark ---

class TextWatermarkTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings& s = run.settings;
        s.doWatermark = WatermarkType::Text;
        s.wmFont = "DejaVu Sans";
        s.wmFontSize = 12;
        s.wmFontColor = "FFFFFF";
        s.wmBackColor = "000000";
        s.wmTextOpacity = 255;
        s.wmBackOpacity = 255;
        s.wmTextPadding = 0;
        Load();
    }
    void Load() {
        font = LoadWatermarkFont(run.settings);
        ASSERT_TRUE(font) << "the Qt module and a font are needed";
    }
    Bitmap Render(const std::string& text) {
        run.settings.wmText = text;
        return RenderTextWatermark(run.settings, *font, text).ToBitmap();
    }

    StepRun run;
    WatermarkFontHandle font;
};

// Ink columns of the rows [top, bottom): the first and one past the last column whose red is above half.
std::pair<int, int> InkColumns(const Bitmap& mark, unsigned top, unsigned bottom) {
    int first = -1, last = -1;
    for (unsigned y = top; y < bottom && y < mark.height(); ++y) {
        for (unsigned x = 0; x < mark.width(); ++x) {
            if (Quad(mark, x, y).rgbRed < 128) continue;
            if (first < 0 || static_cast<int>(x) < first) first = static_cast<int>(x);
            last = std::max(last, static_cast<int>(x) + 1);
        }
    }
    return {first, last};
}

TEST_F(TextWatermarkTest, LinesAreSteppedAndAligned) {
    run.settings.wmFontLeading = 4;
    run.settings.wmTextPadding = 3;
    const TextExtent wide = MeasureText(*font, "Wide line of text", false);
    const TextExtent narrow = MeasureText(*font, "ab", false);
    const long long lineHeight = std::max<long long>(10, std::llround(std::max(wide.height, narrow.height)));
    const long long step = lineHeight + 4;
    for (int alignment : {0, 1, 2}) {
        run.settings.wmTextAlignment = static_cast<TextAlignment>(alignment);
        const Bitmap mark = Render("Wide line of text%EOL%ab%eol%Wide line of text");
        ASSERT_TRUE(mark);
        EXPECT_EQ(static_cast<long long>(mark.width()), std::llround(wide.width) + 6);
        EXPECT_EQ(static_cast<long long>(mark.height()), lineHeight + 2 * step + 6);
        const auto first = InkColumns(mark, 3, 3 + lineHeight);
        const auto second = InkColumns(mark, 3 + step, 3 + step + lineHeight);
        const auto third = InkColumns(mark, 3 + 2 * step, 3 + 2 * step + lineHeight);
        EXPECT_EQ(first, third) << "alignment " << alignment;
        // The glyphs' side bearings make the ink edges differ by a pixel or two from the advance boxes.
        switch (alignment) {
            case 0: EXPECT_NEAR(second.first, first.first, 2); break;
            case 1: EXPECT_NEAR(second.first + second.second, first.first + first.second, 3); break;
            case 2: EXPECT_NEAR(second.second, first.second, 2); break;
        }
        EXPECT_LT(second.second - second.first, first.second - first.first);
    }
}

TEST_F(TextWatermarkTest, SingleLineIgnoresAlignment) {
    run.settings.wmTextPadding = 5;
    run.settings.wmTextAlignment = TextAlignment::Right;
    const Bitmap right = Render("Single");
    run.settings.wmTextAlignment = TextAlignment::Left;
    EXPECT_TRUE(SamePixels(right, Render("Single")));
}

// Raster text is hard-edged and writes both opacities as they are; smooth text blends its edges.
TEST_F(TextWatermarkTest, RasterTextIsHardEdgedAndSmoothTextIsNot) {
    run.settings.wmTextOpacity = 200;
    run.settings.wmBackOpacity = 0;
    const Bitmap raster = Render("Raster text");
    std::set<int> alphas;
    for (unsigned y = 0; y < raster.height(); ++y)
        for (unsigned x = 0; x < raster.width(); ++x) alphas.insert(Alpha(raster, x, y));
    EXPECT_EQ(alphas, (std::set<int>{0, 200}));

    run.settings.wmTextAntialiasing = 1;
    const Bitmap smooth = Render("Raster text");
    alphas.clear();
    for (unsigned y = 0; y < smooth.height(); ++y)
        for (unsigned x = 0; x < smooth.width(); ++x) alphas.insert(Alpha(smooth, x, y));
    EXPECT_GT(alphas.size(), 3u);
    EXPECT_LE(*alphas.rbegin(), 200);
}

TEST_F(TextWatermarkTest, DefaultPlacementKeepsTenPixelsFromTheEdgesOrTheFrame) {
    run.settings.wmText = "Mark";
    run.settings.wmTextPlacement.position = AnchorPosition::BottomRight;
    run.settings.wmTextPlacement.xOffset = run.settings.wmTextPlacement.yOffset = 10;
    const Bitmap picture = Solid24(200, 100, {0, 0, 255});
    const Bitmap mark = Render("Mark");
    const Box whole = ChangedBox(WatermarkStep(Clone(picture), run.context(200, 100, font.get())), picture);
    EXPECT_EQ(whole, (Box{190 - mark.width(), 90 - mark.height(), 190, 90}));

    run.settings.doFrame = FrameType::Solid;  // the frame itself is not drawn here: only its widths count
    run.settings.frameLeft = run.settings.frameTop = 0;
    run.settings.frameRight = 7, run.settings.frameBottom = 12;
    run.settings.wmTextPlacement.boundary = WatermarkBoundary::Frame;
    const Box inside = ChangedBox(WatermarkStep(Clone(picture), run.context(200, 100, font.get())), picture);
    EXPECT_EQ(inside, (Box{183 - mark.width(), 78 - mark.height(), 183, 78}));
}

TEST_F(TextWatermarkTest, RotationNinetyTurnsTheTextBox) {
    run.settings.wmText = "Turned";
    run.settings.wmTextPlacement.rotation = 90;
    run.settings.wmTextPlacement.position = AnchorPosition::TopLeft;
    const Bitmap mark = Render("Turned");
    const Bitmap picture = Solid24(200, 100, {0, 0, 255});
    const Box box = ChangedBox(WatermarkStep(Clone(picture), run.context(200, 100, font.get())), picture);
    EXPECT_EQ(box, (Box{10, 10, 10 + mark.height(), 10 + mark.width()}));
}

TEST_F(TextWatermarkTest, NamingTokensAreExpanded) {
    run.job.imageWidth = 320;
    run.job.currentInput = "/pictures/Holiday.pcx";
    run.settings.wmText = "%WIDTH% %filename%";
    const Bitmap picture = Solid24(200, 100, {0, 0, 255});
    const Bitmap expanded = WatermarkStep(Clone(picture), run.context(200, 100, font.get()));
    run.settings.wmText = "320 Holiday";
    EXPECT_TRUE(SamePixels(expanded, WatermarkStep(Clone(picture), run.context(200, 100, font.get()))));
    run.settings.wmText = "320 holiday";
    EXPECT_FALSE(SamePixels(expanded, WatermarkStep(Clone(picture), run.context(200, 100, font.get()))));
}

TEST_F(TextWatermarkTest, NoFontOrNothingToDrawLeavesThePictureUnmarked) {
    run.settings.wmText = "Text";
    Bitmap grey(FreeImage_ConvertToGreyscale(Pattern24(40, 30).get()));
    const Bitmap expected(FreeImage_ConvertTo24Bits(grey.get()));
    EXPECT_TRUE(SamePixels(WatermarkStep(Clone(grey), run.context(40, 30, nullptr)), expected));
    run.settings.wmText = "";  // nothing to measure and no padding: an empty raster
    EXPECT_TRUE(SamePixels(WatermarkStep(Clone(grey), run.context(40, 30, font.get())), expected));
    // A leading beyond any canvas no longer drops the mark: only the part cut to fit is drawn, which holds
    // the first line alone, as with any leading that puts the second line off the picture.
    run.settings.wmText = "Lines%eol%far apart";
    run.settings.wmFontLeading = 100;
    const Bitmap firstLineOnly = WatermarkStep(Clone(grey), run.context(40, 30, font.get()));
    EXPECT_FALSE(SamePixels(firstLineOnly, expected));
    for (const int leading : {2000000000, 2147483647, -2147483647}) {
        run.settings.wmFontLeading = leading;
        const Bitmap result = WatermarkStep(Clone(grey), run.context(40, 30, font.get()));
        if (leading > 0) EXPECT_TRUE(SamePixels(result, firstLineOnly)) << leading;
        else EXPECT_TRUE(result) << leading;
    }
}

// The raster goes to FreeImage straight from its pixels; an in-memory PNG gives the very same picture.
TEST_F(TextWatermarkTest, DirectHandOverEqualsThePngRoute) {
    run.settings.wmTextAntialiasing = 1;
    run.settings.wmTextOpacity = 180;
    run.settings.wmBackOpacity = 70;
    run.settings.wmFontColor = "FF8000";
    run.settings.wmBackColor = "2040C0";
    run.settings.wmTextPlacement.rotation = 30;
    const std::string text = "Orvanta%eol%watermark";
    Canvas raster = RenderTextWatermark(run.settings, *font, text);
    std::vector<unsigned char> png = raster.EncodePng();
    FIMEMORY* memory = FreeImage_OpenMemory(png.data(), static_cast<DWORD>(png.size()));
    Bitmap viaPng(FreeImage_LoadFromMemory(FIF_PNG, memory, 0));
    FreeImage_CloseMemory(memory);
    Bitmap direct = raster.ToBitmap();
    EXPECT_TRUE(SamePixels(direct, viaPng));

    const Bitmap picture = Pattern24(160, 120);
    const WatermarkPlacement& placement = run.settings.wmTextPlacement;
    const Bitmap a = PlaceWatermark(Clone(picture), std::move(direct), placement, run.settings, 160, 120);
    const Bitmap b = PlaceWatermark(Clone(picture), std::move(viaPng), placement, run.settings, 160, 120);
    EXPECT_FALSE(SamePixels(a, picture));
    EXPECT_TRUE(SamePixels(a, b));
}

}  // namespace

}  // namespace ravelin

namespace ravelin {

namespace {

using namespace step_test;

// A mark with every alpha: its pixels vary in colour and in transparency.
Bitmap VariedMark(unsigned width, unsigned height) {
    Bitmap mark(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 32));
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            RGBQUAD quad{static_cast<BYTE>(x * 9), static_cast<BYTE>(y * 5), static_cast<BYTE>(x + y),
                         static_cast<BYTE>((x * 31 + y * 17) % 256)};
            FreeImage_SetPixelColor(mark.get(), x, y, &quad);
        }
    }
    return mark;
}

// Only the mark's rectangle is composited; the pixels are those of a picture-sized layer composited whole,
// as the mark is pasted at 255 onto that blank layer.
TEST(PlaceWatermark, MarkRectangleGivesThePixelsOfThePictureSizedLayer) {
    struct Case {
        int anchor;
        std::int32_t x, y;
        unsigned markWidth, markHeight;
        long long spotX, spotY;  // where the mark lands on a 160 x 120 picture
    };
    for (const Case& c : {Case{0, 10, 6, 30, 20, 10, 6}, Case{8, 10, 10, 41, 23, 109, 87},
                          Case{4, 0, 0, 160, 120, 0, 0}, Case{0, 0, 0, 1, 1, 0, 0}, Case{2, 3, 0, 50, 120, 107, 0}}) {
        const Bitmap picture = Pattern24(160, 120);
        const StepRun run;
        const Bitmap placed = PlaceWatermark(Clone(picture), VariedMark(c.markWidth, c.markHeight),
                                             PlacementOf(0, c.anchor, c.x, c.y, false), run.settings, 160, 120);

        const Bitmap mark = VariedMark(c.markWidth, c.markHeight);
        Bitmap layer(FreeImage_AllocateT(FIT_BITMAP, 160, 120, 32));
        ASSERT_TRUE(FreeImage_Paste(layer.get(), mark.get(), static_cast<int>(c.spotX), static_cast<int>(c.spotY), 255));
        const Bitmap whole = CompositeOverlay(Clone(picture), layer);
        EXPECT_TRUE(SamePixels(placed, whole)) << "anchor " << c.anchor << ", mark " << c.markWidth << " x " << c.markHeight;
    }
}

}  // namespace

}  // namespace ravelin

namespace ravelin {

namespace {

using namespace step_test;

// Only the part of the text box that cut to fit keeps is drawn: the same pixels as that part of the whole
// box, for raster and smooth text, one line or several, any alignment.
TEST_F(TextWatermarkTest, BoundedDrawingIsTheTopLeftPartOfTheWholeBox) {
    struct Case {
        const char* text;
        bool smooth;
        int alignment, padding;
        long long maxWidth, maxHeight;
    };
    for (const Case& c : {Case{"Hello", false, 0, 0, 20, 9}, Case{"Hello", true, 0, 3, 25, 100},
                          Case{"Line one%EOL%second line", false, 2, 2, 30, 20},
                          Case{"Line one%eol%second line", true, 1, 0, 1000, 15}, Case{"Hi", false, 0, 0, 1, 1}}) {
        run.settings.wmTextAntialiasing = c.smooth ? 1 : 0;
        run.settings.wmTextAlignment = static_cast<TextAlignment>(c.alignment);
        run.settings.wmTextPadding = c.padding;
        run.settings.wmBackOpacity = 100;
        const Bitmap whole = RenderTextWatermark(run.settings, *font, c.text).ToBitmap();
        ASSERT_TRUE(whole);
        const int width = static_cast<int>(std::min<long long>(whole.width(), c.maxWidth));
        const int height = static_cast<int>(std::min<long long>(whole.height(), c.maxHeight));
        const Bitmap part(FreeImage_Copy(whole.get(), 0, 0, width, height));
        const Bitmap bounded = RenderTextWatermark(run.settings, *font, c.text, c.maxWidth, c.maxHeight).ToBitmap();
        EXPECT_TRUE(SamePixels(bounded, part)) << c.text << (c.smooth ? " smooth" : " raster");
    }
}

// A font far larger than the picture marks it as cutting the whole box would, drawing only what lands on it.
TEST_F(TextWatermarkTest, HugeFontOnASmallPictureIsCutAsTheWholeBoxWouldBe) {
    run.settings.wmFontSize = 400;
    run.settings.wmTextPlacement = PlacementOf(0, 8, 10, 10, false);
    Load();
    const Bitmap picture = Pattern24(67, 41);
    const Bitmap whole = RenderTextWatermark(run.settings, *font, "Hello").ToBitmap();
    const Bitmap expected =
        PlaceWatermark(Clone(picture), Bitmap(FreeImage_Clone(whole.get())), run.settings.wmTextPlacement,
                       run.settings, 67, 41);
    run.settings.wmText = "Hello";
    const Bitmap result = WatermarkStep(Clone(picture), run.context(67, 41, font.get()));
    EXPECT_TRUE(SamePixels(result, expected));
    EXPECT_FALSE(SamePixels(result, picture));
}

}  // namespace

}  // namespace ravelin
