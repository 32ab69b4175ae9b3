#include "CGridGeometry.h"

#include <gtest/gtest.h>

#include "CGridSheet.h"

// 100 rows of 20 pixels and 10 columns of 100 pixels in a cell area of
// 450 x 210: 10 rows and 4 columns are shown in full.
class CGridGeometryTest : public testing::Test {
  protected:
    CGridGeometryTest() : sheet(&CGridCell::Compare), geometry(sheet) {
        sheet.ResizeRows(100);
        sheet.ResizeColumns(10);
        for (CGridColumnEntry& column : sheet.m_columns) {
            column.m_nWidth = 100;
        }
        sheet.m_layout.cellArea = wxRect(0, 0, 450, 210);
    }
    CGridSheet sheet;
    CGridGeometry geometry;
};

TEST_F(CGridGeometryTest, LastTopRowLetsTheLastRowsFillTheView) {
    EXPECT_EQ(geometry.LastTopRow(), 90);
    EXPECT_EQ(geometry.LastLeftColumn(), 6);
    sheet.m_rowHeights[99] = 300;
    EXPECT_EQ(geometry.LastTopRow(), 99) << "a row taller than the view";
    sheet.ResizeRows(3);
    EXPECT_EQ(geometry.LastTopRow(), 0);
}

TEST_F(CGridGeometryTest, BottomRowIsTheFirstNotShownInFull) {
    EXPECT_EQ(geometry.BottomRow(), 10);
    EXPECT_EQ(geometry.RightColumn(), 4);
    sheet.m_nTopRow = 95;
    EXPECT_EQ(geometry.BottomRow(), 100) << "all rows from the top row fit";
    sheet.m_nLockedRows = 2;
    sheet.m_nTopRow = 50;
    EXPECT_EQ(geometry.BottomRow(), 58) << "rows 0, 1, then 50..57";
    EXPECT_EQ(geometry.ShownRows().size(), 11u) << "the partly shown row counts";
}

TEST_F(CGridGeometryTest, ShowingARowScrollsTheLeastNeeded) {
    sheet.m_nTopRow = 20;
    EXPECT_EQ(geometry.TopRowShowing(25), 20) << "shown already";
    EXPECT_EQ(geometry.TopRowShowing(5), 5) << "above: it becomes the top row";
    EXPECT_EQ(geometry.TopRowShowing(40), 31) << "below: it becomes the last row shown";
    sheet.m_nLockedRows = 3;
    EXPECT_EQ(geometry.TopRowShowing(1), 20) << "locked rows are always shown";
    EXPECT_EQ(geometry.TopRowShowing(40), 34) << "locked rows take room";
    EXPECT_EQ(geometry.LeftColumnShowing(9), 6);
}

TEST_F(CGridGeometryTest, UniformHeightsUseTheDefaultForEveryRow) {
    sheet.SetUniformHeight(true);
    sheet.m_nDefaultRowHeight = 30;
    EXPECT_EQ(geometry.RowHeight(42), 30);
    EXPECT_EQ(geometry.RowHeight(100), 0);
    EXPECT_EQ(geometry.LastTopRow(), 93);
}

// A uniform height of 0 hides every row: the view holds none, whatever the
// row count, and nothing walks the rows one by one to find that out.
TEST_F(CGridGeometryTest, RowsOfUniformHeightZeroAreAllHiddenAtAnyCount) {
    sheet.ResizeRows(200000000);
    ASSERT_TRUE(sheet.m_bUniformHeight);
    sheet.m_nDefaultRowHeight = 0;
    sheet.m_nTopRow = 1000;
    EXPECT_TRUE(geometry.RowsAllHidden());
    EXPECT_TRUE(geometry.ShownRows().empty());
    EXPECT_TRUE(geometry.RowSpans().empty());
    EXPECT_EQ(geometry.RowAt(5), -1);
    EXPECT_EQ(geometry.BottomRow(), 200000000);
    EXPECT_EQ(geometry.LastTopRow(), 0);
    EXPECT_EQ(geometry.TopRowShowing(150000000), 1000);
    EXPECT_EQ(geometry.ColumnSpans().size(), 5u) << "columns are not affected";
}
