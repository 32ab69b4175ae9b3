#pragma once

#include <wx/dnd.h>

class CSheetGrid;

// Takes text dragged onto a grid's cell area: asks the grid's drag
// notifications for the drop effect, scrolls when the mouse nears an edge
// of the cell area, and pastes dropped text at the cell under the mouse
// when NotifyDrop agrees. Points are in the cell area's client coordinates.
class CGridDropTarget : public wxDropTarget {
  public:
    // Within this many pixels of an edge of the cell area the view scrolls
    // one column or row that way.
    static constexpr int kEdgeScrollZone = 10;

    explicit CGridDropTarget(CSheetGrid& grid);

    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult defaultResult) override;
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult defaultResult) override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult defaultResult) override;

  private:
    void ScrollNearEdge(wxCoord x, wxCoord y);

    CSheetGrid& m_grid;
    wxTextDataObject* m_pText;  // owned by the base class
};
