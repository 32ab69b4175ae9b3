#include "CGridDropTarget.h"

#include "CSheetGrid.h"

CGridDropTarget::CGridDropTarget(CSheetGrid& grid)
    : wxDropTarget(new wxTextDataObject), m_grid(grid) {
    m_pText = static_cast<wxTextDataObject*>(GetDataObject());
}

wxDragResult CGridDropTarget::OnEnter(wxCoord, wxCoord, wxDragResult) {
    // What an earlier drag left behind is not this drag's text.
    m_pText->SetText(wxString());
    return m_grid.NotifyDragEnter(*m_pText);
}

void CGridDropTarget::ScrollNearEdge(wxCoord x, wxCoord y) {
    const wxWindow* area = m_grid.GetPartWindow(CSheetGrid::kCellAreaId);
    if (area == nullptr) {
        return;
    }
    const wxSize size = area->GetClientSize();
    if (x < kEdgeScrollZone) {
        m_grid.SetLeftColumn(m_grid.GetLeftColumn() - 1);
    } else if (x >= size.x - kEdgeScrollZone) {
        m_grid.SetLeftColumn(m_grid.GetLeftColumn() + 1);
    }
    if (y < kEdgeScrollZone) {
        m_grid.SetTopRow(m_grid.GetTopRow() - 1);
    } else if (y >= size.y - kEdgeScrollZone) {
        m_grid.SetTopRow(m_grid.GetTopRow() + 1);
    }
}

wxDragResult CGridDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult) {
    ScrollNearEdge(x, y);
    int column = -1;
    int row = -1;
    wxRect rect;
    m_grid.CellFromPoint(wxPoint(x, y), column, row, rect);
    return m_grid.NotifyDragOver(*m_pText, column, row);
}

wxDragResult CGridDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult defaultResult) {
    if (!GetData()) {
        return wxDragNone;
    }
    int column = -1;
    int row = -1;
    wxRect rect;
    const bool onCell = m_grid.CellFromPoint(wxPoint(x, y), column, row, rect) == 0;
    if (!m_grid.NotifyDrop(*m_pText, column, row)) {
        return wxDragNone;
    }
    if (onCell) {
        m_grid.PasteText(column, row, m_pText->GetText());
    }
    return defaultResult;
}
