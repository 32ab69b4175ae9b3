#include "CGridTopHeading.h"

#include "CSheetGrid.h"

namespace {

// The mouse sizes a part within this many pixels of its border.
constexpr int kBorderReach = 3;
// Width of the line that marks where a dragged column goes.
constexpr int kGapLineWidth = 2;

}  // namespace

CGridTopHeading::CGridTopHeading(CSheetGrid& grid)
    : CGridHeading(grid, CSheetGrid::kTopHeadingId, CSheetGrid::kSectionTopHeading) {}

std::vector<CGridSpan> CGridTopHeading::ColumnSpans() const {
    return CGridGeometry(m_grid.Sheet()).ColumnSpans();
}

std::vector<CGridSpan> CGridTopHeading::RowSpans() const {
    return CGridGeometry::HeadingSpans(m_grid.Sheet().m_topHeadingHeights);
}

CGridHeading::Border CGridTopHeading::BorderAt(const wxPoint& point) {
    const CGridSheet& sheet = m_grid.Sheet();
    std::vector<int> indices;
    std::vector<int> sizes;
    const int headingRows = static_cast<int>(sheet.m_topHeadingHeights.size());
    for (int index = headingRows; index >= 1; --index) {
        indices.push_back(-index);
        sizes.push_back(sheet.m_topHeadingHeights[index - 1]);
    }
    Border border;
    int start = 0;
    if (EdgeNear(indices, sizes, point.y, kBorderReach, border.nIndex, start)) {
        if (m_grid.AllowTopHeadingResize()) {
            border.kind = BorderKind::kTopHeadingRow;
            border.nSize = sheet.m_topHeadingHeights[-border.nIndex - 1];
        }
        return border;
    }
    const CGridGeometry geometry(sheet);
    indices = geometry.ShownColumns();
    sizes.clear();
    for (const int column : indices) {
        sizes.push_back(geometry.ColumnWidth(column));
    }
    if (EdgeNear(indices, sizes, point.x, kBorderReach, border.nIndex, start) &&
        m_grid.AllowColumnResize(border.nIndex)) {
        border.kind = BorderKind::kColumn;
        border.nSize = geometry.ColumnWidth(border.nIndex);
        border.nStart = start;
    }
    return border;
}

void CGridTopHeading::NotifyButton(bool left, int column, int row, bool down, const wxRect& rect,
                                   const wxPoint& point, bool handled) {
    if (left) {
        m_grid.NotifyTopHeadingLeftButton(column, row, down, rect, point, handled);
    } else {
        m_grid.NotifyTopHeadingRightButton(column, row, down, rect, point, handled);
    }
}

void CGridTopHeading::NotifyDoubleClick(int column, int row, const wxRect& rect,
                                        const wxPoint& point, bool handled) {
    m_grid.NotifyTopHeadingDoubleClick(column, row, rect, point, handled);
}

bool CGridTopHeading::StartOwnDrag(int column, int) {
    if (!m_grid.Sheet().m_bColumnDragging || column < 0 || !m_grid.AllowColumnDrag(column)) {
        return false;
    }
    m_nDragColumn = column;
    m_nDragGap = -1;
    Refresh(false);
    return true;
}

int CGridTopHeading::GapAt(int x) const {
    for (const CGridSpan& span : ColumnSpans()) {
        if (x >= span.nStart && x < span.nStart + span.nSize) {
            return x - span.nStart < span.nStart + span.nSize - x ? span.nIndex : span.nIndex + 1;
        }
    }
    return -1;
}

int CGridTopHeading::GapX(int gap) const {
    for (const CGridSpan& span : ColumnSpans()) {
        if (span.nIndex == gap) {
            return span.nStart;
        }
        if (span.nIndex + 1 == gap) {
            return span.nStart + span.nSize;
        }
    }
    return -1;
}

void CGridTopHeading::ContinueOwnDrag(const wxPoint& point) {
    // Past either end the columns scroll toward the mouse.
    if (point.x < 0) {
        m_grid.SetLeftColumn(m_grid.GetLeftColumn() - 1);
    } else if (point.x >= GetClientSize().x) {
        m_grid.SetLeftColumn(m_grid.GetLeftColumn() + 1);
    }
    const int gap = GapAt(std::clamp(point.x, 0, GetClientSize().x - 1));
    if (gap >= 0 && gap != m_nDragGap) {
        m_nDragGap = std::min(gap, m_grid.GetColumnCount());
        Refresh(false);
    }
}

void CGridTopHeading::EndOwnDrag() {
    const int from = m_nDragColumn;
    const int gap = m_nDragGap;
    m_nDragColumn = -1;
    m_nDragGap = -1;
    Refresh(false);
    if (gap < 0) {
        return;
    }
    const int to = gap > from ? gap - 1 : gap;
    if (to != from && m_grid.AllowColumnMove(from, to)) {
        m_grid.MoveColumn(from, to);
        m_grid.NotifyColumnMoved(from, to);
    }
}

void CGridTopHeading::PaintOverlay(wxDC& dc) {
    const int x = m_nDragGap >= 0 ? GapX(m_nDragGap) : -1;
    if (x < 0) {
        return;
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.DrawRectangle(x - kGapLineWidth / 2, 0, kGapLineWidth, GetClientSize().y);
}
