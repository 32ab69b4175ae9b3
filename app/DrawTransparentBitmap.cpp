#include "DrawTransparentBitmap.h"

#include <wx/image.h>

bool DrawTransparentBitmap(wxDC& dc, const wxBitmap& bitmap, int x, int y,
                           const wxColour& transparent) {
    if (!bitmap.IsOk()) {
        return false;
    }
    // An alpha channel that is 0 exactly where the key colour is: this also
    // keeps what transparency the bitmap already had.
    wxImage image = bitmap.ConvertToImage();
    if (!image.HasAlpha()) {
        image.InitAlpha();
    }
    const int pixels = image.GetWidth() * image.GetHeight();
    const unsigned char* rgb = image.GetData();
    unsigned char* alpha = image.GetAlpha();
    for (int i = 0; i < pixels; ++i, rgb += 3) {
        if (rgb[0] == transparent.Red() && rgb[1] == transparent.Green() &&
            rgb[2] == transparent.Blue()) {
            alpha[i] = 0;
        }
    }
    dc.DrawBitmap(wxBitmap(image, -1, bitmap.GetScaleFactor()), x, y, true);
    return true;
}
