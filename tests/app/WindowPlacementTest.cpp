#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

// Failures show placements as their settings text.
inline void PrintTo(const WindowPlacement& placement, std::ostream* out) {
    *out << FormatWindowPlacement(placement);
}

inline void PrintTo(const ScreenRect& rect, std::ostream* out) {
    *out << rect.x << "," << rect.y << " " << rect.width << "x" << rect.height;
}

namespace {

TEST(WindowPlacementTest, RoundTripsEveryField) {
    const WindowPlacement maximised{
        kRestoreToMaximized, kShowMaximized, -1, -1, -8, -8, 10, 20, 430, 380};
    EXPECT_EQ(FormatWindowPlacement(maximised), "2,3,-1,-1,-8,-8,10,20,430,380");
    EXPECT_EQ(ParseWindowPlacement(FormatWindowPlacement(maximised)), maximised);

    const WindowPlacement extremes{UINT_MAX, kShowMinimized, INT_MIN, INT_MAX, 0,
                                   1,        INT_MIN,        INT_MAX, -2,      2};
    EXPECT_EQ(ParseWindowPlacement(FormatWindowPlacement(extremes)), extremes);
}

TEST(WindowPlacementTest, ReadsFieldsInOrderWithScanfLeniency) {
    const auto parsed = ParseWindowPlacement(" +0, 1, -3,4,5,6, +7,8,9,10 ");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->flags, 0u);
    EXPECT_EQ(parsed->showCmd, kShowNormal);
    EXPECT_EQ(parsed->minX, -3);
    EXPECT_EQ(parsed->minY, 4);
    EXPECT_EQ(parsed->maxX, 5);
    EXPECT_EQ(parsed->maxY, 6);
    EXPECT_EQ(parsed->left, 7);
    EXPECT_EQ(parsed->top, 8);
    EXPECT_EQ(parsed->right, 9);
    EXPECT_EQ(parsed->bottom, 10);
}

TEST(WindowPlacementTest, RejectsAnythingButTenNumbers) {
    for (const char* text :
         {"", "   ", "0,1,2,3,4,5,6,7,8", "0,1,2,3,4,5,6,7,8,", "garbage", "0,1,2,3,4,5,6,7,8,9,10",
          "0,1,2,3,4,5,6,7,8,9x", "0 ,1,2,3,4,5,6,7,8,9", "0;1;2;3;4;5;6;7;8;9",
          "-1,1,2,3,4,5,6,7,8,9", "0,1,2,3,4,5,6,7,8,+-9", "0,1,2,3,4,5,6,7,8,2147483648",
          "4294967296,1,2,3,4,5,6,7,8,9", "0,1,2,3,a,5,6,7,8,9"}) {
        EXPECT_FALSE(ParseWindowPlacement(text)) << '"' << text << '"';
    }
}

// A saved normal rectangle from its left, top, right and bottom.
WindowPlacement Normal(int left, int top, int right, int bottom) {
    return {0, kShowNormal, -1, -1, -1, -1, left, top, right, bottom};
}

TEST(FitOnWorkAreaTest, KeepsAWindowThatFitsWhereItWas) {
    const ScreenRect area{0, 30, 1600, 970};
    EXPECT_EQ(FitOnWorkArea(Normal(30, 40, 1030, 840), area, 400, 300),
              (ScreenRect{30, 40, 1000, 800}));
    EXPECT_EQ(FitOnWorkArea(Normal(0, 30, 1600, 1000), area, 400, 300),
              (ScreenRect{0, 30, 1600, 970}));
}

TEST(FitOnWorkAreaTest, ShrinksToTheWorkAreaButNotBelowTheMinimum) {
    const ScreenRect area{0, 30, 1600, 970};
    EXPECT_EQ(FitOnWorkArea(Normal(100, 100, 2000000000, 900), area, 400, 300),
              (ScreenRect{0, 100, 1600, 800}));
    EXPECT_EQ(FitOnWorkArea(Normal(INT_MIN, INT_MIN, INT_MAX, INT_MAX), area, 400, 300), area);
    EXPECT_EQ(FitOnWorkArea(Normal(INT_MAX, INT_MAX, INT_MIN, INT_MIN), area, 400, 300),
              (ScreenRect{1200, 700, 400, 300}))
        << "a reversed rectangle has no size";
    EXPECT_EQ(FitOnWorkArea(Normal(50, 60, 100, 90), area, 400, 300),
              (ScreenRect{50, 60, 400, 300}));
    EXPECT_EQ(FitOnWorkArea(Normal(50, 60, 1050, 860), {0, 0, 800, 500}, 900, 600),
              (ScreenRect{0, 0, 900, 600}))
        << "a minimum larger than the work area wins and starts at its corner";
}

TEST(FitOnWorkAreaTest, MovesAWindowOffTheWorkAreaOntoIt) {
    const ScreenRect area{1600, 0, 1280, 1024};
    EXPECT_EQ(FitOnWorkArea(Normal(50000, 60000, 51000, 60800), area, 400, 300),
              (ScreenRect{1880, 224, 1000, 800}));
    EXPECT_EQ(FitOnWorkArea(Normal(-5000, -3000, -4000, -2200), area, 400, 300),
              (ScreenRect{1600, 0, 1000, 800}));
    EXPECT_EQ(FitOnWorkArea(Normal(2800, 900, 3800, 1700), area, 400, 300),
              (ScreenRect{1880, 224, 1000, 800}))
        << "partly off";
    EXPECT_EQ(FitOnWorkArea(Normal(INT_MIN, 0, INT_MIN + 1000, 800), area, 400, 300),
              (ScreenRect{1600, 0, 1000, 800}));
}

TEST(NearestWorkAreaTest, PicksTheMostOverlappedElseTheClosest) {
    const std::vector<ScreenRect> areas = {{0, 0, 1600, 1000}, {1600, 0, 1280, 1024}};
    EXPECT_EQ(NearestWorkArea(Normal(100, 100, 900, 700), areas), 0u);
    EXPECT_EQ(NearestWorkArea(Normal(1500, 100, 2300, 700), areas), 1u);
    EXPECT_EQ(NearestWorkArea(Normal(50000, 500, 51000, 900), areas), 1u);
    EXPECT_EQ(NearestWorkArea(Normal(-900, 1100, -100, 1500), areas), 0u);
    EXPECT_EQ(NearestWorkArea(Normal(INT_MIN, INT_MIN, INT_MAX, INT_MAX), areas), 0u)
        << "both lie wholly inside; the larger overlap wins";
    EXPECT_EQ(NearestWorkArea(Normal(INT_MAX, INT_MAX, INT_MAX, INT_MAX), areas), 1u);
    EXPECT_EQ(NearestWorkArea(Normal(0, 0, 10, 10), {}), 0u);
}

}  // namespace
