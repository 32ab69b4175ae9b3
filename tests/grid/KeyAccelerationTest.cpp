#include "KeyAcceleration.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(KeyAccelerationTest, StepsGrowWithTheCubeOfRepeatsPerRate) {
    EXPECT_EQ(AcceleratedKeyStep(5, 0, 1000), 1) << "no acceleration";
    EXPECT_EQ(AcceleratedKeyStep(1, 2, 1000), 1);
    EXPECT_EQ(AcceleratedKeyStep(4, 2, 1000), 9);
    EXPECT_EQ(AcceleratedKeyStep(9, 3, 1000), 28);
}

TEST(KeyAccelerationTest, LongRepeatsSaturateAtTheExtentInsteadOfTurningRound) {
    constexpr int kRows = 200000000;
    for (const int keyDowns : {1290, 1291, 1300, 5000, 2097152, INT_MAX}) {
        const int step = AcceleratedKeyStep(keyDowns, 1, kRows);
        EXPECT_GT(step, 0) << keyDowns;
        EXPECT_LE(step, kRows) << keyDowns;
    }
    EXPECT_EQ(AcceleratedKeyStep(1300, 1, kRows), kRows);
    EXPECT_EQ(AcceleratedKeyStep(1300, 1, 0), 1) << "an empty grid still steps one";
}

TEST(KeyAccelerationTest, MovesStayWithinRange) {
    EXPECT_EQ(MovedBy(10, -3), 7);
    EXPECT_EQ(MovedBy(INT_MAX - 5, INT_MAX), INT_MAX);
    EXPECT_EQ(MovedBy(-5, -INT_MAX), INT_MIN);
}

}  // namespace
