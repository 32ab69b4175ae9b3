#include <wx/display.h>

#include "CGridSheet.h"
#include "CSheetGrid.h"

namespace {

// The tracking window starts this far right of the current cell, and
// moves this much further than the overlap when it covers the cell.
constexpr int kBesideCellGap = 30;
constexpr int kClearance = 5;

// `window` moved off `cell` to the right, down, to the left or up: the first
// of these that stays inside `screen`, else up.
wxRect MovedOffCell(const wxRect& window, const wxRect& cell, const wxRect& screen) {
    wxRect right = window;
    right.x += cell.GetRight() - window.x + 1 + kClearance;
    wxRect down = window;
    down.y += cell.GetBottom() - window.y + 1 + kClearance;
    wxRect left = window;
    left.x -= window.GetRight() - cell.x + 1 + kClearance;
    for (const wxRect& candidate : {right, down, left}) {
        if (screen.Contains(candidate)) {
            return candidate;
        }
    }
    wxRect up = window;
    up.y -= window.GetBottom() - cell.y + 1 + kClearance;
    return up;
}

}  // namespace

void CSheetGrid::SetTrackingWindow(wxWindow* window, bool placeBesideCell) {
    m_trackingWindow = window;
    for (const auto& sheet : m_sheets) {
        sheet->m_bTrackingWindowPlacement = placeBesideCell;
    }
    PlaceTrackingWindowForPendingCell();
}

void CSheetGrid::PlaceTrackingWindowForPendingCell() {
    wxWindow* window = m_trackingWindow.get();
    wxWindow* cellArea = GetPartWindow(kCellAreaId);
    wxRect cell;
    if (window == nullptr || cellArea == nullptr ||
        !GetCellRect(Sheet().m_nCurrentColumn, Sheet().m_nCurrentRow, cell)) {
        return;
    }
    cell.SetPosition(cellArea->ClientToScreen(cell.GetPosition()));
    const wxRect before = window->GetScreenRect();
    wxRect placed = before;
    if (Sheet().m_bTrackingWindowPlacement) {
        placed.SetPosition(wxPoint(cell.GetRight() + 1 + kBesideCellGap, cell.y));
    }
    if (placed.Intersects(cell)) {
        const int display = wxDisplay::GetFromWindow(this);
        const wxRect screen =
            wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetGeometry();
        placed = MovedOffCell(placed, cell, screen);
    }
    PlaceTrackingWindow(cell, placed);
    if (placed != before) {
        const wxPoint position = window->IsTopLevel() || window->GetParent() == nullptr
                                     ? placed.GetPosition()
                                     : window->GetParent()->ScreenToClient(placed.GetPosition());
        window->SetSize(wxRect(position, placed.GetSize()));
        window->Update();
        Refresh(false);
    }
}
