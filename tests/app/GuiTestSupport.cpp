#include "GuiTestSupport.h"

#include <wx/app.h>
#include <wx/stopwatch.h>

bool YieldUntil(const std::function<bool()>& condition, int timeoutMs) {
    wxStopWatch clock;
    while (!condition()) {
        if (clock.Time() > timeoutMs) {
            return false;
        }
        wxTheApp->SafeYield(nullptr, true);
        wxMilliSleep(1);
    }
    return true;
}

wxColour PixelAt(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

void PrintTo(const wxColour& colour, std::ostream* out) {
    *out << "(" << int(colour.Red()) << "," << int(colour.Green()) << "," << int(colour.Blue())
         << ")";
}
