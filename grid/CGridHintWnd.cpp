#include "CGridHintWnd.h"

#include <wx/dcclient.h>
#include <wx/display.h>

#include <algorithm>

#include "DisplayText.h"

namespace {

// Room beside the text.
constexpr int kTextPadding = 4;
// The room a mouse pointer takes below and right of its hot spot.
constexpr int kPointerWidth = 16;
constexpr int kPointerHeight = 20;

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

wxSize CGridHintWnd::SizeForText(int minimumWidth) {
    wxClientDC measure(this);
    const wxSize extent = measure.GetTextExtent(ToDisplayText(m_strText));
    const int lineHeight = measure.GetTextExtent("X").y + 2;
    return {std::max(minimumWidth, extent.x + kTextPadding), lineHeight};
}

void CGridHintWnd::ShowAt(const wxRect& screenRect) {
    SetSize(screenRect);
    if (!IsShown()) {
        Show();
    }
    Refresh(false);
}

void CGridHintWnd::MoveAndShow(int x, int y, int minimumWidth) {
    const wxSize size = SizeForText(minimumWidth);
    int left = x;
    if (m_nPlacement & kCentreX) {
        left = x - size.x / 2;
    } else if (m_nPlacement & kEndAtX) {
        left = x - size.x;
    }
    int top = y;
    if (m_nPlacement & kCentreY) {
        top = y - size.y / 2;
    } else if (m_nPlacement & kEndAtY) {
        top = y - size.y;
    }
    const wxSize client = GetParent()->GetClientSize();
    left = std::max(0, std::min(left, client.x - size.x));
    top = std::max(0, std::min(top, client.y - size.y));
    ShowAt(wxRect(GetParent()->ClientToScreen(wxPoint(left, top)), size));
}

void CGridHintWnd::ShowBelowRightOf(const wxPoint& screenPoint) {
    const wxSize size = SizeForText(0);
    const int displayIndex = wxDisplay::GetFromPoint(screenPoint);
    const wxRect screen =
        wxDisplay(displayIndex == wxNOT_FOUND ? 0u : unsigned(displayIndex)).GetGeometry();
    int top = screenPoint.y + kPointerHeight;
    if (top + size.y > screen.GetBottom() + 1) {
        // No room below: above the pointer instead, so that it never covers
        // the pointer (the mouse would leave the cell for it).
        top = screenPoint.y - size.y;
    }
    const int left = std::max(
        screen.x, std::min(screenPoint.x + kPointerWidth / 2, screen.GetRight() + 1 - size.x));
    ShowAt(wxRect(wxPoint(left, std::max(screen.y, top)), size));
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
