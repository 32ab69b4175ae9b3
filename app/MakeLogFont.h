#pragma once

#include <wx/window.h>

#include <string>

#include "LogFont.h"

// Fills `logFont` for a font of `pointSize` points on the screen of
// `window`; with no window, that of the program's main window, or the
// screen's when there is none. The height is -(points x vertical pixels per
// inch / 72), rounded as MulDiv rounds (10 points at 96 pixels per inch give
// -13); weight 700 when bold, else 400; Swiss family; the face name cut to
// 31 characters.
void MakeLogFont(LOGFONTA& logFont, int pointSize, const std::string& faceName, int escapement,
                 bool bold, bool italic, bool underline, bool strikeOut, wxWindow* window);

// number x numerator / denominator with a 64-bit intermediate, rounded half
// away from zero; -1 when the denominator is 0 or the result does not fit.
int MulDiv(int number, int numerator, int denominator);
