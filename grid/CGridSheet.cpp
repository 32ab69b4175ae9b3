#include "CGridSheet.h"

#include <wx/settings.h>

CGridSheet::CGridSheet(CGridMemDataSource::Comparison compare)
    : m_nVScrollBarWidth(wxSystemSettings::GetMetric(wxSYS_VSCROLL_X)),
      m_nHScrollBarHeight(wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y)),
      m_gridLinePen(wxColour(0xDC, 0xDC, 0xDC), 1, wxPENSTYLE_SOLID),
      m_pMemDataSource(std::make_unique<CGridMemDataSource>(std::move(compare), &m_columns)) {
    m_pDataSource = m_pMemDataSource.get();
    m_headingDefaultCell.SetBackColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    m_headingDefaultCell.SetBorderStyle(CGridCell::kBorderRaised);
    m_headingDefaultCell.SetAlignment(CGridCell::kAlignCentre | CGridCell::kAlignVCentre);
}

CGridSheet::~CGridSheet() = default;

void CGridSheet::ResizeColumns(int count) {
    const int oldCount = ColumnCount();
    m_columns.resize(count);
    for (int column = oldCount; column < count; ++column) {
        CGridColumnEntry& entry = m_columns[column];
        entry.m_nWidth = m_nDefaultColumnWidth;
        entry.m_pDataSource = m_pDataSource;
        entry.m_pDefaultCell = std::make_unique<CGridCell>(CGridCell::Blank());
        entry.m_pDefaultCell->CopyFrom(m_gridDefaultCell);
        entry.m_nDataSourceColumn = column;
    }
}

void CGridSheet::ResizeRows(int count) {
    if (count > kMaxRowsWithOwnHeights && !m_bUniformHeight) {
        SetUniformHeight(true);
    }
    m_nRowCount = count;
    if (!m_bUniformHeight) {
        m_rowHeights.resize(count, m_nDefaultRowHeight);
    }
}

void CGridSheet::SetUniformHeight(bool uniform) {
    m_bUniformHeight = uniform;
    if (uniform) {
        std::vector<int>().swap(m_rowHeights);
    } else {
        m_rowHeights.assign(m_nRowCount, m_nDefaultRowHeight);
    }
}
