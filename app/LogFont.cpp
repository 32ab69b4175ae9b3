#include "LogFont.h"

#include <wx/app.h>
#include <wx/display.h>

#include <algorithm>
#include <cmath>

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

ScreenResolution ScreenResolutionOf(const wxWindow* window) {
    if (window == nullptr && wxTheApp != nullptr) {
        window = wxTheApp->GetTopWindow();
    }
    if (window != nullptr) {
        return {window->GetDPI().y, window->GetContentScaleFactor()};
    }
    const wxDisplay display;
    return {display.GetPPI().y, display.GetScaleFactor()};
}

wxFont CreateFontFromLogFont(const LOGFONTA& logFont, const wxWindow* window) {
    const ScreenResolution resolution = ScreenResolutionOf(window);
    wxFontInfo info;
    if (logFont.lfHeight < 0 && resolution.pixelsPerInch > 0) {
        info = wxFontInfo(static_cast<float>(-static_cast<double>(logFont.lfHeight) * 72.0 /
                                             resolution.pixelsPerInch));
    } else if (logFont.lfHeight > 0) {
        // The toolkit's pixel sizes are line heights in logical pixels.
        info = wxFontInfo(wxSize(
            0, std::max(1, static_cast<int>(std::lround(logFont.lfHeight / resolution.scale)))));
    }
    info.Family(FamilyOf(logFont.lfPitchAndFamily))
        .FaceName(wxString::FromUTF8(logFont.lfFaceName))
        .Weight(logFont.lfWeight != 0 ? logFont.lfWeight : wxFONTWEIGHT_NORMAL)
        .Italic(logFont.lfItalic != 0)
        .Underlined(logFont.lfUnderline != 0)
        .Strikethrough(logFont.lfStrikeOut != 0);
    return wxFont(info);
}
