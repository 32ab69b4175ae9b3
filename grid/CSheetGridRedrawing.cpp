// The grid's redrawing and scrolling: what is drawn again after a change,
// the scroll bars kept with the view, and scrolling by rows, columns and
// pages, with the hints shown while a bar is dragged.
#include <algorithm>

#include "CGridCellArea.h"
#include "CGridCornerButton.h"
#include "CGridGeometry.h"
#include "CGridHScrollBar.h"
#include "CGridHintWnd.h"
#include "CGridSideHeading.h"
#include "CGridTabBar.h"
#include "CGridTopHeading.h"
#include "CGridVScrollBar.h"
#include "CSheetGrid.h"

namespace {

// Scroll hints are at least this wide.
constexpr int kVScrollHintWidth = 40;
constexpr int kHScrollHintWidth = 20;

}  // namespace

int CSheetGrid::RedrawAll() {
    if (!m_bRedrawEnabled || m_pCellArea == nullptr) {
        return 0;
    }
    m_pCellArea->RedrawEverything();
    for (wxWindow* part :
         {static_cast<wxWindow*>(m_pTopHeading), static_cast<wxWindow*>(m_pSideHeading),
          static_cast<wxWindow*>(m_pCornerButton), static_cast<wxWindow*>(m_pTabBar)}) {
        part->Refresh(false);
    }
    UpdateScrollBars();
    return 0;
}

int CSheetGrid::RedrawRow(int row) {
    if (m_bRedrawEnabled && m_pCellArea != nullptr) {
        m_pCellArea->Redraw({0, row, GetColumnCount() - 1, row});
    }
    return 0;
}

int CSheetGrid::RedrawCell(int column, int row) {
    if (!m_bRedrawEnabled || m_pCellArea == nullptr) {
        return 0;
    }
    if (row < 0 && column < 0) {
        m_pCornerButton->Refresh(false);
    } else if (row < 0) {
        m_pTopHeading->Refresh(false);
    } else if (column < 0) {
        m_pSideHeading->Refresh(false);
    } else {
        m_pCellArea->Redraw({column, row, column, row});
    }
    return 0;
}

void CSheetGrid::RedrawCurrent(int column, int row) {
    if (Sheet().m_bRowHighlight) {
        RedrawRow(row);
    } else {
        RedrawCell(column, row);
    }
}

void CSheetGrid::AddToPaint(int column, int row) {
    if (m_pCellArea != nullptr) {
        m_pCellArea->AddToPaint(column, row);
    }
}

void CSheetGrid::UpdateParts(int oldLeftColumn, int oldTopRow, int oldColumn, int oldRow) {
    if (!m_bRedrawEnabled || m_pCellArea == nullptr) {
        return;
    }
    const CGridSheet& sheet = Sheet();
    m_pCellArea->ShowViewMove(oldLeftColumn, oldTopRow);
    if (oldColumn != sheet.m_nCurrentColumn || oldRow != sheet.m_nCurrentRow) {
        RedrawCurrent(oldColumn, oldRow);
        RedrawCurrent(sheet.m_nCurrentColumn, sheet.m_nCurrentRow);
    }
    if (oldLeftColumn != sheet.m_nLeftColumn) {
        m_pTopHeading->Refresh(false);
    }
    if (oldTopRow != sheet.m_nTopRow) {
        m_pSideHeading->Refresh(false);
    }
    UpdateScrollBars();
}

void CSheetGrid::UpdateScrollBars() {
    if (m_pVScrollBar == nullptr || !Sheet().m_bReady) {
        return;
    }
    const CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    const wxRect& area = sheet.m_layout.cellArea;
    m_pVScrollBar->ShowRows(sheet.m_nLockedRows, sheet.m_nTopRow, geometry.LastTopRow(),
                            area.height / std::max(1, sheet.m_nDefaultRowHeight),
                            sheet.m_nVThumbMode);
    m_pHScrollBar->ShowColumns(
        sheet.m_nLockedColumns, sheet.m_nLeftColumn, geometry.LastLeftColumn(),
        (area.width - sheet.m_nLockedColumnsWidth) / std::max(1, sheet.m_nDefaultColumnWidth));
}

int CSheetGrid::RowPageFrom(int from, bool forward) const {
    const CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    const int room = sheet.m_layout.cellArea.height - sheet.m_nLockedRowsHeight;
    if (geometry.RowsAllHidden()) {
        return forward ? std::max(sheet.m_nRowCount, from + 1)
                       : std::min(sheet.m_nLockedRows, from - 1);
    }
    int row = from;
    int used = 0;
    if (forward) {
        while (row < sheet.m_nRowCount && used + geometry.RowHeight(row) <= room) {
            used += geometry.RowHeight(row++);
        }
        return std::max(row, from + 1);
    }
    while (row > sheet.m_nLockedRows && used + geometry.RowHeight(row - 1) <= room) {
        used += geometry.RowHeight(--row);
    }
    return std::min(row, from - 1);
}

int CSheetGrid::ColumnPageFrom(int from, bool forward) const {
    const CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    const int room = sheet.m_layout.cellArea.width - sheet.m_nLockedColumnsWidth;
    int column = from;
    int used = 0;
    if (forward) {
        while (column < sheet.ColumnCount() && used + geometry.ColumnWidth(column) <= room) {
            used += geometry.ColumnWidth(column++);
        }
        return std::max(column, from + 1);
    }
    while (column > sheet.m_nLockedColumns && used + geometry.ColumnWidth(column - 1) <= room) {
        used += geometry.ColumnWidth(--column);
    }
    return std::min(column, from - 1);
}

void CSheetGrid::OnScrollBar(wxScrollEvent& event) {
    CGridSheet& sheet = Sheet();
    if (m_pCellArea->IsShownOnScreen()) {
        m_pCellArea->SetFocus();
    }
    sheet.m_nMouseActivity = kMouseScrollBar;
    if (event.GetEventObject() == m_pVScrollBar) {
        ScrollRows(event.GetEventType(), event.GetPosition());
    } else {
        ScrollColumns(event.GetEventType(), event.GetPosition());
    }
    sheet.m_nMouseActivity = kMouseNone;
}

void CSheetGrid::ScrollRows(wxEventType code, int position) {
    const CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    const int oldTopRow = sheet.m_nTopRow;
    const bool arrowsOnly = m_pVScrollBar->IsArrowsOnly();
    if (code == wxEVT_SCROLL_LINEUP) {
        int row = geometry.RowsAllHidden() ? sheet.m_nLockedRows : oldTopRow - 1;
        while (row > sheet.m_nLockedRows && geometry.RowHeight(row) == 0) {
            --row;
        }
        SetTopRow(row);
    } else if (code == wxEVT_SCROLL_LINEDOWN) {
        int row = geometry.RowsAllHidden() ? sheet.m_nRowCount - 1 : oldTopRow + 1;
        while (row < sheet.m_nRowCount - 1 && geometry.RowHeight(row) == 0) {
            ++row;
        }
        SetTopRow(row);
    } else if (code == wxEVT_SCROLL_PAGEUP) {
        SetTopRow(RowPageFrom(oldTopRow, false));
    } else if (code == wxEVT_SCROLL_PAGEDOWN) {
        SetTopRow(RowPageFrom(oldTopRow, true));
    } else if (code == wxEVT_SCROLL_THUMBTRACK && !arrowsOnly) {
        if (sheet.m_nVThumbMode == 1) {
            SetTopRow(m_pVScrollBar->RowAt(position));
        }
        std::string text;
        if (sheet.m_bVScrollHint && GetVerticalScrollHint(m_pVScrollBar->RowAt(position), text)) {
            m_pHintWnd->SetText(text, false);
            m_pHintWnd->SetPlacement(CGridHintWnd::kEndAtX | CGridHintWnd::kCentreY);
            m_pHintWnd->MoveAndShow(m_pVScrollBar->GetPosition().x - 1,
                                    ScreenToClient(wxGetMousePosition()).y, kVScrollHintWidth);
        }
    } else if (code == wxEVT_SCROLL_THUMBRELEASE && !arrowsOnly) {
        m_pHintWnd->Hide();
        SetTopRow(m_pVScrollBar->RowAt(position));
    } else if (code == wxEVT_SCROLL_TOP) {
        SetTopRow(0);
    } else if (code == wxEVT_SCROLL_BOTTOM) {
        SetTopRow(sheet.m_nRowCount - 1);
    }
    if (sheet.m_nTopRow != oldTopRow) {
        NotifyScrolled(kScrolledRows, oldTopRow, sheet.m_nTopRow);
    }
    UpdateScrollBars();
}

void CSheetGrid::ScrollColumns(wxEventType code, int position) {
    const CGridSheet& sheet = Sheet();
    const int oldLeftColumn = sheet.m_nLeftColumn;
    if (code == wxEVT_SCROLL_LINEUP) {
        SetLeftColumn(oldLeftColumn - 1);
    } else if (code == wxEVT_SCROLL_LINEDOWN) {
        SetLeftColumn(oldLeftColumn + 1);
    } else if (code == wxEVT_SCROLL_PAGEUP) {
        SetLeftColumn(ColumnPageFrom(oldLeftColumn, false));
    } else if (code == wxEVT_SCROLL_PAGEDOWN) {
        SetLeftColumn(ColumnPageFrom(oldLeftColumn, true));
    } else if (code == wxEVT_SCROLL_THUMBTRACK) {
        if (sheet.m_nHThumbMode == 1) {
            SetLeftColumn(m_pHScrollBar->ColumnAt(position));
        }
        std::string text;
        if (sheet.m_bHScrollHint &&
            GetHorizontalScrollHint(m_pHScrollBar->ColumnAt(position), text)) {
            m_pHintWnd->SetText(text, false);
            m_pHintWnd->SetPlacement(CGridHintWnd::kCentreX | CGridHintWnd::kEndAtY);
            m_pHintWnd->MoveAndShow(ScreenToClient(wxGetMousePosition()).x,
                                    m_pHScrollBar->GetPosition().y - 1, kHScrollHintWidth);
        }
    } else if (code == wxEVT_SCROLL_THUMBRELEASE) {
        m_pHintWnd->Hide();
        SetLeftColumn(m_pHScrollBar->ColumnAt(position));
    } else if (code == wxEVT_SCROLL_TOP) {
        SetLeftColumn(0);
    } else if (code == wxEVT_SCROLL_BOTTOM) {
        SetLeftColumn(sheet.ColumnCount() - 1);
    }
    if (sheet.m_nLeftColumn != oldLeftColumn) {
        NotifyScrolled(kScrolledColumns, oldLeftColumn, sheet.m_nLeftColumn);
    }
    UpdateScrollBars();
}
