// The SIZE, MODIFIED and ATTR columns of the results grids are as wide as
// their widest text, heading and last row included.

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/dcclient.h>

#include "MainWindowFixture.h"

namespace {

// The width of `text` in the font of the grid cell at column, row.
int TextWidth(CResultGrid& grid, int column, int row, const std::string& text) {
    CGridCell cell;
    grid.GetCell(column, row, cell);
    wxClientDC dc(&grid);
    dc.SetFont(cell.GetFont() != nullptr ? *cell.GetFont() : *grid.GetDefaultFont());
    return dc.GetTextExtent(wxString::FromUTF8(text)).x;
}

constexpr int kFittedColumns[] = {CResultGrid::kColumnSize, CResultGrid::kColumnModified,
                                  CResultGrid::kColumnAttributes};

TEST_F(MainWindowTest, FittedColumnsShowTheirHeadingsBeforeAnyCompare) {
    CCompareDlg& window = Open();
    for (CResultGrid* grid : {&window.LeftGrid(), &window.RightGrid()}) {
        for (const int column : kFittedColumns) {
            const std::string heading = Cell(*grid, column, -1);
            EXPECT_GE(grid->GetColumnWidth(column), TextWidth(*grid, column, -1, heading))
                << heading;
        }
    }
}

TEST_F(MainWindowTest, FittedColumnsShowTheTextsOfTheLastRow) {
    m_tree.WriteFile("left/a.txt", "x");
    const std::string big = m_tree.WriteFile("left/zz.bin", "");
    ASSERT_EQ(truncate(big.c_str(), 5368709120LL), 0);  // 5 GiB, sparse
    m_tree.WriteFile("right/zz.bin", "y");  // the right grid's only file, on the last row
    CCompareDlg& window = Compare();
    CResultGrid& left = window.LeftGrid();
    CResultGrid& right = window.RightGrid();
    ASSERT_EQ(left.GetRowCount(), 2);
    ASSERT_EQ(Cell(left, CResultGrid::kColumnSize, 1), "5368709120");
    EXPECT_GE(left.GetColumnWidth(CResultGrid::kColumnSize),
              TextWidth(left, CResultGrid::kColumnSize, 1, "5368709120"));
    for (const int column : kFittedColumns) {
        const std::string text = Cell(right, column, 1);
        EXPECT_GE(right.GetColumnWidth(column), TextWidth(right, column, 1, text)) << text;
    }
}

}  // namespace
