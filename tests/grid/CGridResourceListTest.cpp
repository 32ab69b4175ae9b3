#include "CGridResourceList.h"

#include <gtest/gtest.h>

#include <string>

TEST(CGridResourceList, IndicesAreStableAndReservedSlotsHoldNothing) {
    CGridResourceList<std::string> list;
    EXPECT_EQ(list.Add(std::make_unique<std::string>("a")), 0);
    EXPECT_EQ(list.Reserve(), 1);
    EXPECT_EQ(list.Add(std::make_unique<std::string>("c")), 2);
    EXPECT_EQ(*list.Get(0), "a");
    EXPECT_EQ(list.Get(1), nullptr);
    EXPECT_EQ(*list.Get(2), "c");
    EXPECT_EQ(list.Get(-1), nullptr);
    EXPECT_EQ(list.Get(3), nullptr) << "a free slot";
    EXPECT_EQ(list.Find([](const std::string& s) { return s == "c"; }), 2);
}

TEST(CGridResourceList, GrowsByTenSlots) {
    CGridResourceList<int> list;
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(list.Add(std::make_unique<int>(i)), i);
    }
    EXPECT_EQ(list.Size(), 20);
}

TEST(CGridResourceList, ValuesAreReadAndWrittenByIndex) {
    CGridResourceList<int> list;
    list.Add(std::make_unique<int>(1));
    EXPECT_EQ(list.SetValue(0, 5), 0);
    EXPECT_EQ(list.GetValue(0), 5);
    EXPECT_EQ(list.SetValue(1, 5), 2) << "a free slot";
    EXPECT_EQ(list.SetValue(10, 5), 1) << "out of range";
    EXPECT_EQ(list.GetValue(10), 0);
}
