#pragma once

#include <wx/gdicmn.h>

class CGridSheet;

// Where the parts of a grid lie in its client area, in pixels.
struct CGridLayoutRects {
    wxRect cellArea;
    wxRect topHeading;
    wxRect sideHeading;
    wxRect cornerButton;
    wxRect vScrollBar;
    wxRect hScrollBar;
    wxRect tabBar;

    // The parts of `sheet` in a client area of size `client`: headings at
    // the top and left, scroll bars at the right and bottom, each bar only
    // when the rows (columns) do not fit, and the tab bar, when there is
    // one, at the bottom left.
    static CGridLayoutRects Compute(const CGridSheet& sheet, wxSize client);
};
