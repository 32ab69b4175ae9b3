#include "CGridCornerButton.h"

#include "CSheetGrid.h"

namespace {

// The mouse sizes a heading within this many pixels of the button's edge.
constexpr int kBorderReach = 4;

}  // namespace

CGridCornerButton::CGridCornerButton(CSheetGrid& grid)
    : CGridHeading(grid, CSheetGrid::kCornerButtonId, CSheetGrid::kSectionCornerButton) {}

std::vector<CGridSpan> CGridCornerButton::ColumnSpans() const {
    const int width = GetClientSize().x;
    return width > 0 ? std::vector<CGridSpan>{{-1, 0, width}} : std::vector<CGridSpan>{};
}

std::vector<CGridSpan> CGridCornerButton::RowSpans() const {
    const int height = GetClientSize().y;
    return height > 0 ? std::vector<CGridSpan>{{-1, 0, height}} : std::vector<CGridSpan>{};
}

CGridHeading::Border CGridCornerButton::BorderAt(const wxPoint& point) {
    const CGridSheet& sheet = m_grid.Sheet();
    const wxSize size = GetClientSize();
    Border border;
    if (point.x >= size.x - kBorderReach && m_grid.AllowSideHeadingResize()) {
        border.kind = BorderKind::kSideHeading;
        border.nSize = sheet.m_nSideHeadingWidth;
    } else if (point.y >= size.y - kBorderReach && m_grid.AllowTopHeadingResize()) {
        border.kind = BorderKind::kTopHeading;
        border.nSize = sheet.m_nTopHeadingHeight;
    }
    return border;
}

void CGridCornerButton::NotifyButton(bool left, int, int, bool down, const wxRect& rect,
                                     const wxPoint& point, bool handled) {
    if (left) {
        m_grid.NotifyCornerLeftButton(down, rect, point, handled);
    } else {
        m_grid.NotifyCornerRightButton(down, rect, point, handled);
    }
}

void CGridCornerButton::NotifyDoubleClick(int, int, const wxRect& rect, const wxPoint& point,
                                          bool handled) {
    m_grid.NotifyCornerDoubleClick(rect, point, handled);
}
