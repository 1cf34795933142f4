#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "formats/input_catalogue.h"

namespace ravelin {

namespace {

TEST(InputCatalogue, HoldsSeventyNineDistinctExtensions) {
    const auto& catalogue = InputCatalogue();
    ASSERT_EQ(catalogue.size(), 79u);
    std::set<std::string> distinct;
    for (const auto& format : catalogue) distinct.insert(format.extension);
    EXPECT_EQ(distinct.size(), 79u);
    EXPECT_EQ(catalogue.front().extension, "bmp");
    EXPECT_EQ(catalogue.back().extension, "rwl");
}

TEST(InputCatalogue, MapsAliasesToTheirFormat) {
    struct Case {
        const char* extension;
        const char* formatKey;
        const char* description;
    } const cases[] = {
        {"pcx", "pcx", "ZSoft Paintbrush File"},         {"jpeg", "jpg", "JPEG File"},
        {"jif", "jpg", "JPEG File"},                     {"rle", "bmp", "Windows or OS/2 Bitmap"},
        {"apm", "wmf", "Aldus Placeable Metafile"},      {"wmz", "wmf", "Windows Metafile Format"},
        {"tif", "tiff", "Tagged Image File Format"},     {"targa", "tga", "Truevision Targa"},
        {"dcs", "raw", "Kodak Camera RAW Image"},        {"3fr", "raw", "Hasselblad Camera RAW Image"},
        {"cine", "raw", "Phantom RAW Image"},            {"ppcd", "pcd", "Kodak PhotoCD File"},
    };
    for (const auto& c : cases) {
        const InputFormat* format = FindInputFormat(c.extension);
        ASSERT_NE(format, nullptr) << c.extension;
        EXPECT_EQ(format->formatKey, c.formatKey) << c.extension;
        EXPECT_EQ(format->description, c.description) << c.extension;
    }
    for (const char* unknown : {"PCX", "xyz", "", "pcx "}) EXPECT_EQ(FindInputFormat(unknown), nullptr) << unknown;
}

TEST(AcceptedInputExtensions, FollowTheFormatKeysInOrder) {
    EXPECT_EQ(AcceptedInputExtensions(), std::vector<std::string>{"pcx"});

    constexpr std::array<std::string_view, 3> keys = {"wmf", "jpg", "nothing"};
    const std::vector<std::string> expected = {"wmf", "wmz", "apm", "jpg", "jpeg", "jpe", "jif"};
    EXPECT_EQ(AcceptedInputExtensions(keys), expected);

    constexpr std::array<std::string_view, 1> raw = {"raw"};
    EXPECT_EQ(AcceptedInputExtensions(raw).size(), 48u);
}

TEST(FileFilters, InputFilterOffersTheProductsFormatThenAllFiles) {
    EXPECT_EQ(InputFileFilter(),
              "All Supported Files|*.pcx|ZSoft Paintbrush File|*.pcx|All Files (*.*)|*.*");
}

TEST(FileFilters, InputFilterListsTheNewestAliasFirstWithinADescription) {
    EXPECT_EQ(InputFileFilter({"jpg", "jpeg", "png", "jpe"}),
              "All Supported Files|*.jpg;*.jpeg;*.png;*.jpe|"
              "JPEG File|*.jpe;*.jpeg;*.jpg|Portable Network Graphics|*.png|All Files (*.*)|*.*");
    EXPECT_EQ(InputFileFilter({"wmf", "apm"}),
              "All Supported Files|*.wmf;*.apm|"
              "Windows Metafile Format|*.wmf|Aldus Placeable Metafile|*.apm|All Files (*.*)|*.*");
    EXPECT_EQ(InputFileFilter({}), "All Supported Files||All Files (*.*)|*.*");
    EXPECT_EQ(InputFileFilter({"xyz", "pcx"}),
              "All Supported Files|*.xyz;*.pcx|ZSoft Paintbrush File|*.pcx|All Files (*.*)|*.*");
}

TEST(FileFilters, WatermarkFilterOffersJpegPngAndBmp) {
    EXPECT_EQ(WatermarkImageFilter(),
              "All Supported Files|*.jpg;*.jpeg;*.jpe;*.jif;*.png;*.bmp;*.rle;*.dib|"
              "JPEG File|*.jpg;*.jpeg;*.jpe;*.jif|Portable Network Graphics|*.png|"
              "Windows or OS/2 Bitmap|*.bmp;*.rle;*.dib|All Files (*.*)|*.*");
}

}  // namespace

}  // namespace ravelin
