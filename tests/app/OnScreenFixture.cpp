#include "OnScreenFixture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
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

// Read from the X server itself: the toolkit's screen device context may
// hand back an image older than the last paint.
wxImage OnScreenTest::ScreenImage(const wxWindow& window, const wxRect& rect) {
    wxImage image(rect.GetSize());
    auto* display = static_cast<Display*>(wxGetDisplay());
    const wxPoint origin = window.ClientToScreen(rect.GetPosition());
    XImage* pixels = XGetImage(display, DefaultRootWindow(display), origin.x, origin.y,
                               static_cast<unsigned>(rect.width),
                               static_cast<unsigned>(rect.height), AllPlanes, ZPixmap);
    if (pixels == nullptr) {
        ADD_FAILURE() << "the display's pixels cannot be read";
        return image;
    }
    // A channel's bits, shifted down to start at bit 0.
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        return static_cast<unsigned char>((pixel & mask) / (mask & (~mask + 1)));
    };
    for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
            const unsigned long pixel = XGetPixel(pixels, x, y);
            image.SetRGB(x, y, channel(pixel, pixels->red_mask), channel(pixel, pixels->green_mask),
                         channel(pixel, pixels->blue_mask));
        }
    }
    XDestroyImage(pixels);
    return image;
}
