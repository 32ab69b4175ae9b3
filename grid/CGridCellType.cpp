#include "CGridCellType.h"

#include <algorithm>

#include "CGridCell.h"
#include "CSheetGrid.h"
#include "DisplayText.h"

namespace {

// Room between the text and the cell's edges.
constexpr int kTextPaddingWidth = 6;
constexpr int kTextPaddingHeight = 2;
// A bitmap keeps this much room above and below it.
constexpr int kBitmapMargins = 4;

// The width a bitmap takes in a row of `rowHeight`: scaled down in
// proportion when it is taller than the room the row leaves.
int BitmapWidthInRow(const wxBitmap& bitmap, int rowHeight) {
    const int room = std::max(0, rowHeight - kBitmapMargins);
    if (bitmap.GetHeight() > room && bitmap.GetHeight() > 0) {
        return bitmap.GetWidth() * room / bitmap.GetHeight();
    }
    return bitmap.GetWidth();
}

}  // namespace

CGridCellType::~CGridCellType() = default;

wxString CGridCellType::GetName() const {
    return "Normal Cell Type (default)";
}

void CGridCellType::GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell) {
    const wxFont* font = cell.GetFont() != nullptr ? cell.GetFont() : m_grid.GetDefaultFont();
    if (font != nullptr) {
        dc.SetFont(*font);
    }
    const wxString text = ToDisplayText(cell.GetDisplayText().value_or(std::string()));
    const wxSize extent = (cell.GetCellTypeStyle() & kStyleMultiLine)
                              ? dc.GetMultiLineTextExtent(text)
                              : dc.GetTextExtent(text);
    int width = extent.x + kTextPaddingWidth;
    if (const wxBitmap* bitmap = cell.GetBitmap(); bitmap != nullptr && bitmap->IsOk()) {
        width += BitmapWidthInRow(*bitmap, size.y);
    }
    size = wxSize(width, extent.y + kTextPaddingHeight);
}

int CGridCellType::DrawFocus(wxDC&, const wxRect&, int, int) {
    return 0;
}

void CGridCellType::OnFocusGained(int, int, const CGridCell&) {}

void CGridCellType::OnFocusLost(int, int, const CGridCell&) {}

void CGridCellType::OnWidthChanged(int, int, int&) {}

void CGridCellType::OnHeightChanged(int, int, int&) {}

int CGridCellType::OnSystemColoursChanged() {
    return 0;
}

int CGridCellType::SetParameter(intptr_t) {
    return 0;
}

int CGridCellType::Notify(int typeIndex, int column, int row, int message, intptr_t parameter) {
    return m_grid.NotifyFromCellType(typeIndex, column, row, message, parameter);
}
