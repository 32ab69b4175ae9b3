// The SIZE, MODIFIED and ATTR columns of the results grids are as wide as
// their widest text, heading and last row included, as if every cell had
// been measured.

#include <gtest/gtest.h>
#include <sys/stat.h>
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

namespace {

// The widths the grid gives the fitted columns when it measures every cell.
std::vector<int> WidthsMeasuringEveryCell(CResultGrid& grid) {
    grid.SetTopRow(0);
    grid.FitColumnsToContent(kFittedColumns[0], kFittedColumns[2], 1 + grid.GetRowCount(), 3);
    std::vector<int> widths;
    for (const int column : kFittedColumns) {
        widths.push_back(grid.GetColumnWidth(column));
    }
    return widths;
}

std::vector<int> FittedWidths(CResultGrid& grid) {
    std::vector<int> widths;
    for (const int column : kFittedColumns) {
        widths.push_back(grid.GetColumnWidth(column));
    }
    return widths;
}

TEST_F(MainWindowTest, FittedWidthsAreThoseOfMeasuringEveryCell) {
    // Names of many lengths, sizes of every digit count and of wide and
    // narrow digits, the widest of each side somewhere in the middle, and
    // attributes that differ by file.
    const long long sizes[] = {7, 1111, 40, 88888, 1, 555, 31, 11111111, 2, 909, 11, 6};
    for (int i = 0; i < 12; ++i) {
        const std::string name = std::string(1 + (i * 7) % 23, static_cast<char>('a' + i)) + ".f";
        const std::string side = i % 3 == 0 ? "right/" : "left/";
        const std::string path = m_tree.WriteFile(side + name, "");
        ASSERT_EQ(truncate(path.c_str(), sizes[i]), 0);
        if (i % 4 == 1) {
            ASSERT_EQ(chmod(path.c_str(), 0444), 0);
        }
    }
    m_tree.WriteFile("right/" + std::string(40, 'n') + ".f", "12345");
    CCompareDlg& window = Compare();
    for (CResultGrid* grid : {&window.LeftGrid(), &window.RightGrid()}) {
        ASSERT_EQ(grid->GetRowCount(), 13);
        const std::vector<int> fitted = FittedWidths(*grid);
        EXPECT_EQ(WidthsMeasuringEveryCell(*grid), fitted);
    }
}

}  // namespace
