#include "CGridHeading.h"

#include <wx/dcclient.h>

#include <algorithm>

#include "CGridCellPainter.h"
#include "CSheetGrid.h"

namespace {

// A double click on a column border fits the column to this many rows.
constexpr int kFitRows = 20;

}  // namespace

CGridHeading::CGridHeading(CSheetGrid& grid, int id, int section) : CGridPart(grid, id, section) {
    Bind(wxEVT_PAINT, &CGridHeading::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CGridHeading::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CGridHeading::OnLeftUp, this);
    Bind(wxEVT_RIGHT_DOWN, &CGridHeading::OnRightDown, this);
    Bind(wxEVT_RIGHT_UP, &CGridHeading::OnRightUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CGridHeading::OnDoubleClick, this);
    Bind(wxEVT_MOTION, &CGridHeading::OnMotion, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGridHeading::OnCaptureLost, this);
}

bool CGridHeading::CellRectAt(const wxPoint& point, int& column, int& row, wxRect& rect) {
    const auto find = [](const std::vector<CGridSpan>& spans, int position) -> const CGridSpan* {
        for (const CGridSpan& span : spans) {
            if (position >= span.nStart && position < span.nStart + span.nSize) {
                return &span;
            }
        }
        return nullptr;
    };
    const std::vector<CGridSpan> columns = ColumnSpans();
    const std::vector<CGridSpan> rows = RowSpans();
    const CGridSpan* columnSpan = find(columns, point.x);
    const CGridSpan* rowSpan = find(rows, point.y);
    if (columnSpan == nullptr || rowSpan == nullptr) {
        return false;
    }
    column = columnSpan->nIndex;
    row = rowSpan->nIndex;
    rect = wxRect(columnSpan->nStart, rowSpan->nStart, columnSpan->nSize, rowSpan->nSize);
    return true;
}

bool CGridHeading::CellAt(const wxPoint& point, int& column, int& row) {
    wxRect rect;
    return CellRectAt(point, column, row, rect);
}

bool CGridHeading::EdgeNear(const std::vector<int>& indices, const std::vector<int>& sizes,
                            int position, int reach, int& index, int& start) {
    int begin = 0;
    for (size_t at = 0; at < indices.size(); ++at) {
        const int end = begin + sizes[at];
        if (position >= end - reach && position <= end + reach) {
            index = indices[at];
            start = begin;
            if (position >= end && at + 1 < indices.size() && sizes[at + 1] == 0) {
                index = indices[at + 1];
                start = end;
            }
            return true;
        }
        begin = end;
    }
    return false;
}

bool CGridHeading::StartOwnDrag(int, int) {
    return false;
}

void CGridHeading::ContinueOwnDrag(const wxPoint&) {}

void CGridHeading::EndOwnDrag() {}

void CGridHeading::PaintOverlay(wxDC&) {}

void CGridHeading::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    const CGridSheet& sheet = m_grid.Sheet();
    if (!sheet.m_bReady) {
        return;
    }
    m_grid.PrepareDeviceContext(dc, nullptr, GetSection());
    if (const wxFont* font = m_grid.GetDefaultFont()) {
        dc.SetFont(*font);
    }
    const std::vector<CGridSpan> columns = ColumnSpans();
    const std::vector<CGridSpan> rows = RowSpans();
    const int selected = SelectedColumn();
    CGridCellPainter painter(m_grid, dc);
    painter.Paint(
        columns, rows, [](int, int) { return true; },
        [selected](int column, int) {
            return CGridCellPainter::CellState{column == selected ? 1 : 0, false};
        });
    const wxSize size = GetClientSize();
    const int right = columns.empty() ? 0 : columns.back().nStart + columns.back().nSize;
    const int bottom = rows.empty() ? 0 : rows.back().nStart + rows.back().nSize;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(m_grid.GetAreaBackColour(GetSection())));
    if (right < size.x) {
        dc.DrawRectangle(right, 0, size.x - right, size.y);
    }
    if (bottom < size.y) {
        dc.DrawRectangle(0, bottom, right, size.y - bottom);
    }
    PaintOverlay(dc);
}

// Sizes follow the mouse; the notifications may change them. `finished`:
// the button came up.
void CGridHeading::ApplySize(int size, bool finished) {
    CGridSheet& sheet = m_grid.Sheet();
    const int index = m_sizing.nIndex;
    switch (m_sizing.kind) {
        case BorderKind::kColumn:
            if (finished) {
                m_grid.SetColumnWidth(index, size);
                break;
            }
            for (const int row : CGridGeometry(sheet).ShownRows()) {
                const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
                m_grid.GetCell(index, row, *cell);
                m_grid.CellTypeOf(*cell).OnWidthChanging(index, row, size);
            }
            m_grid.NotifyColumnResizing(index, size);
            sheet.m_columns[index].m_nWidth = std::max(0, size);
            sheet.m_nLockedColumnsWidth = CGridGeometry(sheet).LockedColumnsWidth();
            m_grid.AdjustLayout();
            break;
        case BorderKind::kRow:
            if (finished) {
                m_grid.SetRowHeight(index, size);
                break;
            }
            for (const int column : CGridGeometry(sheet).ShownColumns()) {
                const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
                m_grid.GetCell(column, index, *cell);
                m_grid.CellTypeOf(*cell).OnHeightChanging(column, index, size);
            }
            m_grid.NotifyRowResizing(index, size);
            size = std::max(0, size);
            if (sheet.m_bUniformHeight) {
                sheet.m_nDefaultRowHeight = size;
            } else {
                sheet.m_rowHeights[index] = size;
            }
            sheet.m_nLockedRowsHeight = CGridGeometry(sheet).LockedRowsHeight();
            m_grid.AdjustLayout();
            break;
        case BorderKind::kTopHeadingRow:
            if (finished) {
                m_grid.NotifyTopHeadingResized(size);
            } else if (m_grid.NotifyTopHeadingResizing(size) == 1) {
                m_grid.ResizeHeadingPart(true, index, size);
            }
            break;
        case BorderKind::kSideHeadingColumn:
            if (finished) {
                m_grid.NotifySideHeadingResized(size);
            } else {
                m_grid.NotifySideHeadingResizing(size);
                m_grid.ResizeHeadingPart(false, index, size);
            }
            break;
        case BorderKind::kTopHeading:
            if (finished) {
                m_grid.NotifyTopHeadingResized(size);
            } else {
                m_grid.NotifyTopHeadingResizing(size);
                m_grid.SetTopHeadingHeight(std::min(size, CSheetGrid::kMaxHeadingSize));
            }
            break;
        case BorderKind::kSideHeading:
            if (finished) {
                m_grid.NotifySideHeadingResized(size);
            } else {
                m_grid.NotifySideHeadingResizing(size);
                m_grid.SetSideHeadingWidth(std::min(size, CSheetGrid::kMaxHeadingSize));
            }
            break;
        case BorderKind::kNone:
            break;
    }
}

void CGridHeading::OnLeftDown(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    m_pressPoint = point;
    if (m_grid.Sheet().m_nInteractiveSizing > 0) {
        m_sizing = BorderAt(point);
    }
    int column = 0;
    int row = 0;
    wxRect rect;
    const bool onCell = CellRectAt(point, column, row, rect);
    if (m_sizing.kind == BorderKind::kNone && onCell) {
        m_bOwnDrag = StartOwnDrag(column, row);
    }
    if (m_sizing.kind != BorderKind::kNone || m_bOwnDrag) {
        CaptureMouse();
    }
    if (onCell) {
        ReportButton(true, true, column, row, rect, point);
    }
}

void CGridHeading::OnMotion(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    if (m_bOwnDrag) {
        ContinueOwnDrag(point);
        return;
    }
    const bool horizontal = m_sizing.kind == BorderKind::kColumn ||
                            m_sizing.kind == BorderKind::kSideHeadingColumn ||
                            m_sizing.kind == BorderKind::kSideHeading;
    if (m_sizing.kind == BorderKind::kNone) {
        const Border border = m_grid.Sheet().m_nInteractiveSizing > 0 ? BorderAt(point) : Border{};
        const bool across = border.kind == BorderKind::kColumn ||
                            border.kind == BorderKind::kSideHeadingColumn ||
                            border.kind == BorderKind::kSideHeading;
        SetCursor(border.kind == BorderKind::kNone
                      ? wxNullCursor
                      : wxCursor(across ? wxCURSOR_SIZEWE : wxCURSOR_SIZENS));
        return;
    }
    ApplySize(SizeForMouse(point, horizontal), false);
}

int CGridHeading::SizeForMouse(const wxPoint& point, bool horizontal) const {
    const CGridSheet& sheet = m_grid.Sheet();
    switch (m_sizing.kind) {
        case BorderKind::kTopHeading:
            return std::max(0, point.y);
        case BorderKind::kSideHeading:
            return std::max(0, point.x);
        case BorderKind::kRow:
            if (sheet.m_bUniformHeight) {
                // Every shown row takes the height, so the rows down to this
                // one share the distance from the top.
                return std::max(0, point.y / std::max(1, m_sizing.nStart));
            }
            break;
        default:
            break;
    }
    const int delta = horizontal ? point.x - m_pressPoint.x : point.y - m_pressPoint.y;
    return std::max(0, m_sizing.nSize + delta);
}

void CGridHeading::OnLeftUp(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    if (m_bOwnDrag) {
        m_bOwnDrag = false;
        EndOwnDrag();
    } else if (m_sizing.kind != BorderKind::kNone) {
        const bool horizontal = m_sizing.kind == BorderKind::kColumn ||
                                m_sizing.kind == BorderKind::kSideHeadingColumn ||
                                m_sizing.kind == BorderKind::kSideHeading;
        ApplySize(SizeForMouse(point, horizontal), true);
        m_sizing = Border{};
    }
    if (HasCapture()) {
        ReleaseMouse();
    }
    ReportButtonAt(true, false, point);
}

void CGridHeading::OnRightDown(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    int column = 0;
    int row = 0;
    if (ReportButtonAt(false, true, point, &column, &row)) {
        OpenMenuAt(column, row, point);
    }
}

void CGridHeading::OnRightUp(wxMouseEvent& event) {
    ReportButtonAt(false, false, event.GetPosition());
}

// The cell's type sees the button first; the grid's notification is told
// whether it handled it.
void CGridHeading::ReportButton(bool left, bool down, int column, int row, const wxRect& rect,
                                const wxPoint& point) {
    const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
    m_grid.GetCell(column, row, *cell);
    CGridCellType& type = m_grid.CellTypeOf(*cell);
    const bool handled = left ? type.OnLeftButton(column, row, down, rect, point)
                              : type.OnRightButton(column, row, down, rect, point);
    NotifyButton(left, column, row, down, rect, point, handled);
}

bool CGridHeading::ReportButtonAt(bool left, bool down, const wxPoint& point, int* column,
                                  int* row) {
    int cellColumn = 0;
    int cellRow = 0;
    wxRect rect;
    if (!CellRectAt(point, cellColumn, cellRow, rect)) {
        return false;
    }
    ReportButton(left, down, cellColumn, cellRow, rect, point);
    if (column != nullptr) {
        *column = cellColumn;
        *row = cellRow;
    }
    return true;
}

void CGridHeading::OnDoubleClick(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    const CGridSheet& sheet = m_grid.Sheet();
    if (sheet.m_nInteractiveSizing > 0 && sheet.m_bBorderDoubleClickFit) {
        const Border border = BorderAt(point);
        if (border.kind == BorderKind::kColumn) {
            m_grid.FitColumnsToContent(border.nIndex, border.nIndex, kFitRows, 1);
            return;
        }
    }
    int column = 0;
    int row = 0;
    wxRect rect;
    if (CellRectAt(point, column, row, rect)) {
        const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
        m_grid.GetCell(column, row, *cell);
        const bool handled = m_grid.CellTypeOf(*cell).OnDoubleClick(column, row, rect, point);
        NotifyDoubleClick(column, row, rect, point, handled);
    }
}

void CGridHeading::OnCaptureLost(wxMouseCaptureLostEvent&) {
    if (m_bOwnDrag) {
        m_bOwnDrag = false;
        EndOwnDrag();
    }
    m_sizing = Border{};
}
