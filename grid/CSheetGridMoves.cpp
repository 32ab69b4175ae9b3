// The grid's moves: the current cell, the top row and left column, and
// going to a cell.
#include <algorithm>

#include "CGridGeometry.h"
#include "CSheetGrid.h"
#include "GridResultCodes.h"

bool CSheetGrid::IsDataCell(int column, int row) const {
    return column >= 0 && column < GetColumnCount() && row >= 0 && row < GetRowCount();
}

void CSheetGrid::ResolveJoin(int& column, int& row) {
    if (!Sheet().m_bJoinsHonoured) {
        return;
    }
    CGridCell cell = CGridCell::Blank();
    GetCell(column, row, cell);
    const CGridCell::Join join = cell.GetJoin();
    if (cell.HasMask(CGridCell::kJoin) && !join.bOrigin) {
        column += join.nColumnOffset;
        row += join.nRowOffset;
    }
}

int CSheetGrid::JumpOverJoin(int column, int row, bool movingRow, bool forward) {
    const int target = movingRow ? row : column;
    int originColumn = column;
    int originRow = row;
    ResolveJoin(originColumn, originRow);
    const int origin = movingRow ? originRow : originColumn;
    if (origin == target || !forward) {
        return origin;
    }
    CGridCell cell = CGridCell::Blank();
    GetCell(originColumn, originRow, cell);
    const CGridCell::Join join = cell.GetJoin();
    const int pastRange = origin + (movingRow ? join.nRowOffset : join.nColumnOffset) + 1;
    const int count = movingRow ? GetRowCount() : GetColumnCount();
    return pastRange < count ? pastRange : origin;
}

int CSheetGrid::GotoCell(int column, int row) {
    const CGridSheet& sheet = Sheet();
    if (column == sheet.m_nPendingColumn && row == sheet.m_nPendingRow) {
        // Shift+click on the current cell draws the block back to it; a
        // plain or Ctrl click there selects (or toggles) it as on any cell.
        if (SelectionFollowsMoves() && IsDataCell(column, row) &&
            (IsShiftHeld() || sheet.m_nMouseActivity == kMouseLeftPress)) {
            TellSelectionOfMove(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, column, row);
        }
        return 0;
    }
    if (!IsDataCell(column, row)) {
        return kBadArgument;
    }
    ResolveJoin(column, row);
    return MoveCurrentCell(column, row, true);
}

// Answers 0 for a move to where the current cell already is; when it got
// there by returning to the selection's anchor, that move is applied.
int CSheetGrid::GotoColumn(int column) {
    const CGridSheet& sheet = Sheet();
    const bool returned = ReturnToSelectionAnchor();
    if (column == sheet.m_nPendingColumn) {
        if (returned) {
            ApplyChange();
        }
        return 0;
    }
    if (sheet.ColumnCount() == 0) {
        return kBadArgument;
    }
    const bool forward = column > sheet.m_nPendingColumn;
    column = std::clamp(column, 0, sheet.ColumnCount() - 1);
    if (sheet.m_nPendingRow >= 0) {
        column = JumpOverJoin(column, sheet.m_nPendingRow, false, forward);
    }
    if (column == sheet.m_nPendingColumn) {
        return 0;
    }
    return MoveCurrentCell(column, sheet.m_nPendingRow, true);
}

int CSheetGrid::GotoRow(int row) {
    CGridSheet& sheet = Sheet();
    const bool returned = ReturnToSelectionAnchor();
    if (row == sheet.m_nPendingRow) {
        if (returned) {
            ApplyChange();
        }
        return 0;
    }
    if (sheet.m_nRowCount == 0) {
        return kBadArgument;
    }
    const bool forward = row > sheet.m_nPendingRow;
    row = std::max(row, 0);
    if (row >= sheet.m_nRowCount) {
        // The data source, then a subclass, may bring more rows.
        const int rowsPastEnd = row - sheet.m_nRowCount + 1;
        int rowsFound = 0;
        sheet.m_pDataSource->PastLastRow(sheet.m_nRowCount, rowsPastEnd, rowsFound);
        NotifyPastLastRow(sheet.m_nRowCount, rowsPastEnd, rowsFound);
        if (sheet.m_nPendingRow == sheet.m_nRowCount - 1) {
            return kBadArgument;
        }
        row = std::min(row, sheet.m_nRowCount - 1);
    }
    if (sheet.m_nPendingColumn >= 0) {
        row = JumpOverJoin(sheet.m_nPendingColumn, row, true, forward);
    }
    if (row == sheet.m_nPendingRow) {
        return 0;
    }
    return MoveCurrentCell(sheet.m_nPendingColumn, row, false);
}

// Asks everyone who may refuse, then makes (column, row) the pending cell,
// scrolls it into view and applies the change.
int CSheetGrid::MoveCurrentCell(int column, int row, bool askDataSource) {
    CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    const int leftColumn = geometry.LeftColumnShowing(column);
    const int topRow = geometry.TopRowShowing(row);
    if (askDataSource && !sheet.m_pDataSource->AllowCurrentCellMove(
                             DataSourceColumn(sheet.m_nCurrentColumn), sheet.m_nCurrentRow,
                             DataSourceColumn(column), row)) {
        return kRefused;
    }
    if (!AllowCurrentCellMove(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, column, row)) {
        return kRefused;
    }
    const bool viewMoves = leftColumn != sheet.m_nLeftColumn || topRow != sheet.m_nTopRow;
    if (viewMoves && !AllowViewMove(sheet.m_nLeftColumn, sheet.m_nTopRow, leftColumn, topRow)) {
        return kRefused;
    }
    sheet.m_nPendingColumn = column;
    sheet.m_nPendingRow = row;
    sheet.m_nLeftColumn = leftColumn;
    sheet.m_nTopRow = topRow;
    ApplyChange();
    return 0;
}

int CSheetGrid::SetTopRow(int row) {
    CGridSheet& sheet = Sheet();
    row = std::max(std::min(row, CGridGeometry(sheet).LastTopRow()), sheet.m_nLockedRows);
    if (row == sheet.m_nTopRow) {
        return 0;
    }
    if (!AllowViewMove(sheet.m_nLeftColumn, sheet.m_nTopRow, sheet.m_nLeftColumn, row)) {
        return kRefused;
    }
    sheet.m_nTopRow = row;
    ApplyChange();
    return 0;
}

int CSheetGrid::SetLeftColumn(int column) {
    CGridSheet& sheet = Sheet();
    column =
        std::max(std::min(column, CGridGeometry(sheet).LastLeftColumn()), sheet.m_nLockedColumns);
    if (column == sheet.m_nLeftColumn) {
        return 0;
    }
    if (!AllowViewMove(sheet.m_nLeftColumn, sheet.m_nTopRow, column, sheet.m_nTopRow)) {
        return kRefused;
    }
    sheet.m_nLeftColumn = column;
    ApplyChange();
    return 0;
}

// The pending cell becomes the current cell and everyone concerned hears of
// what changed since the last applied change. The previous values are
// taken first, so that a handler that moves the grid again starts from here.
void CSheetGrid::ApplyChange() {
    CGridSheet& sheet = Sheet();
    const int oldColumn = sheet.m_nPreviousCurrentColumn;
    const int oldRow = sheet.m_nPreviousCurrentRow;
    const bool moved = sheet.m_nPendingColumn != oldColumn || sheet.m_nPendingRow != oldRow;
    if (moved && SelectionFollowsMoves() &&
        IsDataCell(sheet.m_nPendingColumn, sheet.m_nPendingRow)) {
        TellSelectionOfMove(oldColumn, oldRow, sheet.m_nPendingColumn, sheet.m_nPendingRow);
    }
    const int oldLeftColumn = sheet.m_nPreviousLeftColumn;
    const int oldTopRow = sheet.m_nPreviousTopRow;
    const int newColumn = sheet.m_nCurrentColumn = sheet.m_nPendingColumn;
    const int newRow = sheet.m_nCurrentRow = sheet.m_nPendingRow;
    const int newLeftColumn = sheet.m_nLeftColumn;
    const int newTopRow = sheet.m_nTopRow;
    sheet.m_nPreviousCurrentColumn = newColumn;
    sheet.m_nPreviousCurrentRow = newRow;
    sheet.m_nPreviousLeftColumn = newLeftColumn;
    sheet.m_nPreviousTopRow = newTopRow;

    const bool columnChanged = newColumn != oldColumn;
    const bool rowChanged = newRow != oldRow;
    if (columnChanged) {
        sheet.m_pDataSource->OnCurrentColumnChanged(DataSourceColumn(oldColumn),
                                                    DataSourceColumn(newColumn));
        NotifyCurrentColumnChanged(oldColumn, newColumn);
    }
    if (rowChanged) {
        sheet.m_pDataSource->OnCurrentRowChanged(oldRow, newRow);
        NotifyCurrentRowChanged(oldRow, newRow);
    }
    if (columnChanged || rowChanged) {
        NotifyCurrentCellChanged(oldColumn, newColumn, oldRow, newRow);
    }
    if (newLeftColumn != oldLeftColumn) {
        NotifyLeftColumnChanged(oldLeftColumn, newLeftColumn);
    }
    if (newTopRow != oldTopRow) {
        NotifyTopRowChanged(oldTopRow, newTopRow);
    }
    PlaceTrackingWindowForPendingCell();
    if (columnChanged || rowChanged) {
        CGridCell cell = CGridCell::Blank();
        if (IsDataCell(oldColumn, oldRow)) {
            GetCell(oldColumn, oldRow, cell);
            CellTypeOf(cell).OnFocusLost(oldColumn, oldRow, cell);
        }
        if (IsDataCell(newColumn, newRow)) {
            GetCell(newColumn, newRow, cell);
            CellTypeOf(cell).OnFocusGained(newColumn, newRow, cell);
        }
    }
    TellCellTypesOfView(newLeftColumn != oldLeftColumn || newTopRow != oldTopRow);
    if (sheet.m_bReady) {
        UpdateParts(oldLeftColumn, oldTopRow, oldColumn, oldRow);
    }
}

void CSheetGrid::TellCellTypesOfView(bool viewMoved) {
    const CGridSheet& sheet = Sheet();
    TellCellTypeOfView(sheet.m_nCurrentColumn, sheet.m_nCurrentRow);
    if (!viewMoved) {
        return;
    }
    const CGridGeometry geometry(sheet);
    const std::vector<int> rows = geometry.ShownRows();
    const std::vector<int> columns = geometry.ShownColumns();
    if (rows.empty() || columns.empty()) {
        return;
    }
    const int top = rows.front();
    const int bottom = rows.back();
    const int left = columns.front();
    const int right = columns.back();
    for (const int column : columns) {
        TellCellTypeOfView(column, top);
        if (bottom != top) {
            TellCellTypeOfView(column, bottom);
        }
    }
    for (const int row : rows) {
        if (row != top && row != bottom) {
            TellCellTypeOfView(left, row);
            if (right != left) {
                TellCellTypeOfView(right, row);
            }
        }
    }
}

void CSheetGrid::TellCellTypeOfView(int column, int row) {
    if (!IsDataCell(column, row)) {
        return;
    }
    const CGridCellPool::Lease cell = m_cellPool.Borrow();
    GetCell(column, row, *cell);
    CellTypeOf(*cell).OnViewChanged(column, row, *cell);
}

// Keeps the top row and left column between the locked count and the
// largest value that still fills the view.
void CSheetGrid::KeepViewInLimits() {
    CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    sheet.m_nTopRow =
        std::max(std::min(sheet.m_nTopRow, geometry.LastTopRow()), sheet.m_nLockedRows);
    sheet.m_nLeftColumn =
        std::max(std::min(sheet.m_nLeftColumn, geometry.LastLeftColumn()), sheet.m_nLockedColumns);
}
