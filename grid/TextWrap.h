#pragma once

#include <wx/dc.h>
#include <wx/string.h>

#include <vector>

// The text broken at blanks into lines no wider than `width` in the font
// `dc` holds (a word wider than that stands on a line of its own); line
// breaks in the text are kept.
std::vector<wxString> WrapWords(wxDC& dc, const wxString& text, int width);
