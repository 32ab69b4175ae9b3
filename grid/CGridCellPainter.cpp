#include "CGridCellPainter.h"

#include "CSheetGrid.h"

wxRect CGridCellPainter::JoinedRect(const CGridSpan& column, const CGridSpan& row,
                                    int& originColumn, int& originRow) {
    const CGridCellPool::Lease origin = m_grid.m_cellPool.Borrow();
    originColumn = column.nIndex;
    originRow = row.nIndex;
    m_grid.ResolveJoin(originColumn, originRow);
    m_grid.GetCell(originColumn, originRow, *origin);
    const CGridCell::Join join = origin->GetJoin();
    const CGridGeometry geometry(m_grid.Sheet());
    const int left = column.nStart + static_cast<int>(geometry.ColumnDistance(
                                         column.nIndex, originColumn, INT64_MAX));
    const int top =
        row.nStart + static_cast<int>(geometry.RowDistance(row.nIndex, originRow, INT64_MAX));
    const int width = static_cast<int>(geometry.ColumnDistance(
        originColumn, originColumn + std::max(0, join.nColumnOffset) + 1, INT64_MAX));
    const int height = static_cast<int>(
        geometry.RowDistance(originRow, originRow + std::max(0, join.nRowOffset) + 1, INT64_MAX));
    return wxRect(left, top, width, height);
}

int CGridCellPainter::Paint(const std::vector<CGridSpan>& columns,
                            const std::vector<CGridSpan>& rows, const Wanted& wanted,
                            const State& state) {
    const bool joins = m_grid.Sheet().m_bJoinsHonoured;
    const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
    int drawnCells = 0;
    for (const CGridSpan& row : rows) {
        for (const CGridSpan& column : columns) {
            if (!wanted(column.nIndex, row.nIndex)) {
                continue;
            }
            m_grid.GetCell(column.nIndex, row.nIndex, *cell);
            wxRect rect(column.nStart, row.nStart, column.nSize, row.nSize);
            int drawColumn = column.nIndex;
            int drawRow = row.nIndex;
            if (joins && cell->HasMask(CGridCell::kJoin) && column.nIndex >= 0 && row.nIndex >= 0) {
                rect = JoinedRect(column, row, drawColumn, drawRow);
                if (!m_drawnJoins.insert({drawColumn, drawRow}).second) {
                    continue;
                }
                m_grid.GetCell(drawColumn, drawRow, *cell);
            }
            const CellState drawn = state(drawColumn, drawRow);
            m_grid.CellTypeOf(*cell).Draw(m_dc, rect, drawColumn, drawRow, *cell, drawn.nSelected,
                                          drawn.bCurrent);
            ++drawnCells;
        }
    }
    return drawnCells;
}
