#include <gtest/gtest.h>

#include <string>

#include "CGridDropTarget.h"
#include "GridTestWindow.h"

namespace {

// A grid that answers the drag notifications as told and notes them.
class DropGrid : public TestableGrid {
  public:
    wxDragResult dragOverAnswer = wxDragCopy;
    bool dropAnswer = true;

    wxDragResult NotifyDragOver(const wxDataObject&, int column, int row) override {
        Note("DragOver", {column, row});
        return dragOverAnswer;
    }
    bool NotifyDrop(const wxDataObject&, int column, int row) override {
        Note("Drop", {column, row});
        return dropAnswer;
    }
};

// The drop target as the toolkit drives it, with the toolkit's delivery of
// the dragged text simulated.
class SimulatedDropTarget : public CGridDropTarget {
  public:
    using CGridDropTarget::CGridDropTarget;
    wxString delivered;
    bool GetData() override {
        static_cast<wxTextDataObject*>(GetDataObject())->SetText(delivered);
        return true;
    }
};

class GridDropTargetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.AttachBlackOnWhite(*grid);
        grid->log.clear();
    }

    // Drops `text` on the middle of cell (column, row), as seen on screen.
    wxDragResult DropOn(int column, int row, const wxString& text) {
        wxRect rect;
        EXPECT_TRUE(grid->GetCellRect(column, row, rect));
        target.delivered = text;
        const wxPoint centre = rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2);
        return target.OnData(centre.x, centre.y, wxDragCopy);
    }

    std::string Text(int column, int row) { return grid->GetCellText(column, row).value_or("-"); }

    GridTestWindow window;
    DropGrid* grid = new DropGrid();
    SimulatedDropTarget target{*grid};
};

}  // namespace

TEST_F(GridDropTargetTest, DroppedTextFillsCellsByTabsAndLineBreaks) {
    grid->SetCellText(1, 2, "old");
    grid->SetCellText(2, 2, "cleared");
    EXPECT_EQ(DropOn(1, 1, "a\tb\r\nc\t\td\re\nf"), wxDragCopy);
    EXPECT_EQ(grid->log.front(), "Drop 1 1");
    EXPECT_EQ(Text(1, 1), "a");
    EXPECT_EQ(Text(2, 1), "b");
    EXPECT_EQ(Text(1, 2), "c") << "CR LF is one line break, back at the starting column";
    EXPECT_EQ(grid->GetCellText(2, 2).value_or(""), "") << "the empty field between two tabs";
    EXPECT_EQ(Text(3, 2), "d");
    EXPECT_EQ(Text(1, 3), "e");
    EXPECT_EQ(Text(1, 4), "f");
    EXPECT_EQ(grid->GetCurrentColumn(), 1);
    EXPECT_EQ(grid->GetCurrentRow(), 1);
}

TEST_F(GridDropTargetTest, APasteSkipsReadOnlyCellsAndCellsPastTheTableAndStopsAtTheLastRow) {
    CGridCell locked;
    grid->GetCell(5, 8, locked);
    locked.SetText("kept");
    locked.SetReadOnly(true);
    grid->SetCell(5, 8, locked);
    DropOn(4, 8, "x\ty\tpast\nz\nbeyond\nmore");
    EXPECT_EQ(Text(4, 8), "x");
    EXPECT_EQ(Text(5, 8), "kept");
    EXPECT_EQ(Text(4, 9), "z");
    EXPECT_EQ(grid->GetRowCount(), 10);
    EXPECT_EQ(grid->GetColumnCount(), 6);
}

TEST_F(GridDropTargetTest, ATrailingLineBreakLeavesTheCellBelowAlone) {
    grid->SetCellText(0, 3, "below");
    DropOn(0, 2, "top\n");
    EXPECT_EQ(Text(0, 2), "top");
    EXPECT_EQ(Text(0, 3), "below");
}

TEST_F(GridDropTargetTest, AHugeDropEndsAtTheTablesEdge) {
    wxString huge;
    for (int line = 0; line < 200000; ++line) {
        huge += "cell\tcell\tcell\tcell\tcell\tcell\tcell\tcell\n";
    }
    DropOn(0, 0, huge);
    EXPECT_EQ(Text(5, 9), "cell");
    EXPECT_EQ(grid->GetRowCount(), 10);
}

TEST_F(GridDropTargetTest, ARefusedDropChangesNothing) {
    grid->dropAnswer = false;
    EXPECT_EQ(DropOn(2, 2, "no"), wxDragNone);
    EXPECT_EQ(Text(2, 2), "-");
}

TEST_F(GridDropTargetTest, WithMultipleSelectionThePastedRangeIsSelected) {
    grid->Sheet().m_bMultipleSelection = true;
    DropOn(1, 1, "a\tb\tc\nd");
    const CGridRange bounds = grid->GetSelection().Bounds();
    EXPECT_EQ(bounds.nLeft, 1);
    EXPECT_EQ(bounds.nTop, 1);
    EXPECT_EQ(bounds.nRight, 3);
    EXPECT_EQ(bounds.nBottom, 2);
}

TEST_F(GridDropTargetTest, DraggingOverAnswersTheGridsEffectAndScrollsNearTheEdges) {
    wxRect rect;
    ASSERT_TRUE(grid->GetCellRect(2, 3, rect));
    grid->dragOverAnswer = wxDragMove;
    EXPECT_EQ(target.OnDragOver(rect.x + 20, rect.y + 5, wxDragCopy), wxDragMove);
    EXPECT_EQ(grid->log.back(), "DragOver 2 3");

    grid->SetRowCount(100, true);
    grid->SetColumnCount(30, true);
    const wxSize area = grid->GetPartWindow(CSheetGrid::kCellAreaId)->GetClientSize();
    target.OnDragOver(area.x / 2, area.y - 5, wxDragCopy);
    EXPECT_EQ(grid->GetTopRow(), 1);
    target.OnDragOver(area.x - 5, area.y / 2, wxDragCopy);
    EXPECT_EQ(grid->GetLeftColumn(), 1);
    target.OnDragOver(5, 5, wxDragCopy);
    EXPECT_EQ(grid->GetTopRow(), 0);
    EXPECT_EQ(grid->GetLeftColumn(), 0);
    target.OnDragOver(area.x / 2, area.y / 2, wxDragCopy);
    EXPECT_EQ(grid->GetTopRow(), 0) << "no scrolling away from the edges";
}
