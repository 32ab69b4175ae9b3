#pragma once

#include <wx/colour.h>

// The colours of the main window's edits, labels and verdicts.
inline const wxColour kLightGreen(192, 255, 192);
inline const wxColour kLightBlue(192, 192, 255);
inline const wxColour kGrey(192, 192, 192);
inline const wxColour kRed(255, 0, 0);
inline const wxColour kBlue(0, 0, 255);
