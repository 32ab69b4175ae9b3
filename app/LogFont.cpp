#include "LogFont.h"

#include <cstdlib>

namespace {

wxFontFamily FamilyOf(uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case 0x10:
            return wxFONTFAMILY_ROMAN;
        case 0x20:
            return wxFONTFAMILY_SWISS;
        case 0x30:
            return wxFONTFAMILY_MODERN;
        case 0x40:
            return wxFONTFAMILY_SCRIPT;
        case 0x50:
            return wxFONTFAMILY_DECORATIVE;
        default:
            return wxFONTFAMILY_DEFAULT;
    }
}

}  // namespace

wxFont CreateFontFromLogFont(const LOGFONTA& logFont) {
    wxFontInfo info =
        logFont.lfHeight != 0 ? wxFontInfo(wxSize(0, std::abs(logFont.lfHeight))) : wxFontInfo();
    info.Family(FamilyOf(logFont.lfPitchAndFamily))
        .FaceName(wxString::FromUTF8(logFont.lfFaceName))
        .Weight(logFont.lfWeight != 0 ? logFont.lfWeight : wxFONTWEIGHT_NORMAL)
        .Italic(logFont.lfItalic != 0)
        .Underlined(logFont.lfUnderline != 0)
        .Strikethrough(logFont.lfStrikeOut != 0);
    return wxFont(info);
}
