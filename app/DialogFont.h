#pragma once

#include <wx/font.h>

// The font of the program's windows, in whose dialog units their layouts
// are given: 8-point "MS Shell Dlg", which is Liberation Sans here, so that
// the layouts keep their proportions.
inline wxFont DialogFont() {
    return wxFont(wxFontInfo(8).FaceName("Liberation Sans"));
}
