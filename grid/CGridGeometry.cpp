#include "CGridGeometry.h"

#include <algorithm>

#include "CGridSheet.h"

CGridGeometry::Axis CGridGeometry::Rows() const {
    return {true, m_sheet.m_nRowCount, m_sheet.m_nLockedRows, m_sheet.m_nTopRow,
            m_sheet.m_layout.cellArea.height};
}

CGridGeometry::Axis CGridGeometry::Columns() const {
    return {false, m_sheet.ColumnCount(), m_sheet.m_nLockedColumns, m_sheet.m_nLeftColumn,
            m_sheet.m_layout.cellArea.width};
}

bool CGridGeometry::RowsAllHidden() const {
    return m_sheet.m_bUniformHeight && m_sheet.m_nDefaultRowHeight <= 0;
}

// Rows of a uniform height of 0 are all hidden: loops over the axis skip
// them in one step instead of walking every one of them.
bool CGridGeometry::AllHidden(const Axis& axis) const {
    return axis.bRows && RowsAllHidden();
}

int CGridGeometry::Size(const Axis& axis, int index) const {
    return axis.bRows ? RowHeight(index) : ColumnWidth(index);
}

int CGridGeometry::RowHeight(int row) const {
    if (row < 0 || row >= m_sheet.m_nRowCount) {
        return 0;
    }
    return m_sheet.m_bUniformHeight ? m_sheet.m_nDefaultRowHeight : m_sheet.m_rowHeights[row];
}

int CGridGeometry::ColumnWidth(int column) const {
    return column >= 0 && column < m_sheet.ColumnCount() ? m_sheet.m_columns[column].m_nWidth : 0;
}

int CGridGeometry::SizeOfLocked(const Axis& axis) const {
    int total = 0;
    for (int index = 0; index < axis.nLocked; ++index) {
        total += Size(axis, index);
    }
    return total;
}

int CGridGeometry::LockedRowsHeight() const {
    return SizeOfLocked(Rows());
}

int CGridGeometry::LockedColumnsWidth() const {
    return SizeOfLocked(Columns());
}

int CGridGeometry::LastFirst(const Axis& axis) const {
    if (AllHidden(axis)) {
        return axis.nLocked;
    }
    int remainder = axis.nExtent - SizeOfLocked(axis);
    int last = axis.nLocked;
    for (int index = axis.nCount - 1; index >= axis.nLocked; --index) {
        remainder -= Size(axis, index);
        if (remainder < 0) {
            last = index + 1;
            break;
        }
    }
    return std::max(std::min(last, axis.nCount - 1), axis.nLocked);
}

int CGridGeometry::LastTopRow() const {
    return LastFirst(Rows());
}

int CGridGeometry::LastLeftColumn() const {
    return LastFirst(Columns());
}

// The view shows the locked rows, then the rows from the top row on.
int CGridGeometry::FirstInView(const Axis& axis) {
    return axis.nLocked > 0 ? 0 : axis.nFirst;
}

int CGridGeometry::NextInView(const Axis& axis, int index) {
    return index + 1 == axis.nLocked ? std::max(index + 1, axis.nFirst) : index + 1;
}

int CGridGeometry::FirstNotShownInFull(const Axis& axis) const {
    if (AllHidden(axis)) {
        return axis.nCount;
    }
    int end = 0;
    for (int index = FirstInView(axis); index < axis.nCount; index = NextInView(axis, index)) {
        end += Size(axis, index);
        if (end > axis.nExtent) {
            return index;
        }
    }
    return axis.nCount;
}

int CGridGeometry::BottomRow() const {
    return FirstNotShownInFull(Rows());
}

int CGridGeometry::RightColumn() const {
    return FirstNotShownInFull(Columns());
}

int CGridGeometry::FirstShowing(const Axis& axis, int index) const {
    if (index < axis.nLocked) {
        return axis.nFirst;
    }
    if (index < axis.nFirst) {
        return std::max(index, axis.nLocked);
    }
    if (AllHidden(axis)) {
        return axis.nFirst;
    }
    // Go back from `index` while the rows from there to it still fit.
    const int room = axis.nExtent - SizeOfLocked(axis);
    int first = index;
    int used = Size(axis, index);
    while (first > axis.nFirst && used + Size(axis, first - 1) <= room) {
        --first;
        used += Size(axis, first);
    }
    if (first == axis.nFirst && used <= room) {
        return axis.nFirst;
    }
    return std::max(std::min(first, LastFirst(axis)), axis.nLocked);
}

int CGridGeometry::TopRowShowing(int row) const {
    return FirstShowing(Rows(), row);
}

int CGridGeometry::LeftColumnShowing(int column) const {
    return FirstShowing(Columns(), column);
}

std::vector<int> CGridGeometry::Shown(const Axis& axis) const {
    std::vector<int> shown;
    if (AllHidden(axis)) {
        return shown;
    }
    int start = 0;
    for (int index = FirstInView(axis); index < axis.nCount && start < axis.nExtent;
         index = NextInView(axis, index)) {
        shown.push_back(index);
        start += Size(axis, index);
    }
    return shown;
}

std::vector<int> CGridGeometry::ShownRows() const {
    return Shown(Rows());
}

std::vector<int> CGridGeometry::ShownColumns() const {
    return Shown(Columns());
}

std::vector<CGridSpan> CGridGeometry::Spans(const Axis& axis) const {
    std::vector<CGridSpan> spans;
    if (AllHidden(axis)) {
        return spans;
    }
    int start = 0;
    for (int index = FirstInView(axis); index < axis.nCount && start < axis.nExtent;
         index = NextInView(axis, index)) {
        const int size = Size(axis, index);
        if (size > 0) {
            spans.push_back({index, start, size});
            start += size;
        }
    }
    return spans;
}

std::vector<CGridSpan> CGridGeometry::RowSpans() const {
    return Spans(Rows());
}

std::vector<CGridSpan> CGridGeometry::ColumnSpans() const {
    return Spans(Columns());
}

int CGridGeometry::At(const Axis& axis, int position) const {
    if (position < 0 || AllHidden(axis)) {
        return -1;
    }
    int start = 0;
    for (int index = FirstInView(axis); index < axis.nCount && start < axis.nExtent;
         index = NextInView(axis, index)) {
        start += Size(axis, index);
        if (position < start) {
            return index;
        }
    }
    return -1;
}

int CGridGeometry::RowAt(int y) const {
    return At(Rows(), y);
}

int CGridGeometry::ColumnAt(int x) const {
    return At(Columns(), x);
}

int64_t CGridGeometry::Distance(const Axis& axis, int from, int to, int64_t limit) const {
    const int first = std::min(from, to);
    const int last = std::max(from, to);
    int64_t distance = 0;
    if (axis.bRows && m_sheet.m_bUniformHeight) {
        distance = static_cast<int64_t>(last - first) * m_sheet.m_nDefaultRowHeight;
    } else {
        for (int index = first; index < last && distance <= limit; ++index) {
            distance += Size(axis, index);
        }
    }
    return from <= to ? distance : -distance;
}

int64_t CGridGeometry::RowDistance(int from, int to, int64_t limit) const {
    return Distance(Rows(), from, to, limit);
}

int64_t CGridGeometry::ColumnDistance(int from, int to, int64_t limit) const {
    return Distance(Columns(), from, to, limit);
}

bool CGridGeometry::Start(const Axis& axis, int index, int& start) const {
    if (index < 0 || index >= axis.nCount) {
        return false;
    }
    if (index < axis.nLocked) {
        start = static_cast<int>(Distance(axis, 0, index, axis.nExtent));
    } else if (index >= axis.nFirst) {
        const int64_t offset =
            SizeOfLocked(axis) + Distance(axis, axis.nFirst, index, axis.nExtent);
        if (offset >= axis.nExtent) {
            return false;
        }
        start = static_cast<int>(offset);
    } else {
        return false;
    }
    return true;
}

bool CGridGeometry::RowStart(int row, int& y) const {
    return Start(Rows(), row, y);
}

bool CGridGeometry::ColumnStart(int column, int& x) const {
    return Start(Columns(), column, x);
}

std::vector<CGridSpan> CGridGeometry::HeadingSpans(const std::vector<int>& sizes) {
    std::vector<CGridSpan> spans;
    int start = 0;
    for (int index = static_cast<int>(sizes.size()); index >= 1; --index) {
        const int size = sizes[index - 1];
        if (size > 0) {
            spans.push_back({-index, start, size});
            start += size;
        }
    }
    return spans;
}
