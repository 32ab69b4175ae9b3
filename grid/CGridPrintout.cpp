#include "CGridPrintout.h"

#include <wx/dc.h>

#include <algorithm>
#include <cmath>

#include "CGridCell.h"
#include "CSheetGrid.h"

namespace {

// The page keeps this much of an inch clear at every edge.
constexpr double kMarginInches = 0.5;

}  // namespace

CGridPrintout::CGridPrintout(CSheetGrid& grid, const wxString& title)
    : wxPrintout(title), m_grid(grid) {}

double CGridPrintout::PrintScale() const {
    int screenX = 0;
    int screenY = 0;
    int printerX = 0;
    int printerY = 0;
    GetPPIScreen(&screenX, &screenY);
    GetPPIPrinter(&printerX, &printerY);
    return screenX > 0 && printerX > 0 ? static_cast<double>(printerX) / screenX : 1.0;
}

int CGridPrintout::Scaled(int pixels) const {
    return static_cast<int>(std::lround(pixels * m_dScale));
}

std::vector<CGridPrintout::Band> CGridPrintout::SplitIntoBands(const std::vector<int>& sizes,
                                                               int room) {
    std::vector<Band> bands;
    int used = 0;
    for (int index = 0; index < static_cast<int>(sizes.size()); ++index) {
        if (bands.empty() || used + sizes[index] > room) {
            bands.push_back({index, index});
            used = 0;
        }
        bands.back().nLast = index;
        used += sizes[index];
    }
    return bands;
}

void CGridPrintout::OnPreparePrinting() {
    int printerX = 0;
    int printerY = 0;
    GetPPIPrinter(&printerX, &printerY);
    m_nMargin = static_cast<int>(printerX * kMarginInches);
    m_dScale = PrintScale();
    int pageWidth = 0;
    int pageHeight = 0;
    GetPageSizePixels(&pageWidth, &pageHeight);

    m_columnWidths.clear();
    m_rowHeights.clear();
    for (int column = 0; column < m_grid.GetColumnCount(); ++column) {
        m_columnWidths.push_back(Scaled(m_grid.GetColumnWidth(column)));
    }
    for (int row = 0; row < m_grid.GetRowCount(); ++row) {
        m_rowHeights.push_back(Scaled(m_grid.GetRowHeight(row)));
    }
    m_columnBands = SplitIntoBands(m_columnWidths, pageWidth - 2 * m_nMargin);
    m_rowBands = SplitIntoBands(m_rowHeights, pageHeight - 2 * m_nMargin);
}

void CGridPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    const int pages = static_cast<int>(m_columnBands.size() * m_rowBands.size());
    *minPage = pages > 0 ? 1 : 0;
    *maxPage = pages;
    *pageFrom = *minPage;
    *pageTo = pages;
}

bool CGridPrintout::HasPage(int page) {
    return page >= 1 && page <= static_cast<int>(m_columnBands.size() * m_rowBands.size());
}

bool CGridPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (dc == nullptr || !HasPage(page)) {
        return false;
    }
    const int bandsAcross = static_cast<int>(m_columnBands.size());
    const Band& columns = m_columnBands[(page - 1) % bandsAcross];
    const Band& rows = m_rowBands[(page - 1) / bandsAcross];
    CGridCell cell;
    int y = m_nMargin;
    for (int row = rows.nFirst; row <= rows.nLast; ++row) {
        int x = m_nMargin;
        for (int column = columns.nFirst; column <= columns.nLast; ++column) {
            if (const wxFont* font = m_grid.GetDefaultFont()) {
                dc->SetFont(*font);
            }
            m_grid.GetCell(column, row, cell);
            CGridCellType& type = m_grid.CellTypeOf(cell);
            type.SetPrintScale(m_dScale);
            type.Print(*dc, wxRect(x, y, m_columnWidths[column], m_rowHeights[row]), column, row,
                       cell, 0, false);
            x += m_columnWidths[column];
        }
        y += m_rowHeights[row];
    }
    return true;
}
