#include "CGridRedrawList.h"

#include <algorithm>
#include <climits>

void CGridRedrawList::Add(const CGridRange& range) {
    if (range.nLeft > range.nRight || range.nTop > range.nBottom) {
        return;
    }
    if (m_ranges.empty()) {
        m_bounds = range;
    } else {
        m_bounds = {std::min(m_bounds.nLeft, range.nLeft), std::min(m_bounds.nTop, range.nTop),
                    std::max(m_bounds.nRight, range.nRight),
                    std::max(m_bounds.nBottom, range.nBottom)};
    }
    if (m_ranges.size() >= kMaxRanges) {
        m_ranges.assign(1, m_bounds);
        return;
    }
    m_ranges.push_back(range);
}

void CGridRedrawList::AddEverything() {
    m_ranges.clear();
    Add({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
}

bool CGridRedrawList::Contains(int column, int row) const {
    if (m_ranges.empty() || !m_bounds.Contains(column, row)) {
        return false;
    }
    return std::any_of(m_ranges.begin(), m_ranges.end(),
                       [&](const CGridRange& range) { return range.Contains(column, row); });
}
