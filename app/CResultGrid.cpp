#include "CResultGrid.h"

#include <wx/renderer.h>
#include <wx/toplevel.h>

#include <cstring>

#include "CCompareDlg.h"
#include "ResourceImages.h"

CResultGrid::~CResultGrid() = default;

CResultGrid& CResultGrid::OtherGrid() const {
    return m_bLeftGrid ? m_pDlg->RightGrid() : m_pDlg->LeftGrid();
}

void CResultGrid::InitialiseGrid() {
    m_pDlg = dynamic_cast<CCompareDlg*>(wxGetTopLevelParent(this));
    m_bLeftGrid = m_pDlg != nullptr && &m_pDlg->LeftGrid() == this;
    EnablePopupMenu(true);

    m_font = wxFont(wxFontInfo(8).FaceName("Arial").Family(wxFONTFAMILY_SWISS));
    SetDefaultFont(&m_font);

    SetRowCount(100, false);
    SetColumnCount(2, false);
    // No side heading and no scroll bars: the window's shared bar scrolls.
    SetSideHeadingWidth(0);
    SetVScrollBarWidth(0);
    SetHScrollBarHeight(0);

    SetVScrollTracking(1);
    SetDoubleBuffering(true);
    SetCellType(kColumnStatus, -1, kNormalCellType);
    SetTextOverflow(false);
    SetRowHighlight(true, true);
    SetCurrentCellStyle(2);
    EnableHints(true);

    int* const indexes[] = {&m_nBmpIdentical, &m_nBmpContent, &m_nBmpMissing, &m_nBmpAttrib,
                            &m_nBmpTime,      &m_nBmpSize,    &m_nBmpFolder};
    int resourceId = 129;
    for (int* index : indexes) {
        *index = AddBitmap(LoadResourceBitmap(resourceId++));
    }
}

// The focus is in this grid (its cell area, say) exactly when the user
// moves it; a grid moved by its partner does not hold the focus, so the
// two never echo each other.
bool CResultGrid::HasKeyboardFocus() const {
    for (const wxWindow* window = wxWindow::FindFocus(); window != nullptr;
         window = window->GetParent()) {
        if (window == this) {
            return true;
        }
    }
    return false;
}

void CResultGrid::NotifyTopRowChanged(int, int) {
    if (m_pDlg != nullptr && HasKeyboardFocus()) {
        OtherGrid().SetTopRow(GetTopRow());
    }
}

int CResultGrid::NotifyFromCellType(int, int, int, int, intptr_t) {
    return 0;
}

int CResultGrid::GetHintText(int column, int row, int, std::string& text) {
    text = GetCellText(column, row).value_or(std::string());
    return 1;
}

namespace {

// Cells without text sort after those with text.
int CompareTexts(const CGridCell& a, const CGridCell& b) {
    if (!a.HasMask(CGridCell::kText)) {
        return 1;
    }
    if (!b.HasMask(CGridCell::kText)) {
        return -1;
    }
    const int order = std::strcmp(a.GetText().c_str(), b.GetText().c_str());
    return (order > 0) - (order < 0);
}

int CompareNumbers(const CGridCell& a, const CGridCell& b) {
    const double x = a.GetNumber();
    const double y = b.GetNumber();
    return (x > y) - (x < y);
}

}  // namespace

int CResultGrid::CompareCells(const CGridCell* a, const CGridCell* b, int flags) {
    static const CGridCell noCell;  // stands in for a place that holds no cell
    a = a != nullptr ? a : &noCell;
    b = b != nullptr ? b : &noCell;
    if (flags & 2) {
        std::swap(a, b);
    }
    switch (a->GetDataType()) {
        case 1:
            if (!a->HasMask(CGridCell::kText) && !b->HasMask(CGridCell::kText)) {
                return 0;
            }
            return CompareTexts(*a, *b);
        case 2:
        case 3:
        case 5:
            return CompareNumbers(*a, *b);
        default:
            return CompareTexts(*a, *b);
    }
}

wxColour CResultGrid::GetAreaBackColour(int) {
    return *wxWHITE;
}

void CResultGrid::DrawFocusRectangle(wxDC& dc, const wxRect& rect) {
    wxRect inner = rect;
    inner.width -= 1;
    inner.height -= 1;
    wxRendererNative::Get().DrawFocusRect(this, dc, inner);
}
