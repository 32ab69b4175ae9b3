#include "CGridHScrollBar.h"

#include <algorithm>

CGridHScrollBar::CGridHScrollBar(wxWindow* parent, int id)
    : wxScrollBar(parent, id, wxDefaultPosition, wxDefaultSize, wxSB_HORIZONTAL) {}

void CGridHScrollBar::ShowColumns(int lockedColumns, int leftColumn, int lastLeftColumn, int page) {
    m_nLockedColumns = lockedColumns;
    page = std::max(1, page);
    SetScrollbar(leftColumn - lockedColumns, page, lastLeftColumn + page - lockedColumns, page);
}
