// A real click selects the cell under the pointer, from the cell's first
// pixel (its rectangle's left and top) to its last.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include "GridTestWindow.h"

namespace {

class CellHitTest : public testing::Test {
  protected:
    void SetUp() override {
        grid = window.AttachGridWithBars(10);
        Cells()->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
            pointerSeenAt = event.GetPosition();
            event.Skip();
        });
    }

    wxWindow* Cells() const { return grid->GetPartWindow(CSheetGrid::kCellAreaId); }

    // Goes to the top-left cell, moves the pointer to `point` of the cell
    // area and, once the cell area has seen it there, clicks and waits until
    // the click has moved the current cell.
    void ClickFromTopLeftCell(const wxPoint& point) {
        grid->GotoCell(0, 0);
        wxUIActionSimulator simulator;
        simulator.MouseMove(Cells()->ClientToScreen(point));
        ASSERT_TRUE(YieldUntil([&] { return pointerSeenAt == point; }))
            << "the pointer never reached " << point.x << ", " << point.y;
        simulator.MouseClick();
        EXPECT_TRUE(YieldUntil([this] {
            return grid->GetCurrentColumn() != 0 || grid->GetCurrentRow() != 0;
        })) << "the click at "
            << point.x << ", " << point.y << " moved no cell";
    }

    GridTestWindow window;
    TestableGrid* grid = nullptr;
    wxPoint pointerSeenAt{-1, -1};
};

}  // namespace

TEST_F(CellHitTest, TheFirstAndTheLastPixelOfACellBelongToIt) {
    constexpr int kColumn = 2;
    constexpr int kRow = 3;
    wxRect cell;
    ASSERT_TRUE(grid->GetCellRect(kColumn, kRow, cell));
    for (const wxPoint& point : {cell.GetTopLeft(), cell.GetBottomRight()}) {
        ClickFromTopLeftCell(point);
        EXPECT_EQ(grid->GetCurrentColumn(), kColumn) << "clicked at " << point.x << ", " << point.y;
        EXPECT_EQ(grid->GetCurrentRow(), kRow) << "clicked at " << point.x << ", " << point.y;
    }
}
