// The grid's sizes: rows, columns, headings and bars, and columns fitted to
// their content or to the width.
#include <wx/dcclient.h>
#include <wx/dcscreen.h>

#include <algorithm>
#include <cmath>

#include "CGridGeometry.h"
#include "CSheetGrid.h"
#include "GridResultCodes.h"

namespace {

// The starting width fitted columns need, and the room added around it.
constexpr int kLeastContentWidth = 3;
constexpr int kContentWidthPadding = 2;
// The width columns may take when the cell area has none yet.
constexpr int kFallbackAvailableWidth = 300;

}  // namespace

bool CSheetGrid::IsVisibleAndReady() const {
    return GetHandle() != nullptr && IsShownOnScreen() && Sheet().m_bReady;
}

void CSheetGrid::NotifyColumnWidth(int column, int& width) {
    CGridCell cell = CGridCell::Blank();
    for (const int row : CGridGeometry(Sheet()).ShownRows()) {
        GetCell(column, row, cell);
        CellTypeOf(cell).OnWidthChanged(column, row, width);
    }
    NotifyColumnResized(column, width);
}

void CSheetGrid::NotifyRowHeight(int row, int& height) {
    CGridCell cell = CGridCell::Blank();
    for (const int column : CGridGeometry(Sheet()).ShownColumns()) {
        GetCell(column, row, cell);
        CellTypeOf(cell).OnHeightChanged(column, row, height);
    }
    NotifyRowResized(row, height);
}

// Widths below 0 are taken as 0: the column is hidden. The parts are placed
// again, since the columns may now fit the view or no longer fit it.
void CSheetGrid::StoreColumnWidth(int column, int width) {
    CGridSheet& sheet = Sheet();
    sheet.m_columns[column].m_nWidth = std::max(0, width);
    sheet.m_nLockedColumnsWidth = CGridGeometry(sheet).LockedColumnsWidth();
    AdjustLayout();
}

int CSheetGrid::SetColumnWidth(int column, int width) {
    const CGridSheet& sheet = Sheet();
    if (column < 0 && column >= -static_cast<int>(sheet.m_sideHeadingWidths.size())) {
        return SetSideHeadingColumnWidth(column, width);
    }
    if (column < 0 || column >= sheet.ColumnCount()) {
        return kBadArgument;
    }
    if (IsVisibleAndReady()) {
        NotifyColumnWidth(column, width);
    }
    StoreColumnWidth(column, width);
    return 0;
}

int CSheetGrid::GetColumnWidth(int column) const {
    return CGridGeometry(Sheet()).ColumnWidth(column);
}

int CSheetGrid::SetRowHeight(int row, int height) {
    CGridSheet& sheet = Sheet();
    if (row < 0) {
        return SetTopHeadingRowHeight(row, height);
    }
    if (row >= sheet.m_nRowCount) {
        return kBadArgument;
    }
    if (IsVisibleAndReady()) {
        NotifyRowHeight(row, height);
    }
    height = std::max(0, height);
    if (sheet.m_bUniformHeight) {
        sheet.m_nDefaultRowHeight = height;
    } else {
        sheet.m_rowHeights[row] = height;
    }
    sheet.m_nLockedRowsHeight = CGridGeometry(sheet).LockedRowsHeight();
    AdjustLayout();
    return 0;
}

int CSheetGrid::GetRowHeight(int row) const {
    return CGridGeometry(Sheet()).RowHeight(row);
}

int CSheetGrid::SetUniformRowHeight(bool uniform) {
    CGridSheet& sheet = Sheet();
    sheet.SetUniformHeight(uniform);
    sheet.m_nLockedRowsHeight = CGridGeometry(sheet).LockedRowsHeight();
    AdjustLayout();
    return 0;
}

// One heading row (column) takes a new size; with a single one, the whole
// heading does.
int CSheetGrid::SetHeadingSize(std::vector<int>& sizes, int& total, int index, int size) {
    if (index >= 0 || index < -static_cast<int>(sizes.size())) {
        return kBadArgument;
    }
    if (size < 0 || size > kMaxHeadingSize) {
        return kRefused;
    }
    sizes[-index - 1] = size;
    if (sizes.size() == 1 && total != size) {
        total = size;
        AdjustLayout();
    }
    return 0;
}

int CSheetGrid::SetTopHeadingRowHeight(int index, int height) {
    CGridSheet& sheet = Sheet();
    return SetHeadingSize(sheet.m_topHeadingHeights, sheet.m_nTopHeadingHeight, index, height);
}

int CSheetGrid::SetSideHeadingColumnWidth(int index, int width) {
    CGridSheet& sheet = Sheet();
    return SetHeadingSize(sheet.m_sideHeadingWidths, sheet.m_nSideHeadingWidth, index, width);
}

// The heading's rows (columns) keep their proportions; a heading that had
// no size shares the new one equally.
int CSheetGrid::ScaleHeading(std::vector<int>& sizes, int& total, int size) {
    if (size < 0 || size > kMaxHeadingSize) {
        return kBadArgument;
    }
    for (int& part : sizes) {
        part = total > 0 ? static_cast<int>(std::lround(static_cast<double>(part) * size / total))
                         : static_cast<int>(std::lround(static_cast<double>(size) / sizes.size()));
    }
    total = size;
    AdjustLayout();
    return 0;
}

int CSheetGrid::SetTopHeadingHeight(int height) {
    CGridSheet& sheet = Sheet();
    return ScaleHeading(sheet.m_topHeadingHeights, sheet.m_nTopHeadingHeight, height);
}

int CSheetGrid::SetSideHeadingWidth(int width) {
    CGridSheet& sheet = Sheet();
    return ScaleHeading(sheet.m_sideHeadingWidths, sheet.m_nSideHeadingWidth, width);
}

int CSheetGrid::SetVScrollBarWidth(int width) {
    if (width < 0 || width > kMaxHeadingSize) {
        return kBadArgument;
    }
    Sheet().m_nVScrollBarWidth = width;
    AdjustLayout();
    return 0;
}

int CSheetGrid::SetHScrollBarHeight(int height) {
    if (height < 0 || height > kMaxHeadingSize) {
        return kBadArgument;
    }
    Sheet().m_nHScrollBarHeight = height;
    AdjustLayout();
    return 0;
}

// ------------------------------------------------------------------ fitting

int CSheetGrid::FitColumnsToWidth(int first, int last) {
    CGridSheet& sheet = Sheet();
    if (first < 0 || first > last || last >= sheet.ColumnCount()) {
        return kBadArgument;
    }
    const bool wasReady = sheet.m_bReady;
    sheet.m_bReady = true;
    int64_t sum = 0;
    for (int column = first; column <= last; ++column) {
        sum += sheet.m_columns[column].m_nWidth;
    }
    const int area = sheet.m_layout.cellArea.width;
    const int columns = last - first + 1;
    int given = 0;
    for (int column = first; column < last; ++column) {
        // Columns of no width at all share the area equally.
        const int width = sum > 0 ? static_cast<int>(sheet.m_columns[column].m_nWidth *
                                                     (static_cast<double>(area) / sum))
                                  : area / columns;
        SetColumnWidth(column, width);
        given += GetColumnWidth(column);
    }
    SetColumnWidth(last, area - given);
    sheet.m_bReady = wasReady;
    RedrawAll();
    return 0;
}

int CSheetGrid::FitColumnsToContent(int first, int last, int rowLimit, int flags) {
    CGridSheet& sheet = Sheet();
    const int sideColumns = static_cast<int>(sheet.m_sideHeadingWidths.size());
    const int topRows = static_cast<int>(sheet.m_topHeadingHeights.size());
    if (first < -sideColumns) {
        return 1;
    }
    if (last >= sheet.ColumnCount()) {
        return 2;
    }
    if (last < first) {
        return 3;
    }
    // The heading rows when asked for, the locked rows, then the rows from
    // the top row on, as many as the limit allows.
    std::vector<int> rows;
    const auto take = [&](int from, int to) {
        for (int row = from; row < to && static_cast<int>(rows.size()) < rowLimit; ++row) {
            rows.push_back(row);
        }
    };
    if (flags & 1) {
        take(-topRows, 0);
    }
    take(0, sheet.m_nLockedRows);
    take(sheet.m_nTopRow, sheet.m_nRowCount);
    FitColumnsToRows(first, last, rows);
    return 0;
}

void CSheetGrid::FitColumnsToRows(int first, int last, std::span<const int> rows) {
    CGridSheet& sheet = Sheet();
    std::unique_ptr<wxDC> dc;
    if (GetHandle() != nullptr) {
        dc = std::make_unique<wxClientDC>(this);
    } else {
        dc = std::make_unique<wxScreenDC>();
    }
    const int available = sheet.m_layout.cellArea.width > 0
                              ? sheet.m_layout.cellArea.width - sheet.m_nVScrollBarWidth
                              : kFallbackAvailableWidth;
    const CGridGeometry geometry(sheet);
    int sideHeadingWidth = 0;
    CGridCell cell = CGridCell::Blank();
    // Texts are measured once each while this fit lasts.
    std::unordered_map<std::wstring, wxSize> measured;
    struct MeasuringScope {
        CSheetGrid& grid;
        std::unordered_map<std::wstring, wxSize>* previous;
        ~MeasuringScope() { grid.m_pMeasuredTexts = previous; }
    } scope{*this, m_pMeasuredTexts};
    m_pMeasuredTexts = &measured;
    for (int column = first; column <= last; ++column) {
        int needed = kLeastContentWidth;
        for (const int row : rows) {
            GetCell(column, row, cell);
            if (sheet.m_bJoinsHonoured && cell.HasMask(CGridCell::kJoin)) {
                continue;
            }
            const int height =
                row < 0 ? sheet.m_topHeadingHeights[-row - 1] : geometry.RowHeight(row);
            const int width =
                column < 0 ? sheet.m_sideHeadingWidths[-column - 1] : geometry.ColumnWidth(column);
            wxSize size(width, height);
            CellTypeOf(cell).GetBestSize(*dc, size, cell);
            needed = std::max(needed, size.x);
        }
        int width = needed <= available ? needed + kContentWidthPadding : available;
        if (column < 0) {
            SetSideHeadingColumnWidth(column, width);
            sideHeadingWidth += width;
        } else {
            NotifyColumnWidth(column, width);
            StoreColumnWidth(column, width);
        }
    }
    if (first < 0) {
        SetSideHeadingWidth(sideHeadingWidth);
    }
    AdjustLayout();
}

wxSize CSheetGrid::MeasureText(wxDC& dc, const wxString& text, bool multiLine) {
    const auto measure = [&] {
        return multiLine ? dc.GetMultiLineTextExtent(text) : dc.GetTextExtent(text);
    };
    if (m_pMeasuredTexts == nullptr) {
        return measure();
    }
    // Copies of one font share its data, so the data's address names the
    // font for as long as the fit lasts.
    const void* font = dc.GetFont().GetRefData();
    std::wstring key(reinterpret_cast<const wchar_t*>(&font), sizeof font / sizeof(wchar_t));
    key += multiLine ? L'\n' : L'\0';
    key.append(text.wc_str(), text.length());
    const auto [entry, added] = m_pMeasuredTexts->try_emplace(std::move(key));
    if (added) {
        entry->second = measure();
    }
    return entry->second;
}
