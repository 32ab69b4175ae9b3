#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

// Failures show placements as their settings text.
inline void PrintTo(const WindowPlacement& placement, std::ostream* out) {
    *out << FormatWindowPlacement(placement);
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

}  // namespace
