#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/popupwin.h>

#include "GridTestWindow.h"

namespace {

// A grid that notes what PlaceTrackingWindow was offered and may shift it.
class TrackingGrid : public TestableGrid {
  public:
    wxRect offeredCell;
    wxRect offeredWindow;
    int shiftDown = 0;

    void PlaceTrackingWindow(wxRect& cellScreenRect, wxRect& windowRect) override {
        offeredCell = cellScreenRect;
        offeredWindow = windowRect;
        windowRect.y += shiftDown;
    }
};

class TrackingWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.AttachBlackOnWhite(*grid);
        tracker = new wxPopupWindow(window.frame);
        tracker->SetSize(wxSize(80, 40));
        tracker->Show();
    }

    // The screen rectangle of a shown cell.
    wxRect CellOnScreen(int column, int row) {
        wxRect rect;
        EXPECT_TRUE(grid->GetCellRect(column, row, rect));
        const wxWindow* area = grid->GetPartWindow(CSheetGrid::kCellAreaId);
        rect.SetPosition(area->ClientToScreen(rect.GetPosition()));
        return rect;
    }

    GridTestWindow window;
    TrackingGrid* grid = new TrackingGrid();
    wxPopupWindow* tracker = nullptr;
};

}  // namespace

TEST_F(TrackingWindowTest, TheWindowFollowsTheCurrentCellThirtyPixelsToItsRight) {
    grid->SetTrackingWindow(tracker, true);
    grid->GotoCell(1, 2);
    const wxRect cell = CellOnScreen(1, 2);
    EXPECT_EQ(tracker->GetScreenRect(), wxRect(cell.GetRight() + 31, cell.y, 80, 40));
    EXPECT_EQ(grid->offeredCell, cell);

    grid->shiftDown = 7;
    grid->GotoCell(2, 4);
    const wxRect next = CellOnScreen(2, 4);
    EXPECT_EQ(tracker->GetScreenRect().GetPosition(), wxPoint(next.GetRight() + 31, next.y + 7))
        << "PlaceTrackingWindow has the last word";
}

TEST_F(TrackingWindowTest, AWindowOverTheCellMovesOffIt) {
    grid->SetTrackingWindow(tracker, false);
    const wxRect cell = CellOnScreen(2, 3);
    tracker->SetPosition(cell.GetPosition() + wxSize(10, 5));
    grid->GotoCell(2, 3);
    EXPECT_EQ(tracker->GetScreenRect().GetPosition(), wxPoint(cell.GetRight() + 1 + 5, cell.y + 5))
        << "to the right by the overlap plus 5";

    // With no room to the right it goes down instead.
    const wxRect screen = wxDisplay(0u).GetGeometry();
    tracker->SetSize(wxSize(screen.GetRight() - cell.x - 10, 40));
    tracker->SetPosition(cell.GetPosition() + wxSize(0, 2));
    grid->GotoCell(3, 3);
    grid->GotoCell(2, 3);
    EXPECT_EQ(tracker->GetScreenRect().GetPosition(), wxPoint(cell.x, cell.GetBottom() + 1 + 5));
}

TEST_F(TrackingWindowTest, ADestroyedTrackingWindowIsForgotten) {
    grid->SetTrackingWindow(tracker, true);
    tracker->Destroy();
    YieldPending();
    grid->GotoCell(1, 1);
    EXPECT_EQ(grid->GetTrackingWindow(), nullptr);
}
