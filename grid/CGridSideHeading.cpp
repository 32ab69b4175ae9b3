#include "CGridSideHeading.h"

#include "CSheetGrid.h"

namespace {

// The mouse sizes a part within this many pixels of its border.
constexpr int kBorderReach = 3;

}  // namespace

CGridSideHeading::CGridSideHeading(CSheetGrid& grid)
    : CGridHeading(grid, CSheetGrid::kSideHeadingId, CSheetGrid::kSectionSideHeading) {}

std::vector<CGridSpan> CGridSideHeading::ColumnSpans() const {
    return CGridGeometry::HeadingSpans(m_grid.Sheet().m_sideHeadingWidths);
}

std::vector<CGridSpan> CGridSideHeading::RowSpans() const {
    return CGridGeometry(m_grid.Sheet()).RowSpans();
}

CGridHeading::Border CGridSideHeading::BorderAt(const wxPoint& point) {
    const CGridSheet& sheet = m_grid.Sheet();
    std::vector<int> indices;
    std::vector<int> sizes;
    const int headingColumns = static_cast<int>(sheet.m_sideHeadingWidths.size());
    for (int index = headingColumns; index >= 1; --index) {
        indices.push_back(-index);
        sizes.push_back(sheet.m_sideHeadingWidths[index - 1]);
    }
    Border border;
    int start = 0;
    if (EdgeNear(indices, sizes, point.x, kBorderReach, border.nIndex, start)) {
        if (m_grid.AllowSideHeadingResize()) {
            border.kind = BorderKind::kSideHeadingColumn;
            border.nSize = sheet.m_sideHeadingWidths[-border.nIndex - 1];
        }
        return border;
    }
    const CGridGeometry geometry(sheet);
    indices = geometry.ShownRows();
    sizes.clear();
    for (const int row : indices) {
        sizes.push_back(geometry.RowHeight(row));
    }
    if (EdgeNear(indices, sizes, point.y, kBorderReach, border.nIndex, start) &&
        m_grid.AllowRowResize(border.nIndex)) {
        border.kind = BorderKind::kRow;
        border.nSize = geometry.RowHeight(border.nIndex);
        // With uniform height: the row's place in the view, counted from 1.
        const auto place = std::find(indices.begin(), indices.end(), border.nIndex);
        border.nStart = static_cast<int>(place - indices.begin()) + 1;
    }
    return border;
}

void CGridSideHeading::NotifyButton(bool left, int column, int row, bool down, const wxRect& rect,
                                    const wxPoint& point, bool handled) {
    if (left) {
        m_grid.NotifySideHeadingLeftButton(column, row, down, rect, point, handled);
    } else {
        m_grid.NotifySideHeadingRightButton(column, row, down, rect, point, handled);
    }
}

void CGridSideHeading::NotifyDoubleClick(int column, int row, const wxRect& rect,
                                         const wxPoint& point, bool handled) {
    m_grid.NotifySideHeadingDoubleClick(column, row, rect, point, handled);
}
