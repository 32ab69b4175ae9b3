#pragma once

#include <wx/scrolbar.h>

// The grid's horizontal scroll bar: its positions count the scrolled
// columns, the first one right of the locked columns being 0.
class CGridHScrollBar : public wxScrollBar {
  public:
    explicit CGridHScrollBar(wxWindow* parent, int id);

    // Puts the thumb at `leftColumn`; `page` columns of default width fit.
    void ShowColumns(int lockedColumns, int leftColumn, int lastLeftColumn, int page);
    int ColumnAt(int position) const { return m_nLockedColumns + position; }

  private:
    int m_nLockedColumns = 0;
};
