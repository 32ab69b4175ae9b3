#pragma once

#include "CGridHeading.h"

// The heading left of the cells: one or more heading columns beside the
// rows. Row borders size the rows, column borders the heading columns.
class CGridSideHeading : public CGridHeading {
  public:
    explicit CGridSideHeading(CSheetGrid& grid);

  protected:
    std::vector<CGridSpan> ColumnSpans() const override;
    std::vector<CGridSpan> RowSpans() const override;
    Border BorderAt(const wxPoint& point) override;
    void NotifyButton(bool left, int column, int row, bool down, const wxRect& rect,
                      const wxPoint& point, bool handled) override;
    void NotifyDoubleClick(int column, int row, const wxRect& rect, const wxPoint& point,
                           bool handled) override;
};
