#include "CGridPart.h"

#include "CGridCellHints.h"
#include "CSheetGrid.h"

CGridPart::CGridPart(CSheetGrid& grid, int id, int section)
    : wxWindow(&grid, id, wxDefaultPosition, wxSize(0, 0),
               wxBORDER_NONE | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE),
      m_grid(grid),
      m_nSection(section) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_HELP, &CGridPart::OnHelp, this);
}

void CGridPart::OnHelp(wxHelpEvent& event) {
    int column = m_grid.GetCurrentColumn();
    int row = m_grid.GetCurrentRow();
    const bool fromKeyboard = event.GetOrigin() == wxHelpEvent::Origin_Keyboard &&
                              m_nSection == CSheetGrid::kSectionCellArea;
    if (!fromKeyboard && !CellAt(ScreenToClient(event.GetPosition()), column, row)) {
        event.Skip();
        return;
    }
    if (!m_grid.ShowHelpForCell(column, row, m_nSection)) {
        event.Skip();
    }
}

std::optional<std::string> CGridPart::HintAt(const wxPoint& point) {
    int column = 0;
    int row = 0;
    if (!CellAt(point, column, row)) {
        return std::nullopt;
    }
    std::string text;
    if (m_grid.GetHintText(column, row, m_nSection, text) != 1) {
        return std::nullopt;
    }
    return text;
}

bool CGridPart::TryBefore(wxEvent& event) {
    if (auto* mouse = dynamic_cast<wxMouseEvent*>(&event)) {
        TrackHint(*mouse);
    }
    return wxWindow::TryBefore(event);
}

void CGridPart::TrackHint(const wxMouseEvent& event) {
    CGridCellHints& hints = *m_grid.m_pCellHints;
    if (event.Leaving()) {
        hints.Forget();
    } else if (event.ButtonDown() || event.ButtonDClick() || event.GetWheelRotation() != 0) {
        hints.Dismiss();
    } else if (event.Moving() || (event.Entering() && !event.ButtonIsDown(wxMOUSE_BTN_ANY))) {
        if (!m_grid.Sheet().m_bHints) {
            hints.Forget();
            return;
        }
        const wxPoint point = event.GetPosition();
        int column = 0;
        int row = 0;
        const auto spot = CellAt(point, column, row)
                              ? std::optional(CGridCellHints::Spot{m_nSection, column, row})
                              : std::nullopt;
        hints.MouseAt(spot, ClientToScreen(point), [&] { return HintAt(point); });
    }
}

void CGridPart::OpenMenuAt(int column, int row, const wxPoint& point) {
    if (m_grid.Sheet().m_bPopupMenu) {
        m_grid.OpenPopupMenu(column, row, m_nSection, point + GetPosition());
    }
}
