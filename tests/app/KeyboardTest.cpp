// The main window driven from the keyboard (and a click on its menu bar),
// through real input events.

#include <gtest/gtest.h>
#include <wx/menu.h>

#include "OnScreenFixture.h"

namespace {

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

}  // namespace
