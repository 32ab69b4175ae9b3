#include "CGridTabBar.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "CSheetGrid.h"

CGridTabBar::CGridTabBar(CSheetGrid& grid, int id)
    : wxWindow(&grid, id, wxDefaultPosition, wxSize(0, 0), wxBORDER_NONE),
      m_grid(grid),
      m_font(wxFontInfo(wxSize(0, 14)).FaceName("Arial").Weight(500)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CGridTabBar::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CGridTabBar::OnLeftDown, this);
}

int CGridTabBar::TabAt(int x) const {
    const int tab = x / kTabWidth;
    return x >= 0 && tab < m_grid.GetSheetCount() ? tab : -1;
}

void CGridTabBar::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    const wxSize size = GetClientSize();
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.Clear();
    dc.SetFont(m_font);
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    for (int sheet = 0; sheet < m_grid.GetSheetCount(); ++sheet) {
        const wxRect tab(sheet * kTabWidth, 0, kTabWidth, size.y - 1);
        const bool current = sheet == m_grid.GetCurrentSheet();
        dc.SetBrush(wxBrush(
            wxSystemSettings::GetColour(current ? wxSYS_COLOUR_WINDOW : wxSYS_COLOUR_BTNFACE)));
        dc.DrawRectangle(tab);
        dc.DrawLabel(wxString::Format("Sheet %d", sheet + 1), tab, wxALIGN_CENTRE);
    }
}

void CGridTabBar::OnLeftDown(wxMouseEvent& event) {
    const int sheet = TabAt(event.GetPosition().x);
    if (sheet >= 0) {
        m_grid.SetCurrentSheet(sheet, true);
        m_grid.NotifyTabSelected(sheet);
        Refresh(false);
    }
}
