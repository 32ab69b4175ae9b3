#include <gtest/gtest.h>
#include <wx/cmndata.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/log.h>

#include <fstream>
#include <iterator>
#include <string>

#include "CGridPrintout.h"
#include "CGridSideArrowsType.h"
#include "GridPicture.h"
#include "GridTestWindow.h"

namespace {

class GridPrintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        grid = new TestableGrid();
        window.AttachBlackOnWhite(*grid);
    }

    // Draws the cell through its type's printer branch at `scale` into a
    // white picture of `size`, the cell filling it.
    GridPicture PrintCell(int column, int row, double scale, const wxSize& size) {
        wxBitmap bitmap(size);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            CGridCell cell;
            grid->GetCell(column, row, cell);
            CGridCellType& type = grid->CellTypeOf(cell);
            type.SetPrintScale(scale);
            type.Print(dc, wxRect(size), column, row, cell, 0, false);
            type.SetPrintScale(1.0);
        }
        return GridPicture(bitmap);
    }

    // The rows of `picture` that hold a dark pixel, top to bottom.
    static int DarkHeight(const GridPicture& picture, const wxSize& size) {
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < size.y; ++y) {
            if (picture.DarkPixels(wxRect(0, y, size.x, 1)) > 0) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        return top < 0 ? 0 : bottom - top + 1;
    }

    GridTestWindow window;
    TestableGrid* grid = nullptr;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

wxPrintData ToFile(const std::string& path) {
    wxPrintData data;
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetFilename(path);
    return data;
}

}  // namespace

TEST_F(GridPrintTest, PrintingToAFileWritesEveryCellTextOnAsManyPagesAsTheColumnsNeed) {
    const std::string path = wxFileName::CreateTempFileName("gridprint").utf8_string();
    ASSERT_FALSE(path.empty());
    grid->SetColumnCount(30, true);
    grid->SetCellText(0, 0, "Alpha");
    grid->SetCellText(2, 9, "Gamma");
    grid->SetCellText(29, 0, "Omega");

    ASSERT_TRUE(grid->Print(ToFile(path), false));
    const std::string postScript = ReadAll(path);
    wxRemoveFile(path);
    ASSERT_FALSE(postScript.empty());
    EXPECT_NE(postScript.find("(Alpha)"), std::string::npos);
    EXPECT_NE(postScript.find("(Gamma)"), std::string::npos);
    EXPECT_NE(postScript.find("(Omega)"), std::string::npos) << "the last column is printed too";
    EXPECT_GE(Occurrences(postScript, "showpage"), 2u) << "30 columns do not fit across a page";
}

TEST_F(GridPrintTest, PrintingToAFileThatCannotBeMadeAnswersFalse) {
    const wxLogNull quiet;
    EXPECT_FALSE(grid->Print(ToFile("/nonexistent-folder/sub/grid.ps"), false));
}

TEST(GridPrintoutBands, SizesAreSplitIntoRunsThatFitAndAnOversizedOneStandsAlone) {
    const auto bands = CGridPrintout::SplitIntoBands({40, 50, 30, 200, 10}, 100);
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0].nFirst, 0);
    EXPECT_EQ(bands[0].nLast, 1);
    EXPECT_EQ(bands[1].nFirst, 2);
    EXPECT_EQ(bands[1].nLast, 2);
    EXPECT_EQ(bands[2].nFirst, 3);
    EXPECT_EQ(bands[3].nFirst, 4);
    EXPECT_TRUE(CGridPrintout::SplitIntoBands({}, 100).empty());
}

TEST_F(GridPrintTest, PrintedSizesThatTheCellTypesAddGrowWithThePrintScale) {
    // A bitmap keeps a margin of twice the print scale.
    const wxBitmap red = SolidBitmap(wxSize(8, 8), *wxRED);
    grid->SetCellBitmap(1, 1, grid->AddBitmap(red));
    const GridPicture bitmapCell = PrintCell(1, 1, 3.0, wxSize(100, 30));
    EXPECT_EQ(bitmapCell.At(6, 15), *wxRED);
    EXPECT_NE(bitmapCell.At(5, 15), *wxRED);

    // Side arrows are filled triangles 7 high times the scale.
    grid->SetCellType(2, 2, CSheetGrid::kSideArrowsCellType);
    const wxSize arrowCell(60, 40);
    const int printedHeight = DarkHeight(PrintCell(2, 2, 3.0, arrowCell), wxSize(58, 38));
    EXPECT_GE(printedHeight, 3 * CGridSideArrowsType::kArrowHeight - 1);
    EXPECT_LE(printedHeight, 3 * CGridSideArrowsType::kArrowHeight + 1);

    // A check box's size and inset grow too: at scale 2 a 40-pixel cell
    // holds a 24-pixel box 6 pixels in, framed by a 2-pixel pen.
    grid->SetCellType(3, 3, CSheetGrid::kCheckBoxCellType);
    const GridPicture box = PrintCell(3, 3, 2.0, wxSize(100, 40));
    EXPECT_EQ(box.DarkPixels(wxRect(0, 0, 5, 38)), 0);
    EXPECT_GT(box.DarkPixels(wxRect(5, 10, 2, 20)), 30) << "the box's left side";
    EXPECT_GT(box.DarkPixels(wxRect(28, 10, 2, 20)), 30) << "the box's right side";
}

TEST_F(GridPrintTest, DrawScaledFitsTheTextHeightToTheRectangle) {
    grid->SetCellText(0, 0, "HHHH");
    const auto drawnHeight = [this](int height) {
        const wxSize size(400, height);
        wxBitmap bitmap(size);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            CGridCell cell;
            grid->GetCell(0, 0, cell);
            grid->CellTypeOf(cell).DrawScaled(dc, wxRect(size), 0, 0, cell);
        }
        return DarkHeight(GridPicture(bitmap), wxSize(398, height - 1));
    };
    const int small = drawnHeight(20);
    const int large = drawnHeight(80);
    EXPECT_GT(small, 0);
    EXPECT_GE(large, 3 * small) << "capital letters take the same share of a 4 times taller cell";
    EXPECT_LT(large, 80);
}
