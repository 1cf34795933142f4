#include "gui_fixture.h"

#include "formats/input_catalogue.h"
#include "gui/duration_text.h"
#include "gui/file_filters.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace ravelin {

namespace {

TEST(DurationText, WholeSecondsAsClockTextWithDaysInFront) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "00:00:00"},
        {-5000, "00:00:00"},
        {999, "00:00:00"},
        {1000, "00:00:01"},
        {1999, "00:00:01"},
        {8000, "00:00:08"},
        {65000, "00:01:05"},
        {3599999, "00:59:59"},
        {3600000, "01:00:00"},
        {86399000, "23:59:59"},
        {86400000, "1d:00:00:00"},
        {93784000, "1d:02:03:04"},
        {11 * 86400000LL + 5000, "11d:00:00:05"},
        {std::numeric_limits<std::int64_t>::max(), "106751991167d:07:12:55"},
    };
    for (const auto& [milliseconds, text] : cases) EXPECT_EQ(DurationText(milliseconds), text) << milliseconds;
}

TEST(QtFileFilters, PairsBecomeLabelsWithTheirPatterns) {
    const std::pair<std::string, QStringList> cases[] = {
        {InputFileFilter(), {"All Supported Files (*.pcx)", "ZSoft Paintbrush File (*.pcx)", "All Files (*)"}},
        {WatermarkImageFilter(),
         {"All Supported Files (*.jpg *.jpeg *.jpe *.jif *.png *.bmp *.rle *.dib)", "JPEG File (*.jpg *.jpeg *.jpe *.jif)",
          "Portable Network Graphics (*.png)", "Windows or OS/2 Bitmap (*.bmp *.rle *.dib)", "All Files (*)"}},
        // A label that already names its patterns is not doubled; one with brackets inside keeps them.
        {"Pictures (*.png)|*.png", {"Pictures (*.png)"}},
        {"Text (plain) files|*.txt;;*.text", {"Text (plain) files (*.txt *.text)"}},
        // A label without its patterns is left out.
        {"A|*.a|B", {"A (*.a)"}},
        {"", {}},
    };
    for (const auto& [filter, filters] : cases) EXPECT_EQ(QtFileFilters(filter), filters) << filter;
}

}  // namespace

}  // namespace ravelin
