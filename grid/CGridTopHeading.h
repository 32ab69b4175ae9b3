#pragma once

#include "CGridHeading.h"

// The heading above the cells: one or more heading rows over the columns.
// Column borders size the columns, row borders the heading rows, and with
// column dragging on a column is moved by dragging its heading.
class CGridTopHeading : public CGridHeading {
  public:
    explicit CGridTopHeading(CSheetGrid& grid);

  protected:
    std::vector<CGridSpan> ColumnSpans() const override;
    std::vector<CGridSpan> RowSpans() const override;
    Border BorderAt(const wxPoint& point) override;
    void NotifyButton(bool left, int column, int row, bool down, const wxRect& rect,
                      const wxPoint& point, bool handled) override;
    void NotifyDoubleClick(int column, int row, const wxRect& rect, const wxPoint& point,
                           bool handled) override;
    bool StartOwnDrag(int column, int row) override;
    void ContinueOwnDrag(const wxPoint& point) override;
    void EndOwnDrag() override;
    int SelectedColumn() const override { return m_nDragColumn >= 0 ? m_nDragColumn : kNoColumn; }
    void PaintOverlay(wxDC& dc) override;

  private:
    // Where the gap between columns nearest to x lies: the column the
    // dragged one would go before (the column count for the end).
    int GapAt(int x) const;
    int GapX(int gap) const;

    int m_nDragColumn = -1;
    int m_nDragGap = -1;
};
