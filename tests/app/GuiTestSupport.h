#pragma once

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/image.h>

#include <functional>
#include <ostream>

// Helpers for the GUI tests of the application layer.

// Handles pending events until `condition` holds or `timeoutMs` pass;
// returns whether it holds.
bool YieldUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// The colour of one pixel of a bitmap.
wxColour PixelAt(const wxImage& image, int x, int y);

// Prints colours in failure messages as (r,g,b).
void PrintTo(const wxColour& colour, std::ostream* out);
