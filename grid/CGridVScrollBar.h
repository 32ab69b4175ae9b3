#pragma once

#include <wx/scrolbar.h>

// The grid's vertical scroll bar. Its positions stand for top rows; past
// 1000 reachable top rows it works in 1000 steps, so that any row count
// maps onto it. In thumb mode 2 it shows only its arrows: three positions
// with the thumb kept in the middle.
class CGridVScrollBar : public wxScrollBar {
  public:
    static constexpr int kSteps = 1000;
    static constexpr int kArrowsOnlyMode = 2;

    explicit CGridVScrollBar(wxWindow* parent, int id);

    // Puts the thumb at `topRow`; `page` is the number of rows a page shows.
    void ShowRows(int lockedRows, int topRow, int lastTopRow, int page, int thumbMode);
    // The top row a position of the bar stands for.
    int RowAt(int position) const;
    bool IsArrowsOnly() const { return m_nThumbMode == kArrowsOnlyMode; }

  private:
    int m_nLockedRows = 0;
    int m_nLastTopRow = 0;
    int m_nThumbMode = 0;
};
