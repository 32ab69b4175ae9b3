#pragma once

#include <wx/gdicmn.h>

// Moves a tip rectangle, already placed at the pointer, onto its monitor:
// past the right edge it is shifted left to end there; left of the left
// edge it is shifted right to start there; past the bottom edge it is moved
// up so that its bottom lies on `toolTop`, the top edge of the tool's window
// (the top edge of the monitor is not tested).
wxRect PlaceTipOnMonitor(wxRect tip, const wxRect& monitor, int toolTop);
