#pragma once

#include <wx/colour.h>

// WCAG relative luminance of a colour, 0 (black) to 1 (white).
double RelativeLuminance(const wxColour& colour);
// WCAG contrast ratio of two colours, 1 to 21.
double ContrastRatio(const wxColour& a, const wxColour& b);

// The main window's colours that must stay legible on the desktop's theme.
// On a light theme they are the window's classic colours; on a dark one
// (a dark window background) they change to keep a contrast of at least
// 4.5:1.
struct ThemePalette {
    static constexpr double kLegibleContrast = 4.5;

    bool dark = false;
    wxColour labelText;    // the folder labels, on the window's background
    wxColour copyAllFace;  // the ground of the Copy All faces, whose text is black
    wxColour gridArea;     // the grids' area below their last row

    // The palette for a window drawn on `background` whose lists are drawn
    // on `listBackground`.
    static ThemePalette For(const wxColour& background, const wxColour& listBackground);
    // The palette for the system's colours now.
    static ThemePalette Current();
};
