#include "CGridLayoutRects.h"

#include <algorithm>
#include <cstdint>

#include "CGridSheet.h"

namespace {

wxRect FromEdges(int left, int top, int right, int bottom) {
    return wxRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

// The sum of the column widths, counted only as far as needed to pass `room`.
int64_t ColumnsWidthBeyond(const CGridSheet& sheet, int room) {
    int64_t total = 0;
    for (const CGridColumnEntry& column : sheet.m_columns) {
        total += column.m_nWidth;
        if (total > room) {
            break;
        }
    }
    return total;
}

int64_t RowsHeightBeyond(const CGridSheet& sheet, int room) {
    if (sheet.m_bUniformHeight) {
        return static_cast<int64_t>(sheet.m_nRowCount) * sheet.m_nDefaultRowHeight;
    }
    int64_t total = 0;
    for (const int height : sheet.m_rowHeights) {
        total += height;
        if (total > room) {
            break;
        }
    }
    return total;
}

}  // namespace

CGridLayoutRects CGridLayoutRects::Compute(const CGridSheet& sheet, wxSize client) {
    const int width = client.x;
    const int height = client.y;
    const int room = width - sheet.m_nSideHeadingWidth;
    int roomBelow = height - sheet.m_nTopHeadingHeight;
    int barWidth = sheet.m_nVScrollBarWidth;
    int barHeight = sheet.m_nHScrollBarHeight;
    int tabWidth = sheet.m_nTabBarWidth;

    const bool columnsFit = room >= ColumnsWidthBeyond(sheet, room);
    if (tabWidth > 0 || !columnsFit) {
        roomBelow -= barHeight;
    }
    const bool rowsFit = roomBelow >= RowsHeightBeyond(sheet, roomBelow);
    if (columnsFit && tabWidth == 0) {
        barHeight = 0;
    }
    if (rowsFit) {
        barWidth = 0;
    }
    if (tabWidth > 0) {
        tabWidth = columnsFit ? width + 6 : std::min(tabWidth, width - barWidth);
    }

    const int side = sheet.m_nSideHeadingWidth;
    const int top = sheet.m_nTopHeadingHeight;
    CGridLayoutRects rects;
    rects.vScrollBar = FromEdges(width - barWidth, 0, width, height - barHeight);
    rects.hScrollBar = FromEdges(tabWidth, height - barHeight, width - barWidth, height);
    rects.tabBar = FromEdges(0, height - barHeight, tabWidth, height);
    rects.cornerButton = FromEdges(0, 0, side, top);
    rects.topHeading = FromEdges(side, 0, width - barWidth, top);
    rects.sideHeading = FromEdges(0, top, side, height - barHeight);
    rects.cellArea = FromEdges(side, top, width - barWidth, height - barHeight);
    return rects;
}
