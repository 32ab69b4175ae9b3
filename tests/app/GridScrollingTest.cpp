// The two results grids and the shared bar between them stay on the same
// rows, whatever scrolls them: real wheel turns, keys and clicks.

#include <gtest/gtest.h>
#include <wx/scrolbar.h>

#include "OnScreenFixture.h"

namespace {

class GridScrollingTest : public OnScreenTest {
  protected:
    // A compare of 200 files, shown on the screen.
    CCompareDlg& CompareManyOnScreen() {
        for (int i = 0; i < 200; ++i) {
            m_tree.WriteFile("left/f" + std::to_string(1000 + i), "x");
        }
        return ShowOnScreen(Compare());
    }

    wxScrollBar& Bar() { return Find<wxScrollBar>(CCompareDlg::IDC_SCROLLBAR); }

    // Both grids and the bar's thumb stand at `topRow`.
    void ExpectAllAt(int topRow) {
        EXPECT_EQ(m_pOpened->LeftGrid().GetTopRow(), topRow);
        EXPECT_EQ(m_pOpened->RightGrid().GetTopRow(), topRow);
        EXPECT_EQ(Bar().GetThumbPosition(), topRow);
    }
};

TEST_F(GridScrollingTest, TheWheelOverTheGridWithoutFocusMovesBothGridsAndTheBar) {
    CCompareDlg& window = CompareManyOnScreen();
    FocusCells(window.LeftGrid());
    PointAt(window.RightGrid(), wxPoint(60, 60));
    TurnWheel(true);
    ASSERT_TRUE(YieldUntil([&] { return window.RightGrid().GetTopRow() == 3; }));
    ExpectAllAt(3);

    PointAt(window.LeftGrid(), wxPoint(60, 60));
    TurnWheel(false);
    ASSERT_TRUE(YieldUntil([&] { return window.LeftGrid().GetTopRow() == 0; }));
    ExpectAllAt(0);
}

TEST_F(GridScrollingTest, CtrlEndInOneGridTakesThePartnerAndTheThumbToTheBottom) {
    CCompareDlg& window = CompareManyOnScreen();
    CResultGrid& right = window.RightGrid();
    FocusCells(right);
    PointAt(right, wxPoint(60, 60));
    m_input.Char(WXK_END, wxMOD_CONTROL);
    ASSERT_TRUE(YieldUntil([&] { return right.GetCurrentRow() == 199; }));
    EXPECT_EQ(right.GetBottomRow(), 200) << "the last page is shown";
    ASSERT_GT(right.GetTopRow(), 0);
    ExpectAllAt(right.GetTopRow());

    m_input.Char(WXK_HOME, wxMOD_CONTROL);
    ASSERT_TRUE(YieldUntil([&] { return right.GetCurrentRow() == 0; }));
    ExpectAllAt(0);
}

TEST_F(GridScrollingTest, AClickInTheTroughPagesInsteadOfJumpingThere) {
    CCompareDlg& window = CompareManyOnScreen();
    CResultGrid& left = window.LeftGrid();
    const int page = left.GetBottomRow() - left.GetTopRow();
    ASSERT_GT(page, 1);
    const wxSize bar = Bar().GetClientSize();
    PointAt(Bar(), wxPoint(bar.x / 2, bar.y - bar.x * 2));  // low in the trough
    m_input.MouseClick();
    ASSERT_TRUE(YieldUntil([&] { return left.GetTopRow() != 0; }));
    ExpectAllAt(page);
    EXPECT_EQ(left.GetCurrentRow(), page);
}

}  // namespace
