#pragma once

#include <wx/dc.h>
#include <wx/string.h>

#include <vector>

// The lines `text` takes when drawn with the DC's font: it breaks at every
// "\n" and, when `maxWidth` is above 0, between words so that no line is
// wider than `maxWidth` pixels. A word wider than that keeps a line of its
// own; blanks between words collapse to one.
std::vector<wxString> WrapText(const wxDC& dc, const wxString& text, int maxWidth);
