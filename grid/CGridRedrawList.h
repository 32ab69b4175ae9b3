#pragma once

#include <cstddef>
#include <vector>

// A rectangle of cells, both ends included.
struct CGridRange {
    int nLeft;
    int nTop;
    int nRight;
    int nBottom;

    bool Contains(int column, int row) const {
        return column >= nLeft && column <= nRight && row >= nTop && row <= nBottom;
    }
};

// The cells a part of the grid still has to paint: repaint requests add
// ranges, a paint draws only the cells inside one of them and then empties
// the list. The bounding range answers most "not in the list" questions
// without looking at each range.
class CGridRedrawList {
  public:
    void Add(const CGridRange& range);
    // Every cell, whatever the counts.
    void AddEverything();
    bool Contains(int column, int row) const;
    bool IsEmpty() const { return m_ranges.empty(); }
    void Clear() { m_ranges.clear(); }

  private:
    // Lists longer than this are merged into their bounding range.
    static constexpr size_t kMaxRanges = 64;

    std::vector<CGridRange> m_ranges;
    CGridRange m_bounds{0, 0, -1, -1};
};
