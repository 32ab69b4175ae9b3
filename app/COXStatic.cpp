#include "COXStatic.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>

#include <algorithm>

#include "TextWrap.h"

COXStatic::COXStatic() = default;

COXStatic::COXStatic(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                     const wxSize& size, long style) {
    Create(parent, id, label, pos, size, style);
}

bool COXStatic::Create(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                       const wxSize& size, long style) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxControl::Create(parent, id, pos, size, style | wxFULL_REPAINT_ON_RESIZE,
                           wxDefaultValidator, "COXStatic")) {
        return false;
    }
    m_clrBack = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    m_clrText = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
    wxControl::SetLabel(label);
    SetInitialSize(size);
    Bind(wxEVT_PAINT, &COXStatic::OnPaint, this);
    return true;
}

void COXStatic::SetTextColor(const wxColour& colour, bool redraw) {
    m_clrText = colour;
    if (redraw) {
        Refresh();
    }
}

void COXStatic::SetBkColor(const wxColour& colour, bool redraw) {
    m_clrBack = colour;
    if (redraw) {
        Refresh();
    }
}

bool COXStatic::SetTextLogFont(const LOGFONTA& logFont, bool redraw) {
    const wxFont font = CreateFontFromLogFont(logFont, this);
    if (!font.IsOk()) {
        return false;
    }
    SetFont(font);
    if (redraw) {
        Refresh();
    }
    return true;
}

void COXStatic::SetToolTipText(const wxString& text) {
    m_strToolTipText = text;
    m_bExplicitTip = !text.empty();
    RefreshToolTip();
}

void COXStatic::EnableToolTip(bool enable) {
    m_bToolTipActive = enable;
    RefreshToolTip();
}

// The new text is painted with the next paint, not at once: progress texts
// change many times a second.
void COXStatic::SetLabel(const wxString& label) {
    if (label == GetLabel()) {
        return;
    }
    wxControl::SetLabel(label);
    RefreshToolTip();
    Refresh();
}

void COXStatic::RefreshToolTip() {
    const wxString tip = m_bExplicitTip ? m_strToolTipText : GetLabel();
    if (m_bToolTipActive && !tip.empty()) {
        SetToolTip(tip);
    } else {
        UnsetToolTip();
    }
}

void COXStatic::Draw(wxDC& dc) {
    const wxSize size = GetClientSize();
    const wxColour back = m_clrBack.IsOk() ? m_clrBack : GetParent()->GetBackgroundColour();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(back));
    dc.DrawRectangle(0, 0, size.x, size.y);

    dc.SetFont(GetFont());
    dc.SetTextForeground(m_clrText);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const long style = GetWindowStyle();
    const int lineHeight = dc.GetCharHeight();
    int y = 0;
    for (const wxString& line : WrapText(dc, GetLabel(), size.x)) {
        const int width = dc.GetTextExtent(line).x;
        int x = 0;
        if (style & wxALIGN_RIGHT) {
            x = size.x - width;
        } else if (style & wxALIGN_CENTRE_HORIZONTAL) {
            x = (size.x - width) / 2;
        }
        dc.DrawText(line, x, y);
        y += lineHeight;
    }
}

wxSize COXStatic::DoGetBestClientSize() const {
    wxSize best(0, 0);
    wxStringTokenizer lines(GetLabel(), "\n", wxTOKEN_RET_EMPTY_ALL);
    while (lines.HasMoreTokens()) {
        int width = 0;
        int height = 0;
        GetTextExtent(lines.GetNextToken(), &width, &height);
        best.x = std::max(best.x, width);
        best.y += height;
    }
    return best;
}

void COXStatic::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Draw(dc);
}
