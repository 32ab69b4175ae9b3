#include "CGridPart.h"

#include <wx/tooltip.h>

#include "CSheetGrid.h"
#include "DisplayText.h"

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

void CGridPart::UpdateHint(const wxPoint& point) {
    if (!m_grid.Sheet().m_bHints) {
        if (GetToolTip() != nullptr) {
            UnsetToolTip();
        }
        m_hintCell.reset();
        return;
    }
    int column = 0;
    int row = 0;
    const bool onCell = CellAt(point, column, row);
    const auto cell = onCell ? std::optional(std::pair(column, row)) : std::nullopt;
    if (cell == m_hintCell && (GetToolTip() != nullptr) == onCell) {
        return;
    }
    m_hintCell = cell;
    if (const std::optional<std::string> hint = HintAt(point)) {
        SetToolTip(ToDisplayText(*hint));
    } else {
        UnsetToolTip();
    }
}

void CGridPart::OpenMenuAt(int column, int row, const wxPoint& point) {
    if (m_grid.Sheet().m_bPopupMenu) {
        m_grid.OpenPopupMenu(column, row, m_nSection, point + GetPosition());
    }
}
