#include "CGridHintWnd.h"

#include <wx/dcclient.h>

#include <algorithm>

#include "DisplayText.h"

namespace {

// Room beside the text.
constexpr int kTextPadding = 4;

}  // namespace

CGridHintWnd::CGridHintWnd(wxWindow* parent)
    : wxPopupWindow(parent, wxBORDER_SIMPLE),
      m_textColour(*wxBLACK),
      m_backColour(0xFF, 0xFF, 0xE0) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CGridHintWnd::OnPaint, this);
}

void CGridHintWnd::SetText(const std::string& text, bool repaintNow) {
    m_strText = text;
    Refresh(false);
    if (repaintNow) {
        Update();
    }
}

void CGridHintWnd::MoveAndShow(int x, int y, int minimumWidth) {
    wxClientDC measure(this);
    const wxSize extent = measure.GetTextExtent(ToDisplayText(m_strText));
    const int lineHeight = measure.GetTextExtent("X").y + 2;
    const int width = std::max(minimumWidth, extent.x + kTextPadding);
    int left = x;
    if (m_nPlacement & kCentreX) {
        left = x - width / 2;
    } else if (m_nPlacement & kEndAtX) {
        left = x - width;
    }
    int top = y;
    if (m_nPlacement & kCentreY) {
        top = y - lineHeight / 2;
    } else if (m_nPlacement & kEndAtY) {
        top = y - lineHeight;
    }
    const wxSize client = GetParent()->GetClientSize();
    left = std::max(0, std::min(left, client.x - width));
    top = std::max(0, std::min(top, client.y - lineHeight));
    SetSize(wxRect(GetParent()->ClientToScreen(wxPoint(left, top)), wxSize(width, lineHeight)));
    if (!IsShown()) {
        Show();
    }
    Refresh(false);
}

void CGridHintWnd::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(m_backColour));
    dc.Clear();
    dc.SetTextForeground(m_textColour);
    const wxString text = ToDisplayText(m_strText);
    const wxSize size = GetClientSize();
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, (size.x - extent.x) / 2, (size.y - extent.y) / 2);
}
