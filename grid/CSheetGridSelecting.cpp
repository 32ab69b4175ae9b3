// The grid's multiple selection: how moves of the current cell make, grow
// and toggle blocks of selected cells, and how the keys held are read.
#include <wx/utils.h>

#include "CGridCellArea.h"
#include "CSheetGrid.h"

CSheetGrid::InputScope::InputScope(CSheetGrid& grid, const wxKeyboardState& state)
    : m_grid(grid), m_nPreviousModifiers(grid.m_nInputModifiers) {
    m_grid.m_nInputModifiers = state.GetModifiers();
}

CSheetGrid::InputScope::~InputScope() {
    m_grid.m_nInputModifiers = m_nPreviousModifiers;
}

int CSheetGrid::EnableMultipleSelection(bool enable) {
    Sheet().m_bMultipleSelection = enable;
    return 0;
}

bool CSheetGrid::SelectionFollowsMoves() const {
    // An in-place edit keeps the selection as it is.
    return Sheet().m_bMultipleSelection && !m_bEditing;
}

bool CSheetGrid::IsShiftHeld() const {
    return m_nInputModifiers >= 0 ? (m_nInputModifiers & wxMOD_SHIFT) != 0
                                  : wxGetKeyState(WXK_SHIFT);
}

bool CSheetGrid::IsControlHeld() const {
    return m_nInputModifiers >= 0 ? (m_nInputModifiers & wxMOD_CONTROL) != 0
                                  : wxGetKeyState(WXK_CONTROL);
}

void CSheetGrid::TellSelectionOfMove(int fromColumn, int fromRow, int column, int row) {
    CGridSheet& sheet = Sheet();
    CGridSelection& selection = sheet.m_selection;
    switch (sheet.m_nMouseActivity) {
        case kMouseLeftPress:
            if (IsShiftHeld()) {
                ExtendSelection(fromColumn, fromRow, column, row);
            } else if (IsControlHeld()) {
                selection.ToggleCell(column, row);
                int block = selection.BlockCount() - 1;
                selection.IsSelected(column, row, &block);
                ReportSelectionChange({column, row, column, row}, block);
            } else {
                RestartSelection(column, row);
            }
            break;
        case kMouseRightPress:
            // A right click on the selection keeps it for the popup menu.
            if (!selection.IsSelected(column, row)) {
                RestartSelection(column, row);
            }
            break;
        case kMouseDrag:
            // The press started (or, with Ctrl, added) the block the drag
            // grows.
            ExtendSelection(fromColumn, fromRow, column, row);
            break;
        default:
            if (IsShiftHeld()) {
                ExtendSelection(fromColumn, fromRow, column, row);
            } else {
                RestartSelection(column, row);
            }
            break;
    }
}

void CSheetGrid::ExtendSelection(int fromColumn, int fromRow, int column, int row) {
    CGridSelection& selection = Sheet().m_selection;
    if (selection.BlockCount() == 0) {
        selection.StartBlock(fromColumn, fromRow);
    }
    const CGridRange before = selection.RangeOf(selection.Blocks().back());
    selection.ExtendBlock(column, row);
    ReportSelectionChange(before, selection.BlockCount() - 1);
}

void CSheetGrid::RestartSelection(int column, int row) {
    CGridSelection& selection = Sheet().m_selection;
    const CGridRange before = selection.Bounds();
    selection.Clear();
    selection.StartBlock(column, row);
    ReportSelectionChange(before, 0);
}

void CSheetGrid::ReportSelectionChange(const CGridRange& before, int block) {
    const CGridSelection& selection = Sheet().m_selection;
    const CGridRange after = selection.RangeOf(selection.Blocks()[block]);
    if (m_bRedrawEnabled && m_pCellArea != nullptr) {
        if (before.nRight >= before.nLeft) {
            m_pCellArea->Redraw(before);
        }
        m_pCellArea->Redraw(after);
    }
    NotifySelectionChanged(after.nRight, after.nTop, after.nLeft, after.nBottom,
                           selection.BlockCount());
}

bool CSheetGrid::ReturnToSelectionAnchor() {
    CGridSheet& sheet = Sheet();
    int column = 0;
    int row = 0;
    if (!SelectionFollowsMoves() || sheet.m_nMouseActivity != kMouseNone || IsShiftHeld() ||
        IsControlHeld() || !sheet.m_selection.LastAnchor(column, row) || !IsDataCell(column, row)) {
        return false;
    }
    const bool moved = column != sheet.m_nCurrentColumn || row != sheet.m_nCurrentRow;
    sheet.m_nCurrentColumn = sheet.m_nPendingColumn = column;
    sheet.m_nCurrentRow = sheet.m_nPendingRow = row;
    return moved;
}
