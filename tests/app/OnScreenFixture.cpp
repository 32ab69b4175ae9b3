#include "OnScreenFixture.h"

#include <dlfcn.h>
#include <wx/utils.h>

CCompareDlg& OnScreenTest::ShowOnScreen(CCompareDlg& window) {
    EXPECT_TRUE(YieldUntil([&] { return window.IsShownOnScreen(); }));
    PointAt(window, wxPoint(200, 150));
    return window;
}

void OnScreenTest::PointAt(const wxWindow& window, const wxPoint& point) {
    m_input.MouseMove(window.ClientToScreen(point));
    YieldPending();
}

// The wheel is buttons 4 (up) and 5 (down) of the X display, pressed
// through the XTest extension the toolkit has loaded.
void OnScreenTest::TurnWheel(bool down) {
    using FakeButton = int (*)(void*, unsigned int, int, unsigned long);
    using Flush = int (*)(void*);
    const auto fakeButton =
        reinterpret_cast<FakeButton>(dlsym(RTLD_DEFAULT, "XTestFakeButtonEvent"));
    const auto flush = reinterpret_cast<Flush>(dlsym(RTLD_DEFAULT, "XFlush"));
    void* display = wxGetDisplay();
    ASSERT_TRUE(fakeButton != nullptr && flush != nullptr && display != nullptr)
        << "no X display with the XTest extension";
    const unsigned int button = down ? 5 : 4;
    fakeButton(display, button, 1, 0);
    fakeButton(display, button, 0, 0);
    flush(display);
}

void OnScreenTest::FocusCells(CResultGrid& grid) {
    wxWindow* cells = grid.GetPartWindow(CSheetGrid::kCellAreaId);
    cells->SetFocus();
    EXPECT_TRUE(YieldUntil([cells] { return wxWindow::FindFocus() == cells; }));
}
