#pragma once

#include <wx/font.h>

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

// The font a description asks for; an invalid font when none can be made.
// The family comes from the high nibble of lfPitchAndFamily; width,
// escapement, orientation, character set and the precisions have no
// counterpart in the toolkit's fonts and are not used.
wxFont CreateFontFromLogFont(const LOGFONTA& logFont);
