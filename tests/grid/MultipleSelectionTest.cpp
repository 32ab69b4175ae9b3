// The grid's multiple selection, its popup menu on the scroll bars and what
// cell types hear of the view, driven by the display's own pointer and
// keyboard.
#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "CGridSelection.h"
#include "CSheetGrid.h"
#include "GridPicture.h"
#include "GridTestWindow.h"

namespace {

// A grid that also notes selection changes in the order of their
// arguments: right column, top row, left column, bottom row, block count.
class SelectionGrid : public TestableGrid {
  public:
    void NotifySelectionChanged(int rightColumn, int topRow, int leftColumn, int bottomRow,
                                int blockCount) override {
        Note("SelectionChanged", {rightColumn, topRow, leftColumn, bottomRow, blockCount});
    }
    // The lines of the log that begin with `what`.
    std::vector<std::string> Lines(const std::string& what) const {
        std::vector<std::string> lines;
        for (const std::string& line : log) {
            if (line.rfind(what, 0) == 0) {
                lines.push_back(line);
            }
        }
        return lines;
    }
};

// A cell type that writes down every cell it is told the view changed for.
class ViewRecordingType : public CGridCellType {
  public:
    ViewRecordingType(CSheetGrid& grid, std::vector<std::pair<int, int>>& cells)
        : CGridCellType(grid), m_cells(cells) {}
    void OnViewChanged(int column, int row, const CGridCell&) override {
        m_cells.emplace_back(column, row);
    }

  private:
    std::vector<std::pair<int, int>>& m_cells;
};

}  // namespace

// A grid of 6 columns of 75 and 10 rows of 20 in black on white, with
// multiple selection on, worked with the pointer and the keyboard.
class MultipleSelectionTest : public testing::Test {
  protected:
    void SetUp() override {
        grid = new SelectionGrid();
        window.AttachBlackOnWhite(*grid);
        grid->SetVScrollBarWidth(20);
        grid->SetHScrollBarHeight(20);
        grid->EnableMultipleSelection(true);
        YieldPending();
        grid->log.clear();
    }
    void TearDown() override {
        // No key stays held for the next test.
        input.KeyUp(WXK_SHIFT);
        input.KeyUp(WXK_CONTROL);
        YieldPending();
    }

    wxWindow& Cells() const { return *grid->GetPartWindow(CSheetGrid::kCellAreaId); }
    static wxPoint CellCentre(int column, int row) { return {column * 75 + 37, row * 20 + 10}; }

    // Moves the pointer over the cell and waits until the grid has seen it.
    void PointAtCell(int column, int row) {
        input.MouseMove(Cells().ClientToScreen(CellCentre(column, row)));
        YieldPending();
    }
    // Clicks the cell with the modifier keys held; waits for the current
    // cell to get there.
    void Click(int column, int row, int modifier = 0, int button = wxMOUSE_BTN_LEFT) {
        PointAtCell(column, row);
        if (modifier != 0) {
            input.KeyDown(modifier);
        }
        input.MouseClick(button);
        if (modifier != 0) {
            input.KeyUp(modifier);
        }
        EXPECT_TRUE(YieldUntil([&] {
            return grid->GetCurrentColumn() == column && grid->GetCurrentRow() == row;
        })) << "the click on "
            << column << ", " << row << " arrived";
        YieldPending();
    }
    // Presses the key (with Shift when asked) and waits for the current
    // cell to reach (column, row).
    void Press(int key, bool shift, int column, int row) {
        if (shift) {
            input.KeyDown(WXK_SHIFT);
        }
        input.Char(key);
        if (shift) {
            input.KeyUp(WXK_SHIFT);
        }
        EXPECT_TRUE(YieldUntil([&] {
            return grid->GetCurrentColumn() == column && grid->GetCurrentRow() == row;
        })) << "the key went to "
            << column << ", " << row;
        YieldPending();
    }
    CGridRange Block(int number) const {
        const CGridSelection& selection = grid->GetSelection();
        return selection.RangeOf(selection.Blocks().at(static_cast<size_t>(number)));
    }
    static std::vector<int> Sides(const CGridRange& range) {
        return {range.nLeft, range.nTop, range.nRight, range.nBottom};
    }

    GridTestWindow window;
    SelectionGrid* grid = nullptr;
    wxUIActionSimulator input;
};

TEST_F(MultipleSelectionTest, ShiftWithTheMouseOrTheArrowsExtendsTheBlockFromItsAnchor) {
    Click(1, 1);
    Click(3, 4, WXK_SHIFT);
    ASSERT_EQ(grid->GetSelection().BlockCount(), 1);
    EXPECT_EQ(Sides(Block(0)), (std::vector<int>{1, 1, 3, 4}));

    Press(WXK_DOWN, true, 3, 5);
    Press(WXK_LEFT, true, 2, 5);
    EXPECT_EQ(Sides(Block(0)), (std::vector<int>{1, 1, 2, 5}));
    Press(WXK_END, true, 5, 5);
    EXPECT_EQ(Sides(Block(0)), (std::vector<int>{1, 1, 5, 5})) << "End extends to the last column";
    EXPECT_EQ(grid->Lines("SelectionChanged"),
              (std::vector<std::string>{"SelectionChanged 1 1 1 1 1", "SelectionChanged 3 1 1 4 1",
                                        "SelectionChanged 3 1 1 5 1", "SelectionChanged 2 1 1 5 1",
                                        "SelectionChanged 5 1 1 5 1"}))
        << "right column, top row, left column, bottom row, block count";

    // A plain key starts again from the block's anchor, with a block of
    // the one cell it reaches.
    Press(WXK_DOWN, false, 1, 6);
    ASSERT_EQ(grid->GetSelection().BlockCount(), 1);
    EXPECT_EQ(Sides(Block(0)), (std::vector<int>{1, 6, 1, 6}));
    EXPECT_EQ(grid->Lines("SelectionChanged").back(), "SelectionChanged 1 6 1 6 1");
}

TEST_F(MultipleSelectionTest, CtrlClickAddsBlocksAndTogglesASingleCellBlock) {
    Click(0, 0);
    Click(2, 2, WXK_CONTROL);
    Click(4, 3, WXK_CONTROL);
    const CGridSelection& selection = grid->GetSelection();
    EXPECT_EQ(selection.BlockCount(), 3);
    EXPECT_TRUE(selection.IsSelected(0, 0));
    EXPECT_TRUE(selection.IsSelected(2, 2));
    EXPECT_FALSE(selection.IsSelected(1, 1));
    EXPECT_EQ(grid->Lines("SelectionChanged").back(), "SelectionChanged 4 3 4 3 3");

    Click(2, 2, WXK_CONTROL);
    EXPECT_FALSE(selection.IsSelected(2, 2)) << "toggled off";
    EXPECT_TRUE(selection.IsSelected(4, 3));
    Click(0, 0);
    EXPECT_EQ(selection.BlockCount(), 1) << "a plain click leaves only its cell";
    EXPECT_TRUE(selection.IsSelected(0, 0));
    EXPECT_FALSE(selection.IsSelected(4, 3));
}

TEST_F(MultipleSelectionTest, ShiftClickOnTheCurrentCellDrawsTheBlockBackToIt) {
    Click(0, 0);
    Click(3, 3, WXK_SHIFT);
    // A right click inside the selection keeps it and moves there.
    Click(1, 1, 0, wxMOUSE_BTN_RIGHT);
    EXPECT_EQ(Sides(Block(0)), (std::vector<int>{0, 0, 3, 3}));
    grid->log.clear();

    PointAtCell(1, 1);
    input.KeyDown(WXK_SHIFT);
    input.MouseClick();
    input.KeyUp(WXK_SHIFT);
    EXPECT_TRUE(YieldUntil([this] { return !grid->Lines("SelectionChanged").empty(); }));
    EXPECT_EQ(Sides(Block(0)), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(grid->Lines("SelectionChanged").back(), "SelectionChanged 1 0 0 1 1");
}

TEST_F(MultipleSelectionTest, DraggingSelectsTheCellsPassedOver) {
    PointAtCell(0, 1);
    input.MouseDown();
    PointAtCell(1, 2);
    PointAtCell(2, 4);
    ASSERT_TRUE(YieldUntil([this] { return grid->GetCurrentRow() == 4; }));
    input.MouseUp();
    YieldPending();
    ASSERT_EQ(grid->GetSelection().BlockCount(), 1);
    EXPECT_EQ(Sides(Block(0)), (std::vector<int>{0, 1, 2, 4}));
}

TEST_F(MultipleSelectionTest, WithMultipleSelectionOffTheCurrentCellJustMoves) {
    grid->EnableMultipleSelection(false);
    Click(1, 1);
    Click(3, 4, WXK_SHIFT);
    Press(WXK_DOWN, true, 3, 5);
    EXPECT_EQ(grid->GetSelection().BlockCount(), 0);
    EXPECT_TRUE(grid->Lines("SelectionChanged").empty());
}

TEST_F(MultipleSelectionTest, SelectedCellsArePaintedInTheHighlightColours) {
    Click(1, 1);
    Click(2, 3, WXK_SHIFT);
    const GridPicture picture(GridTestWindow::RenderCells(*grid));
    const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    ASSERT_NE(highlight, *wxWHITE);
    const auto centre = [](int column, int row) { return CellCentre(column, row); };
    EXPECT_EQ(picture.At(centre(1, 1).x, centre(1, 1).y), highlight) << "the anchor";
    EXPECT_EQ(picture.At(centre(2, 2).x, centre(2, 2).y), highlight);
    EXPECT_EQ(picture.At(centre(2, 3).x, centre(2, 3).y), *wxWHITE) << "the current cell";
    EXPECT_EQ(picture.At(centre(3, 2).x, centre(3, 2).y), *wxWHITE) << "outside the block";
    EXPECT_EQ(picture.At(centre(1, 4).x, centre(1, 4).y), *wxWHITE);
}

TEST_F(MultipleSelectionTest, ARightClickOnAScrollBarOpensThePopupMenuForItsSection) {
    grid->SetColumnCount(20, true);
    grid->SetRowCount(100, true);
    grid->AdjustLayout();
    grid->EnablePopupMenu(true);
    grid->AddPopupMenuItem(1001, "Delete");
    // Once the menu shows, the keyboard picks its item.
    grid->Bind(wxEVT_MENU_OPEN, [this](wxMenuEvent& event) {
        grid->CallAfter([this] {
            input.Char(WXK_DOWN);
            input.Char(WXK_RETURN);
        });
        event.Skip();
    });
    grid->GotoCell(2, 3);
    for (const auto& [id, section] :
         {std::pair(CSheetGrid::kVScrollBarId, 6), std::pair(CSheetGrid::kHScrollBarId, 5)}) {
        grid->log.clear();
        const wxWindow& bar = *grid->GetPartWindow(id);
        ASSERT_TRUE(YieldUntil([&bar] { return bar.IsShownOnScreen(); }));
        input.MouseMove(grid->ClientToScreen(bar.GetPosition()) + wxPoint(8, 8));
        YieldPending();
        input.MouseClick(wxMOUSE_BTN_RIGHT);
        EXPECT_TRUE(YieldUntil([this] { return !grid->Lines("MenuCommand").empty(); }))
            << "section " << section;
        const std::string where = "2 3 " + std::to_string(section);
        EXPECT_EQ(grid->Lines("AllowContextMenu"),
                  std::vector<std::string>{"AllowContextMenu " + where});
        EXPECT_EQ(grid->Lines("MenuCommand"),
                  std::vector<std::string>{"MenuCommand " + where + " 1001"});
    }
}

TEST_F(MultipleSelectionTest, CellTypesHearOfTheCurrentCellAndOfTheEdgesOfAMovedView) {
    std::vector<std::pair<int, int>> told;
    const int type = grid->AddCellType(std::make_unique<ViewRecordingType>(*grid, told));
    for (CGridColumnEntry& column : grid->Sheet().m_columns) {
        column.m_pDefaultCell->SetCellTypeIndex(type);
    }
    grid->SetRowCount(100, true);
    told.clear();

    grid->GotoCell(2, 3);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{2, 3}})) << "the view stayed";

    told.clear();
    grid->SetTopRow(20);
    const auto toldOf = [&told](int column, int row) {
        return std::count(told.begin(), told.end(), std::pair(column, row));
    };
    // The last row the cell area shows, in part or in full.
    const int bottom = 20 + (Cells().GetClientSize().y - 1) / 20;
    EXPECT_EQ(toldOf(2, 3), 1) << "the current cell";
    for (const auto& [column, row] :
         {std::pair(0, 20), std::pair(5, 20), std::pair(3, 20), std::pair(0, bottom),
          std::pair(5, bottom), std::pair(0, 22), std::pair(5, 22)}) {
        EXPECT_EQ(toldOf(column, row), 1) << column << ", " << row;
    }
    EXPECT_EQ(toldOf(2, 22), 0) << "inside the shown range";
}
