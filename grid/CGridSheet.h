#pragma once

#include <wx/pen.h>

#include <memory>
#include <vector>

#include "CGridCell.h"
#include "CGridColumnEntry.h"
#include "CGridLayoutRects.h"
#include "CGridMemDataSource.h"
#include "CGridSelection.h"

// Everything a grid keeps for one sheet: its columns and rows with their
// sizes, the current cell and the view, the headings, the default cells,
// the data sources, and the settings that painting and input follow. The
// grid that owns the sheet keeps these fields consistent; the sheet itself
// only builds its tables.
class CGridSheet {
  public:
    // Rows above this count are always of uniform height.
    static constexpr int kMaxRowsWithOwnHeights = 64000;

    // `compare` is the grid's cell comparison, used by the built-in store
    // when it sorts.
    explicit CGridSheet(CGridMemDataSource::Comparison compare);
    ~CGridSheet();
    CGridSheet(const CGridSheet&) = delete;
    CGridSheet& operator=(const CGridSheet&) = delete;

    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    // Keeps the columns up to `count`; new ones get the default width, the
    // current data source, a copy of the grid default cell, and their own
    // index as data-source column.
    void ResizeColumns(int count);
    // Keeps the heights of the rows up to `count`; new rows get the default
    // height. Past kMaxRowsWithOwnHeights rows every row gets the default.
    void ResizeRows(int count);
    // On: every row has the default height. Off: each row its own, starting
    // from the default.
    void SetUniformHeight(bool uniform);

    // Columns.
    std::vector<CGridColumnEntry> m_columns;
    int m_nCurrentColumn = -1;
    int m_nPreviousCurrentColumn = -1;  // before the last applied change
    int m_nLeftColumn = 0;              // first scrolled column shown
    int m_nPreviousLeftColumn = 0;
    int m_nDefaultColumnWidth = 75;
    int m_nPendingColumn = -1;  // target of a move before it is applied

    // Rows.
    int m_nRowCount = 0;
    int m_nCurrentRow = -1;
    int m_nPreviousCurrentRow = -1;
    int m_nTopRow = 0;  // first scrolled row shown
    int m_nPreviousTopRow = 0;
    std::vector<int> m_rowHeights;  // empty with uniform height
    int m_nDefaultRowHeight = 20;
    bool m_bUniformHeight = false;
    int m_nPendingRow = -1;

    // Headings: row -1 is m_topHeadingHeights[0], column -1 m_sideHeadingWidths[0].
    std::vector<int> m_topHeadingHeights{20};
    std::vector<int> m_sideHeadingWidths{25};
    int m_nTopHeadingHeight = 20;
    int m_nSideHeadingWidth = 40;

    // Every new column's default cell is a copy of the grid default cell;
    // heading cells start from the heading default cell.
    CGridCell m_gridDefaultCell;
    CGridCell m_headingDefaultCell;

    int m_nVScrollBarWidth;
    int m_nHScrollBarHeight;
    int m_nTabBarWidth = 0;  // 0: no tab bar
    CGridLayoutRects m_layout;

    // Locked columns and rows never scroll.
    int m_nLockedColumns = 0;
    int m_nLockedRows = 0;
    int m_nLockedColumnsWidth = 0;
    int m_nLockedRowsHeight = 0;

    // Set once the grid is attached or the sheet set up; until then no size
    // notifications go to cell types and nothing is drawn.
    bool m_bReady = false;

    // How the sheet looks and answers the user.
    bool m_bRowHighlight = false;  // the whole current row is drawn as current
    bool m_bHighlightToLastColumn = true;
    bool m_bMultipleSelection = false;
    int m_nCurrentCellStyle = 1;  // bit 2: the current cell in highlight colours
    bool m_bPopupMenu = false;
    bool m_bHints = false;
    bool m_bVScrollHint = false;
    bool m_bHScrollHint = false;
    int m_nInteractiveSizing = 1;
    bool m_bBorderDoubleClickFit = true;
    bool m_bJoinsHonoured = true;
    bool m_bColumnDragging = false;
    bool m_bTextOverflow = true;
    bool m_bGridLines = true;
    int m_nVThumbMode = 0;
    int m_nHThumbMode = 0;
    bool m_bDragPastEdge = true;
    int m_nDragScrollAcceleration = 0;
    int m_nDragScrollDelay = 200;  // milliseconds
    int m_nKeyAccelerationRate = 0;
    int m_nKeyAccelerationDelay = 0;
    int m_nTextMargin = 4;
    bool m_bTrackingWindowPlacement = false;
    bool m_bCancelEditOnLeaving = false;

    // What the mouse is doing (CSheetGrid::kMouse...) and the keys held
    // when its button went down.
    int m_nMouseActivity = 0;
    int m_nMouseKeyFlags = 0;
    CGridSelection m_selection;

    // The font for painting where a cell names none; not owned.
    const wxFont* m_pDefaultFont = nullptr;
    wxPen m_gridLinePen;

    // Where cells are read and written unless their column names another
    // data source; the built-in store unless another was set.
    CGridDataSource* m_pDataSource;
    std::unique_ptr<CGridMemDataSource> m_pMemDataSource;
};
