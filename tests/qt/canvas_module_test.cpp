// The Qt module's canvas and fonts, reached as the engine reaches them: through the loaded module.

#include "engine/qt_module.h"
#include "engine/steps/canvas.h"
#include "engine/steps/overlay.h"
#include "engine/watermark_font.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace ravelin {

namespace {

const RavelinQtApi& Api() {
    const RavelinQtApi* api = QtModule();
    EXPECT_NE(api, nullptr) << QtModuleError();
    return *api;
}

// Pixel (x, y) of a canvas, not premultiplied, as 0xAARRGGBB.
std::uint32_t Pixel(Canvas& canvas, int x, int y) {
    const Bitmap bitmap = canvas.ToBitmap();
    RGBQUAD quad{};
    FreeImage_GetPixelColor(bitmap.get(), x, bitmap.height() - 1 - y, &quad);
    return (std::uint32_t{quad.rgbReserved} << 24) | (quad.rgbRed << 16) | (quad.rgbGreen << 8) | quad.rgbBlue;
}

TEST(Canvas, RefusesSizesBeyondItsLimits) {
    const RavelinQtApi& api = Api();
    for (const auto& [width, height] : std::vector<std::pair<int, int>>{
             {0, 10}, {10, 0}, {-5, 10}, {65536, 1}, {1, 65536}, {40000, 40000}}) {
        RavelinCanvas* canvas = api.canvasCreate(width, height);
        EXPECT_EQ(canvas, nullptr) << width << " x " << height;
        api.canvasFree(canvas);
    }
    RavelinCanvas* line = api.canvasCreate(65535, 1);
    EXPECT_NE(line, nullptr);
    api.canvasFree(line);
}

// The facts the frame and the watermark rely on: fills write all four channels, shapes are aliased, a
// constant opacity of 128 gives alpha 127, and the grey filter keeps alpha.
TEST(Canvas, FillShapesOpacityAndGreyFilter) {
    Canvas filled = Canvas::Create(4, 4);
    filled.Fill(0x80FF0000u);
    EXPECT_EQ(Pixel(filled, 1, 1), 0x80FF0000u);

    Canvas triangle = Canvas::Create(40, 40);
    triangle.FillPolygon({{0, 0}, {40, 0}, {0, 33}}, 0xFF00FF00u);
    std::set<std::uint32_t> alphas;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) alphas.insert(Pixel(triangle, x, y) >> 24);
    EXPECT_EQ(alphas, (std::set<std::uint32_t>{0, 255}));

    Canvas faded = Canvas::Create(4, 4);
    faded.Draw(triangle, 0, 0, 128);  // opaque green at (1, 1)
    EXPECT_EQ(Pixel(faded, 1, 1), 0x7F00FF00u);

    Canvas source = Canvas::Create(2, 2);
    source.Fill(0xC0FF0000u);
    Canvas grey = Canvas::Create(2, 2);
    grey.Draw(source, 0, 0, 255, true);
    const std::uint32_t level = (77 * 255) >> 8;
    EXPECT_EQ(Pixel(grey, 0, 0), 0xC0000000u | (level << 16) | (level << 8) | level);
}

struct FontCase {
    const char* name;
    int points;
    bool loads;
    const char* resolvedFamily;  // nullptr: any
};
void PrintTo(const FontCase& c, std::ostream* out) {
    *out << '"' << c.name << "\" at " << c.points;
}

class FontTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontTest, LoadsThroughFontconfig) {
    const FontCase& c = GetParam();
    Settings settings;
    settings.wmFont = c.name;
    settings.wmFontSize = c.points;
    const WatermarkFontHandle font = LoadWatermarkFont(settings);
    ASSERT_EQ(font != nullptr, c.loads) << c.name << " " << c.points;
    if (font && c.resolvedFamily) {
        EXPECT_STREQ(font->api->fontFamily(font->font), c.resolvedFamily);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, FontTest,
    ::testing::Values(FontCase{"Arial", 14, true, "Liberation Sans"}, FontCase{"DejaVu Serif", 9, true, "DejaVu Serif"},
                      FontCase{"Verdana", 14, true, "DejaVu Sans"},
                      FontCase{"No Such Face 9f3a", 14, true, nullptr},  // fontconfig offers its default face
                      FontCase{"", 14, false, nullptr}, FontCase{"Arial", 0, false, nullptr},
                      FontCase{"Arial", -12, false, nullptr}, FontCase{"Arial", 49151, true, nullptr},
                      FontCase{"Arial", 49152, false, nullptr}, FontCase{"Arial", 2147483647, false, nullptr},
                      FontCase{"Arial", 1610612736, false, nullptr}));  // sizes whose pixels overflow an int

TEST(Font, StyleAndEffectsChangeTheText) {
    Settings settings;
    settings.wmFont = "Arial";
    settings.wmFontSize = 20;
    settings.wmFontColor = "FFFFFF";
    settings.wmTextOpacity = 255;
    const WatermarkFontHandle regular = LoadWatermarkFont(settings);
    ASSERT_TRUE(regular);
    const Bitmap plain = RenderTextWatermark(settings, *regular, "Watermark").ToBitmap();
    const double regularWidth = MeasureText(*regular, "Watermark", false).width;
    for (const auto& [style, effect] : std::vector<std::pair<int, int>>{{1, 0}, {2, 0}, {3, 0}, {0, 1}, {0, 2}}) {
        settings.wmFontStyle = static_cast<FontStyle>(style);
        settings.wmFontEffect = static_cast<FontEffect>(effect);
        const WatermarkFontHandle font = LoadWatermarkFont(settings);
        ASSERT_TRUE(font);
        const Bitmap styled = RenderTextWatermark(settings, *font, "Watermark").ToBitmap();
        const bool same = plain.width() == styled.width() && plain.height() == styled.height() &&
                          std::equal(FreeImage_GetBits(plain.get()),
                                     FreeImage_GetBits(plain.get()) + FreeImage_GetPitch(plain.get()) * plain.height(),
                                     FreeImage_GetBits(styled.get()));
        EXPECT_FALSE(same) << "style " << style << " effect " << effect;
        if (style & 1) {
            EXPECT_GT(MeasureText(*font, "Watermark", false).width, regularWidth);
        }
    }
}

// The console loads the font on its main thread and the worker draws with it; a first use on a thread that
// has since ended leaves the module usable elsewhere.
TEST(Threads, FontAndCanvasMoveBetweenThreadsOneAtATime) {
    Settings settings;
    settings.wmFont = "DejaVu Sans";
    settings.wmFontSize = 16;
    settings.wmFontColor = "FF8000";
    settings.wmTextOpacity = 255;
    settings.wmTextAntialiasing = 1;
    WatermarkFontHandle font;
    Bitmap onWorker;
    std::thread first([&] {
        font = LoadWatermarkFont(settings);
        if (font) onWorker = RenderTextWatermark(settings, *font, "Threads").ToBitmap();
    });
    first.join();
    ASSERT_TRUE(font);
    ASSERT_TRUE(onWorker);
    Bitmap onSecond;
    std::thread second([&] { onSecond = RenderTextWatermark(settings, *font, "Threads").ToBitmap(); });
    second.join();
    const Bitmap onMain = RenderTextWatermark(settings, *font, "Threads").ToBitmap();
    for (const Bitmap* other : std::initializer_list<const Bitmap*>{&onSecond, &onMain}) {
        ASSERT_TRUE(*other);
        ASSERT_EQ(other->width(), onWorker.width());
        EXPECT_TRUE(std::equal(FreeImage_GetBits(onWorker.get()),
                               FreeImage_GetBits(onWorker.get()) + FreeImage_GetPitch(onWorker.get()) * onWorker.height(),
                               FreeImage_GetBits(other->get())));
    }
}

}  // namespace

}  // namespace ravelin

namespace ravelin {

namespace {

// A PNG of one colour, written with zlib as FreeImage carries it.
std::string WritePng(const std::string& path, unsigned width, unsigned height, const std::string& tail = {}) {
    Bitmap picture(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24));
    RGBQUAD red{0, 0, 255, 0};
    FreeImage_FillBackground(picture.get(), &red, 0);
    EXPECT_TRUE(FreeImage_Save(FIF_PNG, picture.get(), path.c_str(), PNG_Z_BEST_SPEED));
    if (!tail.empty()) {
        // Damages the pixel stream: everything after the header chunk's end is replaced.
        std::FILE* file = std::fopen(path.c_str(), "r+b");
        std::fseek(file, 60, SEEK_SET);
        std::fwrite(tail.data(), 1, tail.size(), file);
        std::fclose(file);
    }
    return path;
}

// Watermark pictures are decoded up to the canvas's own limits, beyond the reader's default of 256 MB.
TEST(CanvasLoad, DecodesPicturesUpToTheCanvasLimits) {
    const std::string folder = ::testing::TempDir();
    const Canvas large = Canvas::Load(WritePng(folder + "large.png", 6000, 6000));
    ASSERT_TRUE(large);
    EXPECT_EQ(large.width(), 6000);
    EXPECT_EQ(large.height(), 6000);
    std::remove((folder + "large.png").c_str());
}

// A damaged PNG is refused quietly: libpng's own error printer never reaches standard error.
TEST(CanvasLoad, DamagedPngIsRefusedWithoutAWordOnStandardError) {
    const std::string path = WritePng(::testing::TempDir() + "damaged.png", 64, 64, std::string(64, '\x5A'));
    ::testing::internal::CaptureStderr();
    const Canvas damaged = Canvas::Load(path);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed, "");
    std::remove(path.c_str());
}

}  // namespace

}  // namespace ravelin
