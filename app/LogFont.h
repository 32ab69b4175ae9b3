#pragma once

#include <wx/font.h>
#include <wx/window.h>

#include <cstdint>
#include <string>

// A font description in the classic record layout, so that fonts are still
// given the way the dialogs were designed: height in pixels (negative for
// the character height without leading), weight 100 to 900, and so on.
struct LOGFONTA {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    std::string lfFaceName;  // at most 31 characters
};

// How the pixel heights of font descriptions relate to a screen: the
// pixels per inch they are given in, and how many of them make one of the
// toolkit's logical pixels (2 on a display scaled to double size).
struct ScreenResolution {
    int pixelsPerInch = 96;
    double scale = 1;
};

// The resolution of the screen `window` is on; with no window, that of the
// program's main window, or the first display's when there is none.
ScreenResolution ScreenResolutionOf(const wxWindow* window);

// The font a description asks for, its height taken in pixels of
// `window`'s screen (see ScreenResolutionOf): a negative height is the
// character height, so that a description made for 12 points gives a
// 12-point font; a positive one is the height of a line (the cell). An
// invalid font when none can be made. The family comes from the high nibble
// of lfPitchAndFamily; width, escapement, orientation, character set and
// the precisions have no counterpart in the toolkit's fonts and are not
// used.
wxFont CreateFontFromLogFont(const LOGFONTA& logFont, const wxWindow* window);
