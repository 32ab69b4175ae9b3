#pragma once

#include "CGridHeading.h"

// The button where the two headings meet: shows cell (-1, -1) over its
// whole area; its right and bottom borders size the side heading's width
// and the top heading's height.
class CGridCornerButton : public CGridHeading {
  public:
    explicit CGridCornerButton(CSheetGrid& grid);

  protected:
    std::vector<CGridSpan> ColumnSpans() const override;
    std::vector<CGridSpan> RowSpans() const override;
    Border BorderAt(const wxPoint& point) override;
    void NotifyButton(bool left, int column, int row, bool down, const wxRect& rect,
                      const wxPoint& point, bool handled) override;
    void NotifyDoubleClick(int column, int row, const wxRect& rect, const wxPoint& point,
                           bool handled) override;
};
