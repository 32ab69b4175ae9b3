#pragma once

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/window.h>

// The font of the program's windows, in whose dialog units their layouts
// are given: 8-point "MS Shell Dlg", which is Liberation Sans here, so that
// the layouts keep their proportions.
inline wxFont DialogFont() {
    return wxFont(wxFontInfo(8).FaceName("Liberation Sans"));
}

// A rectangle given in dialog units of `window`'s font, in pixels.
inline wxRect DialogUnitsRect(const wxWindow& window, int x, int y, int width, int height) {
    return wxRect(window.ConvertDialogToPixels(wxPoint(x, y)),
                  window.ConvertDialogToPixels(wxSize(width, height)));
}
