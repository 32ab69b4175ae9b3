// The side arrows cell type: its place in the grid's list, the arrows it
// draws read back from rendered pixels, its best size, and a real click on
// one of its cells.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <vector>

#include "CGridSideArrowsType.h"
#include "CSheetGrid.h"
#include "GridTestWindow.h"

namespace {

const wxColour kWhite(255, 255, 255);
const wxColour kBlack(0, 0, 0);
const wxColour kHighlightBack(0, 0, 200);
const wxColour kHighlightText(255, 255, 0);

// A grid that also writes down what cells and their types report.
class ArrowsGrid : public TestableGrid {
  public:
    void NotifyCellLeftButton(int column, int row, bool down, const wxRect&, const wxPoint&,
                              bool handled) override {
        Note("CellLeftButton", {column, row, down, handled});
    }
    void NotifyCharacter(int& character, bool handled) override {
        Note("Character", {character, handled});
    }
    int NotifyFromCellType(int typeIndex, int column, int row, int message, intptr_t) override {
        Note("FromCellType", {typeIndex, column, row, message});
        return 0;
    }
};

// The pixels of `rect` in an image that match `colour`, column by column.
std::vector<int> ColumnCounts(const wxImage& image, const wxRect& rect, const wxColour& colour) {
    std::vector<int> counts;
    for (int x = rect.x; x <= rect.GetRight(); ++x) {
        int count = 0;
        for (int y = rect.y; y <= rect.GetBottom(); ++y) {
            count +=
                wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)) == colour
                    ? 1
                    : 0;
        }
        counts.push_back(count);
    }
    return counts;
}

// The counts with the columns of none at either end dropped, and where the
// first one kept lies.
struct Marks {
    std::vector<int> counts;
    int firstColumn = -1;
};

Marks Trimmed(const std::vector<int>& counts, int left) {
    Marks marks;
    size_t first = 0;
    while (first < counts.size() && counts[first] == 0) {
        ++first;
    }
    size_t end = counts.size();
    while (end > first && counts[end - 1] == 0) {
        --end;
    }
    marks.counts.assign(counts.begin() + static_cast<long>(first),
                        counts.begin() + static_cast<long>(end));
    if (!marks.counts.empty()) {
        marks.firstColumn = left + static_cast<int>(first);
    }
    return marks;
}

}  // namespace

// A grid of 6 columns of 75 and 10 rows of 20, in black on white, with
// highlight colours of its own; cell (1, 2) covers x 75..149, y 40..59.
class GridSideArrowsTypeTest : public testing::Test {
  protected:
    static constexpr int kColumn = 1;
    static constexpr int kRow = 2;
    const wxRect kCell{75, 40, 75, 20};
    // Inside the grid lines along the right and bottom edges.
    const wxRect kInner{75, 40, 74, 19};

    void SetUp() override {
        grid = new ArrowsGrid();
        window.AttachBlackOnWhite(*grid);
        for (CGridColumnEntry& column : grid->Sheet().m_columns) {
            column.m_pDefaultCell->SetHighlightTextColour(kHighlightText);
            column.m_pDefaultCell->SetHighlightBackColour(kHighlightBack);
        }
    }

    void MakeArrowsCell(int column, int row, int style) const {
        CGridCell cell;
        grid->GetCell(column, row, cell);
        cell.SetCellTypeIndex(CSheetGrid::kSideArrowsCellType);
        cell.SetCellTypeStyle(style);
        grid->SetCell(column, row, cell);
    }

    wxImage Render() const { return GridTestWindow::RenderCells(*grid); }

    // The arrows of cell (1, 2) in the colour they are drawn in.
    Marks ArrowMarks(const wxColour& colour = kBlack) const {
        return Trimmed(ColumnCounts(Render(), kInner, colour), kInner.x);
    }

    CGridCellType& ArrowsType() const {
        CGridCell cell = CGridCell::Blank();
        cell.SetCellTypeIndex(CSheetGrid::kSideArrowsCellType);
        return grid->CellTypeOf(cell);
    }

    GridTestWindow window;
    ArrowsGrid* grid = nullptr;
};

TEST_F(GridSideArrowsTypeTest, IsRegisteredByNameAtItsIndexAndNeitherEditsNorOverflows) {
    CGridCellType& type = ArrowsType();
    EXPECT_EQ(type.GetName(), "Side Arrows");
    EXPECT_EQ(type.GetIndex(), CSheetGrid::kSideArrowsCellType);
    EXPECT_FALSE(type.IsEditable());
    EXPECT_FALSE(type.AllowsOverflow());
    CGridCell normal = CGridCell::Blank();
    EXPECT_NE(type.GetTypeIdentifier(), grid->CellTypeOf(normal).GetTypeIdentifier());
}

TEST_F(GridSideArrowsTypeTest, EachStyleDrawsItsArrowsCentredInOnePixelLines) {
    // Column by column, the pixels of the arrows from left to right: a
    // right arrow narrows from its 7-pixel base to a 1-pixel point.
    const struct {
        int style;
        std::vector<int> counts;
    } cases[] = {
        {0, {7, 5, 3, 1}},
        {CGridSideArrowsType::kStyleOneRight, {7, 5, 3, 1}},
        {CGridSideArrowsType::kStyleOneLeft, {1, 3, 5, 7}},
        {CGridSideArrowsType::kStyleTwoRight, {7, 5, 3, 1, 7, 5, 3, 1}},
        {CGridSideArrowsType::kStyleTwoLeft, {1, 3, 5, 7, 1, 3, 5, 7}},
    };
    for (const auto& each : cases) {
        MakeArrowsCell(kColumn, kRow, each.style);
        grid->SetCellText(kColumn, kRow, "text not shown");
        const Marks marks = ArrowMarks();
        EXPECT_EQ(marks.counts, each.counts) << "style " << each.style;
        const int width = static_cast<int>(each.counts.size());
        EXPECT_EQ(marks.firstColumn, kInner.x + (kInner.width - width) / 2)
            << "centred across, style " << each.style;
    }
    // Centred down: a right arrow's base runs from 6 pixels below the
    // cell's top, 7 pixels long.
    MakeArrowsCell(kColumn, kRow, CGridSideArrowsType::kStyleOneRight);
    const int base = ArrowMarks().firstColumn;
    const wxImage image = Render();
    for (int y = kInner.y; y <= kInner.GetBottom(); ++y) {
        const bool onBase = y >= kInner.y + 6 && y < kInner.y + 13;
        EXPECT_EQ(wxColour(image.GetRed(base, y), image.GetGreen(base, y), image.GetBlue(base, y)),
                  onBase ? kBlack : kWhite)
            << "at y " << y;
    }
}

TEST_F(GridSideArrowsTypeTest,
       TheCurrentCellWithHighlightStyleAndASelectedCellUseHighlightColours) {
    MakeArrowsCell(kColumn, kRow, CGridSideArrowsType::kStyleOneLeft);
    grid->SetCurrentCellStyle(2);
    grid->GotoCell(kColumn, kRow);
    EXPECT_EQ(ArrowMarks(kHighlightText).counts, (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(ArrowMarks(kBlack).counts, std::vector<int>{});
    const std::vector<int> back = ColumnCounts(Render(), kInner, kHighlightBack);
    EXPECT_EQ(back.front(), kInner.height) << "the background is the highlight back colour";

    // A selected cell, drawn by its type directly, is highlighted too.
    CGridCell cell;
    grid->GetCell(kColumn, kRow, cell);
    wxBitmap bitmap(kCell.width, kCell.height);
    {
        wxMemoryDC dc(bitmap);
        ArrowsType().Draw(dc, wxRect(kCell.GetSize()), kColumn, kRow, cell, 1, false);
    }
    const wxImage image = bitmap.ConvertToImage();
    EXPECT_EQ(Trimmed(ColumnCounts(image, wxRect(0, 0, 74, 19), kHighlightText), 0).counts,
              (std::vector<int>{1, 3, 5, 7}));
}

TEST_F(GridSideArrowsTypeTest, ACellNarrowerThanFourPixelsShowsOnlyBorderAndBackground) {
    MakeArrowsCell(kColumn, kRow, 0);
    CGridCell cell;
    grid->GetCell(kColumn, kRow, cell);
    for (const int width : {3, 4}) {
        wxBitmap bitmap(width, kCell.height);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxRED_BRUSH);
            dc.Clear();
            ArrowsType().Draw(dc, wxRect(0, 0, width, kCell.height), kColumn, kRow, cell, 0, false);
        }
        const wxImage image = bitmap.ConvertToImage();
        const std::vector<int> black = ColumnCounts(image, wxRect(0, 0, width, 19), kBlack);
        const std::vector<int> white = ColumnCounts(image, wxRect(0, 0, width - 1, 19), kWhite);
        EXPECT_EQ(white.front() + black.front(), 19) << "filled, width " << width;
        if (width < 4) {
            EXPECT_EQ(black, std::vector<int>(width, 0)) << "no arrow in a cell " << width;
        } else {
            EXPECT_GT(black.front(), 0) << "an arrow in a cell " << width;
        }
    }
}

TEST_F(GridSideArrowsTypeTest, ItsTextDoesNotRunOnIntoAnEmptyNeighbour) {
    MakeArrowsCell(0, 4, 0);
    grid->SetCellAlignment(0, 4, CGridCell::kAlignLeft);
    grid->SetCellText(0, 4, "a text much longer than one column of seventy-five pixels");
    // Cell (1, 4): x 75..149, y 80..98 inside its grid lines.
    const std::vector<int> dark = ColumnCounts(Render(), wxRect(75, 80, 74, 19), kBlack);
    EXPECT_EQ(dark, std::vector<int>(74, 0));
}

TEST_F(GridSideArrowsTypeTest, BestSizeFitsOneOrTwoArrows) {
    const struct {
        int style;
        int width;
    } cases[] = {
        {0, 10},
        {CGridSideArrowsType::kStyleOneRight, 10},
        {CGridSideArrowsType::kStyleOneLeft, 10},
        {CGridSideArrowsType::kStyleTwoRight, 14},
        {CGridSideArrowsType::kStyleTwoLeft, 14},
    };
    wxBitmap bitmap(10, 10);
    wxMemoryDC dc(bitmap);
    for (const auto& each : cases) {
        CGridCell cell = CGridCell::Blank();
        cell.SetCellTypeIndex(CSheetGrid::kSideArrowsCellType);
        cell.SetCellTypeStyle(each.style);
        cell.SetText("a long text the arrows cell never shows");
        wxSize size(75, 20);
        ArrowsType().GetBestSize(dc, size, cell);
        EXPECT_EQ(size.x, each.width) << "style " << each.style;
        EXPECT_EQ(size.y, CGridSideArrowsType::kArrowHeight + 2) << "style " << each.style;
    }
}

// A real click on an arrows cell makes it current and is left to the grid:
// the type reports nothing of its own and the cell keeps its arrows.
TEST_F(GridSideArrowsTypeTest, AClickIsLeftToTheGridAndMovesTheHighlight) {
    MakeArrowsCell(kColumn, kRow, CGridSideArrowsType::kStyleTwoRight);
    grid->SetCurrentCellStyle(2);
    grid->GotoCell(0, 0);
    wxWindow* cells = grid->GetPartWindow(CSheetGrid::kCellAreaId);
    wxPoint seen(-1, -1);
    cells->Bind(wxEVT_MOTION, [&](wxMouseEvent& event) {
        seen = event.GetPosition();
        event.Skip();
    });
    const wxPoint target(kCell.x + 10, kCell.y + 10);
    wxUIActionSimulator simulator;
    simulator.MouseMove(cells->ClientToScreen(target));
    ASSERT_TRUE(YieldUntil([&] { return seen == target; }));
    grid->log.clear();
    simulator.MouseClick();
    ASSERT_TRUE(YieldUntil([&] {
        return grid->GetCurrentColumn() == kColumn && grid->GetCurrentRow() == kRow &&
               !grid->log.empty() && grid->log.back() == "CellLeftButton 1 2 0 0";
    }));
    EXPECT_EQ(std::count(grid->log.begin(), grid->log.end(), "CellLeftButton 1 2 1 0"), 1);
    for (const std::string& line : grid->log) {
        EXPECT_NE(line.rfind("FromCellType", 0), 0u) << line;
    }
    EXPECT_EQ(ArrowMarks(kHighlightText).counts, (std::vector<int>{7, 5, 3, 1, 7, 5, 3, 1}));

    grid->log.clear();
    simulator.Char(' ');
    ASSERT_TRUE(YieldUntil([&] { return !grid->log.empty(); }));
    EXPECT_EQ(grid->log, (std::vector<std::string>{"Character 32 0"}));
}
