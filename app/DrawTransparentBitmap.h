#pragma once

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dc.h>

// Draws all of `bitmap` with its top-left corner at (x, y); pixels of
// exactly the `transparent` colour leave what is beneath visible. The bitmap
// itself is not changed. A bitmap made for a display of scale factor 2
// covers half its size in pixels, as the toolkit draws such bitmaps. False
// only when the bitmap is not usable.
bool DrawTransparentBitmap(wxDC& dc, const wxBitmap& bitmap, int x, int y,
                           const wxColour& transparent);
