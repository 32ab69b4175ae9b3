// The main window driven from the keyboard (and a click on its menu bar),
// through real input events.

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include "MainWindowFixture.h"

namespace {

class KeyboardTest : public MainWindowTest {
  protected:
    // Opens the window on the screen with the pointer over it: without a
    // window manager the keyboard goes where the pointer is.
    CCompareDlg& OpenOnScreen() {
        CCompareDlg& window = Open();
        EXPECT_TRUE(YieldUntil([&] { return window.IsShownOnScreen(); }));
        m_input.MouseMove(window.GetScreenRect().GetPosition() + wxPoint(200, 150));
        YieldPending();
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

    wxUIActionSimulator m_input;
    int m_nMenusOpened = 0;
    int m_nMenusClosed = 0;
};

TEST_F(KeyboardTest, EscapeClosesAnOpenMenuBeforeItEndsTheProgram) {
    CCompareDlg& window = OpenOnScreen();
    const wxWindow& bar = *window.GetMenuBar();
    m_input.MouseMove(bar.GetScreenPosition() + wxPoint(15, bar.GetSize().y / 2));
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
