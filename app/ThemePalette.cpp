#include "ThemePalette.h"

#include <wx/settings.h>

#include <cmath>

#include "MainWindowColours.h"

namespace {

// Below this a background counts as dark: a colour halfway in lightness.
constexpr double kDarkLuminance = 0.18;

double Channel(unsigned char value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The first of ever lighter blues that reads on `background`.
wxColour LegibleBlueOn(const wxColour& background) {
    for (int step = 0; step <= 10; ++step) {
        const auto mix = [step](int from) {
            return static_cast<unsigned char>(from + (255 - from) * step / 10);
        };
        const wxColour blue(mix(110), mix(150), 255);
        if (ContrastRatio(blue, background) >= ThemePalette::kLegibleContrast) {
            return blue;
        }
    }
    return {255, 255, 255};
}

}  // namespace

double RelativeLuminance(const wxColour& colour) {
    return 0.2126 * Channel(colour.Red()) + 0.7152 * Channel(colour.Green()) +
           0.0722 * Channel(colour.Blue());
}

double ContrastRatio(const wxColour& a, const wxColour& b) {
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

ThemePalette ThemePalette::For(const wxColour& background, const wxColour& listBackground) {
    ThemePalette palette;
    palette.dark = RelativeLuminance(background) < kDarkLuminance;
    if (!palette.dark) {
        palette.labelText = kBlue;
        palette.copyAllFace = background;
        palette.gridArea = wxColour(255, 255, 255);
        return palette;
    }
    palette.labelText = LegibleBlueOn(background);
    palette.copyAllFace = wxColour(224, 224, 224);  // a light plate under the black text
    palette.gridArea = listBackground;
    return palette;
}

ThemePalette ThemePalette::Current() {
    return For(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE),
               wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
}
