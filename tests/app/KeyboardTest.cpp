// The main window driven from the keyboard (and a click on its menu bar),
// through real input events.

#include <gtest/gtest.h>
#include <wx/menu.h>

#include "OnScreenFixture.h"

namespace {

// All pixels alike: nothing painted there yet.
bool Uniform(const wxImage& image) {
    const unsigned char* data = image.GetData();
    const size_t bytes = static_cast<size_t>(image.GetWidth()) * image.GetHeight() * 3;
    for (size_t i = 3; i < bytes; ++i) {
        if (data[i] != data[i % 3]) {
            return false;
        }
    }
    return true;
}

bool SameImages(const wxImage& a, const wxImage& b) {
    const size_t bytes = static_cast<size_t>(a.GetWidth()) * a.GetHeight() * 3;
    return a.GetSize() == b.GetSize() && std::equal(a.GetData(), a.GetData() + bytes, b.GetData());
}

class KeyboardTest : public OnScreenTest {
  protected:
    CCompareDlg& OpenOnScreen() {
        CCompareDlg& window = ShowOnScreen(Open());
        window.Bind(wxEVT_MENU_OPEN, [this](wxMenuEvent& event) {
            event.Skip();
            ++m_nMenusOpened;
        });
        window.Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& event) {
            event.Skip();
            ++m_nMenusClosed;
        });
        return window;
    }

    // The window is there and not on its way out.
    bool WindowStays() const { return m_window && m_window->IsShown(); }

    // The control of the window that has the keyboard focus or holds it
    // (a grid, for its cells): its identifier.
    int FocusedControl() const {
        const wxWindow* panel = m_window->FindWindow(CCompareDlg::IDC_COMPARE)->GetParent();
        for (const wxWindow* window = wxWindow::FindFocus(); window != nullptr;
             window = window->GetParent()) {
            if (window->GetParent() == panel) {
                return window->GetId();
            }
        }
        return wxID_NONE;
    }

    // Presses Tab (with Shift: backwards); whether the focus reaches
    // `expected`.
    testing::AssertionResult TabTo(int expected, bool backwards = false) {
        m_input.Char(WXK_TAB, backwards ? wxMOD_SHIFT : wxMOD_NONE);
        if (YieldUntil([&] { return FocusedControl() == expected; })) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << (backwards ? "Shift+Tab" : "Tab") << " to "
                                           << expected << " reached " << FocusedControl();
    }

    int m_nMenusOpened = 0;
    int m_nMenusClosed = 0;
};

TEST_F(KeyboardTest, EscapeClosesAnOpenMenuBeforeItEndsTheProgram) {
    CCompareDlg& window = OpenOnScreen();
    const wxWindow& bar = *window.GetMenuBar();
    PointAt(bar, wxPoint(15, bar.GetClientSize().y / 2));
    m_input.MouseClick();
    ASSERT_TRUE(YieldUntil([this] { return m_nMenusOpened == 1; })) << "the File menu opens";

    m_input.Char(WXK_ESCAPE);
    ASSERT_TRUE(YieldUntil([this] { return m_nMenusClosed == 1; }));
    YieldPending();
    EXPECT_TRUE(WindowStays());

    m_input.Char(WXK_ESCAPE);
    ASSERT_TRUE(YieldUntil([this] { return !m_window; }));
    EXPECT_TRUE(FileLines(m_profile.Path()).empty()) << "Escape saves nothing";
}

TEST_F(KeyboardTest, TabGoesRoundEveryControlThroughBothGridsAndShiftTabGoesBack) {
    CCompareDlg& window = OpenOnScreen();
    window.FindWindow(CCompareDlg::IDC_LEFT_FOLDER)->SetFocus();
    ASSERT_TRUE(YieldUntil([&] { return FocusedControl() == CCompareDlg::IDC_LEFT_FOLDER; }));
    // The order of the window's controls; hidden ones and the bar between
    // the grids are passed by.
    const int order[] = {
        CCompareDlg::IDC_LEFT_BROWSE, CCompareDlg::IDC_RIGHT_FOLDER, CCompareDlg::IDC_RIGHT_BROWSE,
        CCompareDlg::IDC_LEFT_GRID,   CCompareDlg::IDC_RIGHT_GRID,   CCompareDlg::IDC_RECURSE,
        CCompareDlg::IDC_DISREGARD,   CCompareDlg::IDC_COMPARE,      CCompareDlg::IDC_LEFT_FOLDER};
    for (const int control : order) {
        ASSERT_TRUE(TabTo(control));
    }
    for (int i = static_cast<int>(std::size(order)) - 2; i >= 0; --i) {
        ASSERT_TRUE(TabTo(order[i], true));
    }
}

TEST_F(KeyboardTest, AGridShowsItsFocusMarkAsSoonAsTabReachesItAndDropsItOnLeaving) {
    m_tree.WriteFile("left/a.txt", "x");
    CCompareDlg& window = ShowOnScreen(Compare());
    CResultGrid& grid = window.LeftGrid();
    ASSERT_EQ(grid.GetCurrentRow(), 0);
    window.FindWindow(CCompareDlg::IDC_RIGHT_BROWSE)->SetFocus();
    ASSERT_TRUE(YieldUntil([&] { return FocusedControl() == CCompareDlg::IDC_RIGHT_BROWSE; }));
    // The current row beyond the icon column: where the mark runs along.
    const wxWindow& cells = *grid.GetPartWindow(CSheetGrid::kCellAreaId);
    const int iconColumn = grid.GetColumnWidth(CResultGrid::kColumnStatus);
    const wxRect row(iconColumn + 2, 0, cells.GetClientSize().x - iconColumn - 4,
                     grid.GetRowHeight(0));
    wxImage unfocused;
    ASSERT_TRUE(YieldUntil([&] {
        unfocused = ScreenImage(cells, row);
        return !Uniform(unfocused);
    })) << "the row is painted";

    ASSERT_TRUE(TabTo(CCompareDlg::IDC_LEFT_GRID));
    EXPECT_TRUE(YieldUntil([&] { return !SameImages(ScreenImage(cells, row), unfocused); }))
        << "the focus mark shows along the row";
    ASSERT_TRUE(TabTo(CCompareDlg::IDC_RIGHT_GRID));
    EXPECT_TRUE(YieldUntil([&] { return SameImages(ScreenImage(cells, row), unfocused); }))
        << "the focus mark is gone";
}

// The Compare button that was clicked hides for the run: the keys go on
// working through Abort meanwhile and through Compare afterwards.
TEST_F(KeyboardTest, TheKeyboardKeepsWorkingWhenTheClickedCompareButtonHidesForTheRun) {
    m_tree.WriteFile("left/a.txt", "x");
    CCompareDlg& window = ShowOnScreen(OpenOnTestFolders());
    int focusDuringRun = wxID_NONE;
    window.Bind(wxEVT_IDLE, [&](wxIdleEvent& event) {
        event.Skip();
        if (window.IsRunning() && focusDuringRun == wxID_NONE) {
            focusDuringRun = FocusedControl();
        }
    });
    const wxWindow& compare = *window.FindWindow(CCompareDlg::IDC_COMPARE);
    PointAt(compare, wxPoint(compare.GetClientSize().x / 2, compare.GetClientSize().y / 2));
    m_input.MouseClick();
    ASSERT_TRUE(
        YieldUntil([&] { return window.LeftGrid().GetRowCount() == 1 && !window.IsRunning(); }));
    EXPECT_EQ(focusDuringRun, CCompareDlg::IDC_ABORT);
    EXPECT_TRUE(YieldUntil([&] { return FocusedControl() == CCompareDlg::IDC_COMPARE; }));

    m_input.Char(WXK_ESCAPE);
    EXPECT_TRUE(YieldUntil([this] { return !m_window; }));
}

TEST_F(KeyboardTest, CtrlQInAGridClosesTheWindowAndSavesTheSettings) {
    CCompareDlg& window = OpenOnScreen();
    window.m_strLeftFolder = m_left;
    window.UpdateData(false);
    FocusCells(window.RightGrid());
    m_input.Char('q', wxMOD_CONTROL);
    ASSERT_TRUE(YieldUntil([this] { return !m_window; }));
    const std::vector<std::string> lines = FileLines(m_profile.Path());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Initial Folder 1=" + m_left), lines.end());
}

}  // namespace
