#include "DrawButtonFace.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include <algorithm>
#include <initializer_list>

namespace {

// Draws the lines p0 -> p1 -> ..., each without its end point, as the
// classic line drawing does. Every line is horizontal or vertical and is
// filled pixel by pixel, so that no anti-aliasing blurs it.
void DrawLines(wxDC& dc, const wxColour& colour, std::initializer_list<wxPoint> points) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(colour));
    const wxPoint* from = points.begin();
    for (const wxPoint* to = from + 1; to != points.end(); from = to, ++to) {
        if (from->y == to->y && from->x != to->x) {
            const int left = to->x > from->x ? from->x : to->x + 1;
            dc.DrawRectangle(left, from->y, std::abs(to->x - from->x), 1);
        } else if (from->x == to->x && from->y != to->y) {
            const int top = to->y > from->y ? from->y : to->y + 1;
            dc.DrawRectangle(from->x, top, 1, std::abs(to->y - from->y));
        }
    }
}

}  // namespace

void DrawButtonFace(const ButtonFace& face) {
    wxDC& dc = *face.dc;
    const wxPen oldPen = dc.GetPen();
    const wxBrush oldBrush = dc.GetBrush();
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const wxColour darkShadow = wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW);
    const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
    const int l = face.left;
    const int t = face.top;
    const int r = face.right;
    const int b = face.bottom;

    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(face.faceColour));
    dc.DrawRectangle(l, t, r - l, b - t);

    if (face.itemState == kItemStateFocus) {
        DrawLines(dc, shadow,
                  {{l + 4, t + 4}, {r - 4, t + 4}, {r - 4, b - 4}, {l + 4, b - 4}, {l + 4, t + 4}});
    }
    if (face.pressed) {
        DrawLines(dc, highlight, {{r - 1, t + 1}, {r - 1, b - 1}, {l + 1, b - 1}});
        DrawLines(dc, darkShadow, {{l + 2, b - 2}, {l + 2, t + 2}, {r - 1, t + 2}});
        DrawLines(dc, shadow, {{l + 1, b - 2}, {l + 1, t + 1}, {r - 1, t + 1}});
    } else {
        DrawLines(dc, shadow, {{r - 2, t + 2}, {r - 2, b - 2}, {l + 1, b - 2}});
        DrawLines(dc, darkShadow, {{r - 1, t + 1}, {r - 1, b - 1}, {l, b - 1}});
        DrawLines(dc, highlight, {{l + 1, b - 2}, {l + 1, t + 1}, {r - 1, t + 1}});
    }
    dc.SetPen(oldPen);
    dc.SetBrush(oldBrush);
}
