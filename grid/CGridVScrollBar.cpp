#include "CGridVScrollBar.h"

#include <algorithm>
#include <cstdint>

CGridVScrollBar::CGridVScrollBar(wxWindow* parent, int id)
    : wxScrollBar(parent, id, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL) {}

void CGridVScrollBar::ShowRows(int lockedRows, int topRow, int lastTopRow, int page,
                               int thumbMode) {
    m_nLockedRows = lockedRows;
    m_nLastTopRow = lastTopRow;
    m_nThumbMode = thumbMode;
    page = std::max(1, page);
    if (thumbMode == kArrowsOnlyMode) {
        SetScrollbar(1, 1, 3, 1);
    } else if (lastTopRow > kSteps) {
        const int position = static_cast<int>(static_cast<int64_t>(topRow) * kSteps / lastTopRow);
        SetScrollbar(position, page, kSteps + page, page);
    } else {
        SetScrollbar(topRow - lockedRows, page, lastTopRow + page - lockedRows, page);
    }
}

int CGridVScrollBar::RowAt(int position) const {
    if (m_nLastTopRow > kSteps) {
        return static_cast<int>(static_cast<int64_t>(position) * m_nLastTopRow / kSteps);
    }
    return m_nLockedRows + position;
}
