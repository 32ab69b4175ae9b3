#include "CGridLayoutRects.h"

#include <gtest/gtest.h>

#include "CGridSheet.h"
#include "GuiTest.h"

// A sheet with a 40-pixel side heading, a 20-pixel top heading, scroll bars
// 20 pixels thick and six columns of 75 pixels.
class CGridLayoutRectsTest : public testing::Test {
  protected:
    CGridLayoutRectsTest() : sheet(&CGridCell::Compare) {
        sheet.m_nVScrollBarWidth = 20;
        sheet.m_nHScrollBarHeight = 20;
        sheet.ResizeColumns(6);
    }
    CGridSheet sheet;
};

TEST_F(CGridLayoutRectsTest, ColumnsWiderThanTheViewBringTheHorizontalBar) {
    const CGridLayoutRects rects = CGridLayoutRects::Compute(sheet, wxSize(440, 300));
    EXPECT_EQ(rects.hScrollBar, wxRect(0, 280, 440, 20));
    EXPECT_EQ(rects.vScrollBar.width, 0) << "no rows: nothing to scroll down to";
    EXPECT_EQ(rects.cellArea, wxRect(40, 20, 400, 260));
    EXPECT_EQ(rects.topHeading, wxRect(40, 0, 400, 20));
    EXPECT_EQ(rects.sideHeading, wxRect(0, 20, 40, 260));
    EXPECT_EQ(rects.cornerButton, wxRect(0, 0, 40, 20));

    for (CGridColumnEntry& column : sheet.m_columns) {
        column.m_nWidth = 60;
    }
    const CGridLayoutRects narrowed = CGridLayoutRects::Compute(sheet, wxSize(440, 300));
    EXPECT_EQ(narrowed.hScrollBar.height, 0);
    EXPECT_EQ(narrowed.cellArea, wxRect(40, 20, 400, 280));
}

TEST_F(CGridLayoutRectsTest, RowsTallerThanTheViewBringTheVerticalBarUnlessItHasNoWidth) {
    sheet.ResizeRows(100);
    const CGridLayoutRects rects = CGridLayoutRects::Compute(sheet, wxSize(600, 300));
    EXPECT_EQ(rects.vScrollBar, wxRect(580, 0, 20, 300));
    EXPECT_EQ(rects.cellArea, wxRect(40, 20, 540, 280));

    sheet.m_nVScrollBarWidth = 0;
    EXPECT_EQ(CGridLayoutRects::Compute(sheet, wxSize(600, 300)).cellArea.width, 560);
}

TEST_F(CGridLayoutRectsTest, TabBarTakesTheBottomRowWhenTheColumnsFit) {
    sheet.m_nTabBarWidth = 100;
    const CGridLayoutRects fitting = CGridLayoutRects::Compute(sheet, wxSize(600, 300));
    EXPECT_EQ(fitting.tabBar, wxRect(0, 280, 606, 20));
    EXPECT_EQ(fitting.cellArea.height, 260);

    const CGridLayoutRects crowded = CGridLayoutRects::Compute(sheet, wxSize(300, 300));
    EXPECT_EQ(crowded.tabBar, wxRect(0, 280, 100, 20));
    EXPECT_EQ(crowded.hScrollBar, wxRect(100, 280, 200, 20));
}
