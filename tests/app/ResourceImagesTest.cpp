#include "ResourceImages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <tuple>

#include "GuiTestSupport.h"

namespace {

// The sixteen colours the status icons may use.
const std::set<std::tuple<int, int, int>> kSixteenColours = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

std::map<std::tuple<int, int, int>, int> CountColours(const wxImage& image) {
    std::map<std::tuple<int, int, int>, int> counts;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            ++counts[{image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)}];
        }
    }
    return counts;
}

// The mean x of the pixels of one colour.
double MeanX(const wxImage& image, const wxColour& colour) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (PixelAt(image, x, y) == colour) {
                sum += x;
                ++count;
            }
        }
    }
    return count > 0 ? sum / count : -1;
}

}  // namespace

TEST(ResourceImages, StatusIconsAreSixteenColourPicturesOnWhite) {
    const std::map<int, std::tuple<int, int, int>> mainColour = {
        {129, {0, 128, 0}}, {130, {255, 0, 0}},   {131, {255, 0, 0}},  {132, {0, 0, 0}},
        {133, {0, 0, 128}}, {134, {255, 0, 255}}, {135, {255, 255, 0}}};
    for (const auto& [number, colour] : mainColour) {
        SCOPED_TRACE(number);
        const wxBitmap bitmap = LoadResourceBitmap(number);
        ASSERT_TRUE(bitmap.IsOk());
        const int side = number == 130 ? 16 : 15;
        EXPECT_EQ(bitmap.GetWidth(), side);
        EXPECT_EQ(bitmap.GetHeight(), side);
        const wxImage image = bitmap.ConvertToImage();
        EXPECT_EQ(PixelAt(image, 0, 0), *wxWHITE);
        EXPECT_EQ(PixelAt(image, side - 1, side - 1), *wxWHITE);
        const auto counts = CountColours(image);
        for (const auto& [used, count] : counts) {
            EXPECT_TRUE(kSixteenColours.count(used))
                << std::get<0>(used) << "," << std::get<1>(used) << "," << std::get<2>(used);
        }
        EXPECT_GE(counts.count(colour) ? counts.at(colour) : 0, 8) << "the picture's own colour";
    }
}

TEST(ResourceImages, CopyAllFacesCarryTextAndAnArrowPointingTheirWay) {
    for (int number : {142, 143}) {
        SCOPED_TRACE(number);
        const wxBitmap bitmap = LoadResourceBitmap(number);
        ASSERT_TRUE(bitmap.IsOk());
        EXPECT_EQ(bitmap.GetWidth(), 121);
        EXPECT_EQ(bitmap.GetHeight(), 26);
        const wxImage image = bitmap.ConvertToImage();
        const wxColour blue(0, 0, 255);
        EXPECT_EQ(PixelAt(image, 0, 0), blue);
        EXPECT_EQ(PixelAt(image, 120, 25), blue);
        EXPECT_EQ(CountColours(image).size(), 3u) << "blue ground, black text, red arrow";
        const double arrow = MeanX(image, wxColour(255, 0, 0));
        const double text = MeanX(image, *wxBLACK);
        if (number == 142) {
            EXPECT_GT(arrow, text) << "the arrow points right, on the right";
        } else {
            EXPECT_LT(arrow, text) << "the arrow points left, on the left";
        }
    }
}

TEST(ResourceImages, BundlesHoldTheBitmapAndASharpDoubleOfIt) {
    for (int number : {129, 142}) {
        SCOPED_TRACE(number);
        const wxImage single = LoadResourceBitmap(number).ConvertToImage();
        const wxBitmapBundle bundle = LoadResourceBitmapBundle(number);
        const wxSize size = single.GetSize();
        ASSERT_EQ(bundle.GetDefaultSize(), size);
        const wxImage shown = bundle.GetBitmap(size).ConvertToImage();
        EXPECT_EQ(0, memcmp(shown.GetData(), single.GetData(), size.x * size.y * 3));
        const wxImage doubled = bundle.GetBitmap(size * 2).ConvertToImage();
        ASSERT_EQ(doubled.GetSize(), size * 2);
        for (int y = 0; y < doubled.GetHeight(); ++y) {
            for (int x = 0; x < doubled.GetWidth(); ++x) {
                ASSERT_EQ(PixelAt(doubled, x, y), PixelAt(single, x / 2, y / 2)) << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(LoadResourceBitmapBundle(136).IsOk());
}

TEST(ResourceImages, ProgramIconComesInThreeSizes) {
    const wxIconBundle icons = LoadResourceIcon(128);
    ASSERT_EQ(icons.GetIconCount(), 3u);
    for (int size : {16, 32, 48}) {
        EXPECT_EQ(icons.GetIcon(size, wxIconBundle::FALLBACK_NONE).GetWidth(), size);
    }
}

TEST(ResourceImages, UnknownNumbersGiveNothing) {
    EXPECT_FALSE(LoadResourceBitmap(136).IsOk());
    EXPECT_FALSE(LoadResourceBitmap(128).IsOk());
    EXPECT_TRUE(LoadResourceIcon(129).IsEmpty());
    EXPECT_FALSE(LoadResourceCursor(1084).IsOk());
    EXPECT_TRUE(LoadResourceCursor(1083).IsOk());
    EXPECT_TRUE(UpArrowCursor().IsOk());
}
