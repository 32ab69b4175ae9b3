#pragma once

#include <cstdint>
#include <vector>

class CGridSheet;

// A shown row or column: its index, where it starts in the cell area and
// its size, all in pixels.
struct CGridSpan {
    int nIndex;
    int nStart;
    int nSize;
};

// Answers where rows and columns of a sheet fall in its cell area: which
// are shown, how far the view can scroll, and where it must scroll to show
// a given row or column. Rows and columns follow the same rules: locked ones
// first, then the scrolled ones from the top row (left column) on.
class CGridGeometry {
  public:
    explicit CGridGeometry(const CGridSheet& sheet) : m_sheet(sheet) {}

    // 0 outside the sheet; the default height when heights are uniform.
    int RowHeight(int row) const;
    // True when every row has the uniform height 0: none of them is shown.
    bool RowsAllHidden() const;
    int ColumnWidth(int column) const;
    int LockedRowsHeight() const;
    int LockedColumnsWidth() const;

    // The largest top row (left column) at which the rows (columns) up to
    // the last one still fill the cell area.
    int LastTopRow() const;
    int LastLeftColumn() const;
    // The first row (column) that is not shown in full, or the count when
    // all are.
    int BottomRow() const;
    int RightColumn() const;
    // The top row (left column) that shows `row` (`column`) in full with
    // the least scrolling.
    int TopRowShowing(int row) const;
    int LeftColumnShowing(int column) const;
    // The rows (columns) at least partly shown, locked ones first.
    std::vector<int> ShownRows() const;
    std::vector<int> ShownColumns() const;
    // The same with their places in the cell area; rows (columns) of size 0
    // are left out.
    std::vector<CGridSpan> RowSpans() const;
    std::vector<CGridSpan> ColumnSpans() const;
    // Heading lines of the given sizes (line -1 first in the sizes) with
    // their places, the outermost first; lines of size 0 are left out.
    static std::vector<CGridSpan> HeadingSpans(const std::vector<int>& sizes);
    // Where a shown row (column) starts in the cell area; false when it is
    // scrolled out of view or past the end of the area.
    bool RowStart(int row, int& y) const;
    bool ColumnStart(int column, int& x) const;
    // The row (column) under y (x) of the cell area; -1 for none.
    int RowAt(int y) const;
    int ColumnAt(int x) const;
    // The pixels between the tops of two rows (lefts of two columns),
    // negative when `to` comes first; counting stops past `limit`.
    int64_t RowDistance(int from, int to, int64_t limit) const;
    int64_t ColumnDistance(int from, int to, int64_t limit) const;

  private:
    // One direction of the sheet: rows or columns.
    struct Axis {
        bool bRows;
        int nCount;
        int nLocked;
        int nFirst;   // top row or left column
        int nExtent;  // cell area height or width
    };

    Axis Rows() const;
    Axis Columns() const;
    int Size(const Axis& axis, int index) const;
    bool AllHidden(const Axis& axis) const;
    int SizeOfLocked(const Axis& axis) const;
    static int FirstInView(const Axis& axis);
    static int NextInView(const Axis& axis, int index);
    int LastFirst(const Axis& axis) const;
    int FirstNotShownInFull(const Axis& axis) const;
    int FirstShowing(const Axis& axis, int index) const;
    std::vector<int> Shown(const Axis& axis) const;
    std::vector<CGridSpan> Spans(const Axis& axis) const;
    int At(const Axis& axis, int position) const;
    bool Start(const Axis& axis, int index, int& start) const;
    int64_t Distance(const Axis& axis, int from, int to, int64_t limit) const;

    const CGridSheet& m_sheet;
};
