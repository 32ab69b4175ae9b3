#include "CGridEdit.h"

#include <wx/dcclient.h>

#include <algorithm>

#include "CGridCell.h"
#include "CGridCellType.h"
#include "CGridPart.h"
#include "CSheetGrid.h"
#include "TextWrap.h"

namespace {

// The text is measured with room for two more short words, so the editor
// widens before the caret reaches its edge.
const wxString kRoomToType = " X X";
// The text starts this far in from the editor's left edge.
constexpr int kTextIndent = 2;

}  // namespace

CGridEdit::CGridEdit(CSheetGrid& grid)
    : CGridEditBase(grid, kId, wxTE_MULTILINE | wxTE_NO_VSCROLL) {
    Bind(wxEVT_TEXT, &CGridEdit::OnText, this);
}

void CGridEdit::BeginEdit(const CGridCell& cell) {
    CGridEditBase::BeginEdit(cell);
    m_nStartHeight = GetSize().y;
    m_bGrowing = m_bGrow && m_grid.CellTypeOf(cell).LetsTextRunOn(cell);
    if (m_bGrowing) {
        Grow();
    }
}

void CGridEdit::OnText(wxCommandEvent& event) {
    event.Skip();
    if (m_bGrowing && IsShown()) {
        Grow();
    }
}

void CGridEdit::Grow() {
    auto* window = dynamic_cast<CGridPart*>(GetParent());
    if (window == nullptr) {
        return;
    }
    const wxSize room = window->GetClientSize();
    const wxRect now = GetRect();
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const int left = now.x + kTextIndent;
    const std::vector<wxString> lines = WrapWords(dc, GetValue() + kRoomToType, room.x - left);
    int width = 0;
    int height = 0;
    for (const wxString& line : lines) {
        const wxSize extent = dc.GetTextExtent(line.empty() ? wxString("X") : line);
        width = std::max(width, extent.x);
        height += extent.y;
    }
    // An edge that moves goes to the far edge of the cell it lands in.
    const auto cellEdge = [&](wxPoint point, bool horizontal) {
        int column = 0;
        int row = 0;
        wxRect cell;
        if (window->CellAt(point, column, row) && m_grid.GetCellRect(column, row, cell)) {
            return horizontal ? cell.GetRight() : cell.GetBottom();
        }
        return horizontal ? room.x - 1 : room.y - 1;
    };
    wxRect grown = now;
    if (left + width > now.GetRight()) {
        const int right = std::min(cellEdge({left + width, now.y}, true), room.x - 1);
        grown.width = std::max(now.width, right - now.x);
    }
    if (height > now.height) {
        const int bottom = std::min(cellEdge({now.x, now.y + height}, false), room.y - 1);
        grown.height = std::max({now.height, m_nStartHeight, bottom - now.y});
    }
    if (grown != now) {
        SetSize(grown);
    }
}
