// The grid's child windows: making them, finding them by identifier, and
// laying them out right to left.
#include "CGridCellArea.h"
#include "CGridCellHints.h"
#include "CGridCornerButton.h"
#include "CGridDropTarget.h"
#include "CGridEdit.h"
#include "CGridHScrollBar.h"
#include "CGridHintWnd.h"
#include "CGridMaskEdit.h"
#include "CGridSideHeading.h"
#include "CGridTabBar.h"
#include "CGridTopHeading.h"
#include "CGridVScrollBar.h"
#include "CSheetGrid.h"

void CSheetGrid::CreateParts() {
    // The grid window hands the focus to its cells. Were it focusable
    // itself, GTK would give it the focus again each time Tab left the
    // cells, and the keyboard could not leave the grid.
    SetCanFocus(false);
    m_pCellArea = new CGridCellArea(*this);
    m_pTopHeading = new CGridTopHeading(*this);
    m_pSideHeading = new CGridSideHeading(*this);
    m_pCornerButton = new CGridCornerButton(*this);
    m_pTabBar = new CGridTabBar(*this, kTabBarId);
    m_pVScrollBar = new CGridVScrollBar(this, kVScrollBarId);
    m_pHScrollBar = new CGridHScrollBar(this, kHScrollBarId);
    m_pHintWnd = new CGridHintWnd(this);
    m_pCellHints = std::make_unique<CGridCellHints>(this);
    CreateEditors();
    m_pCellArea->SetDoubleBuffering(m_bDoubleBuffering);
    m_pCellArea->SetDropTarget(new CGridDropTarget(*this));
    for (wxScrollBar* bar :
         {static_cast<wxScrollBar*>(m_pVScrollBar), static_cast<wxScrollBar*>(m_pHScrollBar)}) {
        for (const wxEventTypeTag<wxScrollEvent>& type :
             {wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
              wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK,
              wxEVT_SCROLL_THUMBRELEASE}) {
            bar->Bind(type, &CSheetGrid::OnScrollBar, this);
        }
        // The toolkit keeps the scroll bars' button presses to itself; a right
        // press reaches the grid as a context menu request.
        bar->Bind(wxEVT_CONTEXT_MENU, &CSheetGrid::OnScrollBarContextMenu, this);
    }
}

void CSheetGrid::ApplyLayoutDirection(wxLayoutDirection direction) {
    if (direction != wxLayout_RightToLeft || GetLayoutDirection() == wxLayout_RightToLeft) {
        return;
    }
    SetLayoutDirection(direction);
    for (int id = kCellAreaId; id <= kHScrollBarId; ++id) {
        GetPartWindow(id)->SetLayoutDirection(direction);
    }
    m_pHintWnd->SetLayoutDirection(direction);
    m_pCellHints->SetLayoutDirection(direction);
    m_pDefaultEditor->SetLayoutDirection(direction);
    m_pMaskEditor->SetLayoutDirection(direction);
    m_pTabBar->Refresh();
    Refresh();
    Update();
}

const CGridHintWnd& CSheetGrid::CellHintWindow() const {
    return m_pCellHints->Window();
}

wxWindow* CSheetGrid::GetPartWindow(int id) const {
    switch (id) {
        case kCellAreaId:
            return m_pCellArea;
        case kTopHeadingId:
            return m_pTopHeading;
        case kSideHeadingId:
            return m_pSideHeading;
        case kCornerButtonId:
            return m_pCornerButton;
        case kTabBarId:
            return m_pTabBar;
        case kVScrollBarId:
            return m_pVScrollBar;
        case kHScrollBarId:
            return m_pHScrollBar;
        default:
            return nullptr;
    }
}
