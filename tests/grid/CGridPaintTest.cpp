// What the cell area and the normal cell type draw, read back from a bitmap.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include "CSheetGrid.h"
#include "GridPicture.h"
#include "GridTestWindow.h"

namespace {

const wxColour kWhite(255, 255, 255);
const wxColour kBlack(0, 0, 0);
const wxColour kGridLine(0xDC, 0xDC, 0xDC);

}  // namespace

// A grid of 6 columns of 75 and 10 rows of 20, in black on white.
class GridPaintTest : public testing::Test {
  protected:
    void SetUp() override {
        grid = new TestableGrid();
        window.AttachBlackOnWhite(*grid);
    }

    GridPicture Render(bool withFocus = false) const {
        return GridPicture(GridTestWindow::RenderCells(*grid, withFocus));
    }

    GridTestWindow window;
    TestableGrid* grid = nullptr;
};

TEST_F(GridPaintTest, GridLinesRunAlongTheRightAndBottomOfEachCell) {
    const GridPicture picture = Render();
    // Cell (1, 2) covers x 75..149, y 40..59.
    EXPECT_EQ(picture.At(149, 50), kGridLine);
    EXPECT_EQ(picture.At(100, 59), kGridLine);
    EXPECT_EQ(picture.At(100, 50), kWhite);
    grid->Sheet().m_bGridLines = false;
    EXPECT_EQ(Render().At(149, 50), kWhite);
}

TEST_F(GridPaintTest, AHeadingCellHasARaisedEdge) {
    CGridCell heading;
    grid->GetCell(0, -1, heading);
    wxBitmap bitmap(75, 20);
    {
        wxMemoryDC dc(bitmap);
        grid->CellTypeOf(heading).Draw(dc, wxRect(0, 0, 75, 20), 0, -1, heading, 0, false);
    }
    const GridPicture picture(bitmap);
    EXPECT_EQ(picture.At(0, 0), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(30, 0), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(74, 19), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
    EXPECT_EQ(picture.At(30, 19), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
    EXPECT_EQ(picture.At(30, 5), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
}

TEST_F(GridPaintTest, RightAlignedTextEndsAtTheRightMargin) {
    grid->SetCellText(1, 0, "88");
    grid->SetCellAlignment(1, 0, CGridCell::kAlignRight);
    const GridPicture picture = Render();
    EXPECT_EQ(picture.DarkPixels(wxRect(75, 0, 45, 19)), 0);
    EXPECT_GT(picture.DarkPixels(wxRect(120, 0, 25, 19)), 0);
    EXPECT_EQ(picture.DarkPixels(wxRect(146, 0, 3, 19)), 0) << "the 4-pixel text margin";
}

TEST_F(GridPaintTest, ABitmapIsDrawnAtTheCellsLeftAndTheTextAfterIt) {
    const wxBitmap red = SolidBitmap(wxSize(8, 8), *wxRED);
    grid->SetCellBitmap(2, 1, grid->AddBitmap(red));
    grid->SetCellText(2, 1, "x");
    const GridPicture picture = Render();
    // Cell (2, 1): x 150..224, y 20..39; the bitmap 2 pixels in, centred.
    EXPECT_EQ(picture.At(150 + 2, 20 + 6), *wxRED);
    EXPECT_EQ(picture.At(150 + 9, 20 + 12), *wxRED);
    EXPECT_EQ(picture.At(150 + 1, 20 + 6), kWhite);
    // The text starts after the bitmap and its margins, 4 pixels further.
    EXPECT_EQ(picture.DarkPixels(wxRect(150 + 11, 20, 5, 19)), 0);
    EXPECT_GT(picture.DarkPixels(wxRect(150 + 16, 20, 20, 19)), 0);
}

TEST_F(GridPaintTest, RowHighlightDrawsTheWholeCurrentRowInHighlightColours) {
    const wxColour highlight(0, 0, 200);
    for (CGridColumnEntry& column : grid->Sheet().m_columns) {
        column.m_pDefaultCell->SetHighlightBackColour(highlight);
    }
    grid->GotoCell(1, 3);
    EXPECT_EQ(Render().At(300, 70), kWhite) << "the current-cell style has no bit 2";
    grid->SetCurrentCellStyle(2);
    EXPECT_EQ(Render().At(100, 70), highlight);
    EXPECT_EQ(Render().At(300, 70), kWhite) << "only the current cell without row highlight";
    grid->SetRowHighlight(true, true);
    const GridPicture picture = Render();
    EXPECT_EQ(picture.At(300, 70), highlight);
    EXPECT_EQ(picture.At(10, 70), highlight);
    EXPECT_EQ(picture.At(300, 50), kWhite);
}

TEST_F(GridPaintTest, TheFocusRectangleSurroundsTheCurrentCell) {
    grid->GotoCell(1, 2);
    const GridPicture without = Render(false);
    const GridPicture with = Render(true);
    // Cell (1, 2): x 75..149, y 40..59; the mark lies inside its right and
    // bottom edges.
    int changedOnEdge = 0;
    for (int x = 76; x < 148; ++x) {
        changedOnEdge += with.At(x, 40) != without.At(x, 40) ? 1 : 0;
    }
    EXPECT_GT(changedOnEdge, 10);
    for (int x = 160; x < 220; ++x) {
        EXPECT_EQ(with.At(x, 40), without.At(x, 40)) << "other cells are untouched at " << x;
    }
}

TEST_F(GridPaintTest, ALongLeftAlignedTextRunsOnIntoItsEmptyNeighbour) {
    grid->SetCellText(0, 4, "a text much longer than one column of seventy-five pixels");
    // Cell (1, 4): x 75..149, y 80..99.
    EXPECT_GT(Render().DarkPixels(wxRect(76, 80, 70, 19)), 0);
    grid->SetTextOverflow(false);
    EXPECT_EQ(Render().DarkPixels(wxRect(76, 80, 70, 19)), 0);
    grid->SetTextOverflow(true);
    grid->SetCellText(1, 4, "");
    grid->SetCellAlignment(0, 4, CGridCell::kAlignCentre);
    EXPECT_EQ(Render().DarkPixels(wxRect(76, 80, 70, 19)), 0) << "only left-aligned texts run on";
}
