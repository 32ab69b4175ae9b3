#pragma once

#include <wx/image.h>
#include <wx/uiaction.h>

#include "MainWindowFixture.h"

// The main window on the screen, driven by real input: the pointer, the
// keyboard and the mouse wheel of the display.
class OnScreenTest : public MainWindowTest {
  protected:
    // Shows the window with the pointer over it: without a window manager
    // the keyboard goes where the pointer is.
    CCompareDlg& ShowOnScreen(CCompareDlg& window);
    // Moves the pointer to `point` of `window`'s client area.
    void PointAt(const wxWindow& window, const wxPoint& point);
    // Turns the wheel one notch under the pointer (towards the user: down).
    void TurnWheel(bool down);
    // What the display shows in `rect` of `window`'s client area.
    static wxImage ScreenImage(const wxWindow& window, const wxRect& rect);
    // Gives `grid`'s cell area the keyboard focus.
    void FocusCells(CResultGrid& grid);

    wxUIActionSimulator m_input;
};
