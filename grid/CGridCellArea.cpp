#include "CGridCellArea.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include "CGridCellPainter.h"
#include "CGridGeometry.h"
#include "CGridSideHeading.h"
#include "CSheetGrid.h"
#include "KeyAcceleration.h"

namespace {

// One wheel notch scrolls this many rows.
constexpr int kRowsPerNotch = 3;
constexpr int kWheelNotch = 120;
// Pause between scroll steps while the mouse is dragged outside the cells.
constexpr int kDragStepMilliseconds = 30;

}  // namespace

CGridCellArea::CGridCellArea(CSheetGrid& grid)
    : CGridPart(grid, CSheetGrid::kCellAreaId, CSheetGrid::kSectionCellArea), m_dragTimer(this) {
    Bind(wxEVT_PAINT, &CGridCellArea::OnPaint, this);
    Bind(wxEVT_SIZE, &CGridCellArea::OnSize, this);
    Bind(wxEVT_KEY_DOWN, &CGridCellArea::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &CGridCellArea::OnKeyUp, this);
    Bind(wxEVT_CHAR, &CGridCellArea::OnChar, this);
    Bind(wxEVT_LEFT_DOWN, &CGridCellArea::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CGridCellArea::OnLeftUp, this);
    Bind(wxEVT_RIGHT_DOWN, &CGridCellArea::OnRightDown, this);
    Bind(wxEVT_RIGHT_UP, &CGridCellArea::OnRightUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CGridCellArea::OnDoubleClick, this);
    Bind(wxEVT_MOTION, &CGridCellArea::OnMotion, this);
    Bind(wxEVT_MOUSEWHEEL, &CGridCellArea::OnWheel, this);
    Bind(wxEVT_SET_FOCUS, &CGridCellArea::OnFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CGridCellArea::OnFocusLost, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGridCellArea::OnCaptureLost, this);
    Bind(wxEVT_TIMER, &CGridCellArea::OnDragTimer, this);
}

bool CGridCellArea::CellAt(const wxPoint& point, int& column, int& row) {
    wxRect rect;
    return m_grid.CellFromPoint(point, column, row, rect) == 0;
}

// ---------------------------------------------------------------- painting

CGridRange CGridCellArea::RangeIn(const wxRect& rect) const {
    const CGridSheet& sheet = m_grid.Sheet();
    const CGridGeometry geometry(sheet);
    const int left = geometry.ColumnAt(rect.x);
    const int top = geometry.RowAt(rect.y);
    if (rect.IsEmpty() || left < 0 || top < 0) {
        return {0, 0, -1, -1};
    }
    int right = geometry.ColumnAt(rect.GetRight());
    int bottom = geometry.RowAt(rect.GetBottom());
    if (right < 0) {
        right = sheet.ColumnCount() - 1;
    }
    if (bottom < 0) {
        bottom = sheet.m_nRowCount - 1;
    }
    // The scrolled part of a rectangle that starts among the locked cells.
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

wxRect CGridCellArea::RectOf(const CGridRange& range) const {
    const CGridSheet& sheet = m_grid.Sheet();
    const CGridGeometry geometry(sheet);
    const auto extent = [](const std::vector<CGridSpan>& spans, int first, int last, int& start,
                           int& end) {
        start = INT_MAX;
        end = INT_MIN;
        for (const CGridSpan& span : spans) {
            if (span.nIndex >= first && span.nIndex <= last) {
                start = std::min(start, span.nStart);
                end = std::max(end, span.nStart + span.nSize);
            }
        }
        return start < end;
    };
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    if (!extent(geometry.ColumnSpans(), range.nLeft, range.nRight, left, right) ||
        !extent(geometry.RowSpans(), range.nTop, range.nBottom, top, bottom)) {
        return wxRect();
    }
    // A text may run on into the cells to the right.
    if (sheet.m_bTextOverflow) {
        right = std::max(right, GetClientSize().x);
    }
    return wxRect(left, top, right - left, bottom - top);
}

void CGridCellArea::Redraw(const CGridRange& range) {
    m_redraw.Add(range);
    const wxRect rect = RectOf(range);
    if (!rect.IsEmpty()) {
        RefreshRect(rect, false);
    }
}

void CGridCellArea::RedrawEverything() {
    m_redraw.AddEverything();
    Refresh(false);
}

bool CGridCellArea::SetDoubleBuffering(bool buffered) {
    m_bBuffered = buffered;
    m_image = wxBitmap();
    m_spare = wxBitmap();
    RedrawEverything();
    return true;
}

wxRect CGridCellArea::FocusRect() const {
    const CGridSheet& sheet = m_grid.Sheet();
    wxRect rect;
    if (!m_grid.GetCellRect(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, rect)) {
        return wxRect();
    }
    if (sheet.m_bRowHighlight) {
        const std::vector<CGridSpan> columns = CGridGeometry(sheet).ColumnSpans();
        int width = columns.empty() ? 0 : columns.back().nStart + columns.back().nSize;
        if (!sheet.m_bHighlightToLastColumn) {
            width = 0;
            for (int column = sheet.m_nLeftColumn; column < sheet.ColumnCount(); ++column) {
                width += sheet.m_columns[column].m_nWidth;
            }
        }
        rect.x = 0;
        rect.width = width;
    }
    return rect;
}

void CGridCellArea::Paint(wxDC& dc) {
    CGridSheet& sheet = m_grid.Sheet();
    const CGridGeometry geometry(sheet);
    const int currentColumn = sheet.m_nCurrentColumn;
    const int currentRow = sheet.m_nCurrentRow;
    if (sheet.m_bRowHighlight) {
        m_redraw.Add({0, currentRow, sheet.ColumnCount() - 1, currentRow});
    } else {
        m_redraw.Add({currentColumn, currentRow, currentColumn, currentRow});
    }
    const std::vector<CGridSpan> columns = geometry.ColumnSpans();
    const std::vector<CGridSpan> rows = geometry.RowSpans();
    CGridCellPainter painter(m_grid, dc);
    m_nCellsLastPainted = painter.Paint(
        columns, rows, [this](int column, int row) { return m_redraw.Contains(column, row); },
        [&](int column, int row) {
            CGridCellPainter::CellState state;
            state.bCurrent =
                row == currentRow && (sheet.m_bRowHighlight || column == currentColumn);
            int block = 0;
            if (!state.bCurrent && sheet.m_selection.IsSelected(column, row, &block)) {
                state.nSelected = block + 1;
            }
            return state;
        });

    const wxSize size = GetClientSize();
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    if (sheet.m_nLockedColumns > 0) {
        const int x = sheet.m_nLockedColumnsWidth - 1;
        dc.DrawLine(x, 0, x, size.y);
    }
    if (sheet.m_nLockedRows > 0) {
        const int y = sheet.m_nLockedRowsHeight - 1;
        dc.DrawLine(0, y, size.x, y);
    }
    // The space beyond the last column and row.
    const int right = columns.empty() ? 0 : columns.back().nStart + columns.back().nSize;
    const int bottom = rows.empty() ? 0 : rows.back().nStart + rows.back().nSize;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(m_grid.GetAreaBackColour(CSheetGrid::kSectionCellArea)));
    if (right < size.x) {
        dc.DrawRectangle(right, 0, size.x - right, size.y);
    }
    if (bottom < size.y) {
        dc.DrawRectangle(0, bottom, right, size.y - bottom);
    }
    m_redraw.Clear();
}

void CGridCellArea::RenderAll(wxDC& dc, bool withFocus) {
    if (const wxFont* font = m_grid.GetDefaultFont()) {
        dc.SetFont(*font);
    }
    m_grid.PrepareDeviceContext(dc, nullptr, CSheetGrid::kSectionCellArea);
    m_redraw.AddEverything();
    Paint(dc);
    const wxRect focus = FocusRect();
    if (withFocus && !focus.IsEmpty()) {
        m_grid.DrawFocusRectangle(dc, focus);
    }
}

void CGridCellArea::OnPaint(wxPaintEvent&) {
    wxPaintDC screen(this);
    const CGridSheet& sheet = m_grid.Sheet();
    if (!sheet.m_bReady) {
        return;
    }
    ++m_nPaints;
    const wxFont* font = m_grid.GetDefaultFont();
    if (font != nullptr) {
        screen.SetFont(*font);
    }
    const wxSize size = GetClientSize();
    if (m_bBuffered) {
        const wxSize imageSize(std::max(1, size.x), std::max(1, size.y));
        if (!ImageFits(m_image, imageSize)) {
            m_image = MakeImage(imageSize);
            m_redraw.AddEverything();
        }
        wxMemoryDC memory(m_image);
        if (font != nullptr) {
            memory.SetFont(*font);
        }
        m_grid.PrepareDeviceContext(screen, &memory, CSheetGrid::kSectionCellArea);
        Paint(memory);
        memory.SelectObject(wxNullBitmap);
        screen.DrawBitmap(m_image, 0, 0);
    } else {
        m_redraw.Add(RangeIn(GetUpdateRegion().GetBox()));
        m_grid.PrepareDeviceContext(screen, nullptr, CSheetGrid::kSectionCellArea);
        Paint(screen);
    }
    if (HasFocus()) {
        const wxRect focus = FocusRect();
        if (!focus.IsEmpty()) {
            m_grid.DrawFocusRectangle(screen, focus);
        }
    }
}

// An image of `size` in window units with a pixel for every pixel of the
// screen, so that a display scaled to double size shows sharp text.
wxBitmap CGridCellArea::MakeImage(const wxSize& size) const {
    wxBitmap image;
    image.CreateWithDIPSize(size, GetDPIScaleFactor());
    return image;
}

bool CGridCellArea::ImageFits(const wxBitmap& image, const wxSize& size) const {
    return image.IsOk() && image.GetLogicalSize() == size &&
           image.GetScaleFactor() == GetDPIScaleFactor();
}

void CGridCellArea::OnSize(wxSizeEvent& event) {
    RedrawEverything();
    event.Skip();
}

// --------------------------------------------------------------- scrolling

void CGridCellArea::ShiftImage(const wxRect& part, int dx, int dy) {
    if (!ImageFits(m_spare, m_image.GetLogicalSize())) {
        m_spare = MakeImage(m_image.GetLogicalSize());
    }
    wxMemoryDC image(m_image);
    wxMemoryDC spare(m_spare);
    spare.Blit(part.x, part.y, part.width, part.height, &image, part.x - dx, part.y - dy);
    image.Blit(part.x, part.y, part.width, part.height, &spare, part.x, part.y);
}

void CGridCellArea::ShowViewMove(int oldLeftColumn, int oldTopRow) {
    const CGridSheet& sheet = m_grid.Sheet();
    const bool columnsMoved = oldLeftColumn != sheet.m_nLeftColumn;
    const bool rowsMoved = oldTopRow != sheet.m_nTopRow;
    if (!columnsMoved && !rowsMoved) {
        return;
    }
    const wxSize size = GetClientSize();
    const bool imageReady = !m_bBuffered || ImageFits(m_image, size);
    if ((columnsMoved && rowsMoved) || !imageReady || !m_redraw.IsEmpty()) {
        RedrawEverything();
        return;
    }
    const CGridGeometry geometry(sheet);
    wxRect part;
    int dx = 0;
    int dy = 0;
    if (rowsMoved) {
        part = wxRect(0, sheet.m_nLockedRowsHeight, size.x, size.y - sheet.m_nLockedRowsHeight);
        dy = -static_cast<int>(geometry.RowDistance(oldTopRow, sheet.m_nTopRow, part.height));
    } else {
        part = wxRect(sheet.m_nLockedColumnsWidth, 0, size.x - sheet.m_nLockedColumnsWidth, size.y);
        dx = -static_cast<int>(
            geometry.ColumnDistance(oldLeftColumn, sheet.m_nLeftColumn, part.width));
    }
    if (std::abs(dx) >= part.width || std::abs(dy) >= part.height || part.IsEmpty()) {
        RedrawEverything();
        return;
    }
    if (!m_bBuffered) {
        ScrollWindow(dx, dy, &part);
        return;
    }
    ShiftImage(part, dx, dy);
    wxRect strip = part;
    if (dy < 0) {
        strip = wxRect(part.x, part.GetBottom() + 1 + dy, part.width, -dy);
    } else if (dy > 0) {
        strip = wxRect(part.x, part.y, part.width, dy);
    } else if (dx < 0) {
        strip = wxRect(part.GetRight() + 1 + dx, part.y, -dx, part.height);
    } else {
        strip = wxRect(part.x, part.y, dx, part.height);
    }
    m_redraw.Add(RangeIn(strip));
    RefreshRect(part, false);
}

// -------------------------------------------------------------------- keys

int CGridCellArea::KeyStep(int extent) {
    const CGridSheet& sheet = m_grid.Sheet();
    const int rate = sheet.m_nKeyAccelerationRate;
    if (rate >= 1 && m_nKeyDowns / rate == 0 && m_nKeyDowns > 1) {
        wxMilliSleep(sheet.m_nKeyAccelerationDelay);
    }
    return AcceleratedKeyStep(m_nKeyDowns, rate, extent);
}

int CGridCellArea::PageRows(bool down) const {
    const CGridSheet& sheet = m_grid.Sheet();
    const CGridGeometry geometry(sheet);
    const int room = GetClientSize().y - sheet.m_nLockedRowsHeight;
    if (geometry.RowsAllHidden()) {
        return std::max(1,
                        down ? sheet.m_nRowCount - 1 - sheet.m_nCurrentRow : sheet.m_nCurrentRow);
    }
    int rows = 0;
    int used = 0;
    int row = sheet.m_nCurrentRow + (down ? 1 : -1);
    while (row >= 0 && row < sheet.m_nRowCount && used + geometry.RowHeight(row) <= room) {
        used += geometry.RowHeight(row);
        ++rows;
        row += down ? 1 : -1;
    }
    return std::max(1, rows);
}

void CGridCellArea::OnKeyDown(wxKeyEvent& event) {
    CGridSheet& sheet = m_grid.Sheet();
    const CSheetGrid::InputScope input(m_grid, event);
    int key = event.GetKeyCode();
    const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
    m_grid.GetCell(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, *cell);
    const bool handled =
        m_grid.CellTypeOf(*cell).OnKeyDown(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, key);
    m_grid.NotifyKeyDown(key, handled);
    m_nKeyDowns = std::min(m_nKeyDowns, INT_MAX - 1) + 1;
    const bool control = event.ControlDown();
    switch (key) {
        case WXK_PAGEUP:
            m_grid.GotoRow(sheet.m_nCurrentRow - PageRows(false));
            break;
        case WXK_PAGEDOWN:
            m_grid.GotoRow(sheet.m_nCurrentRow + PageRows(true));
            break;
        case WXK_HOME:
            control ? m_grid.GotoRow(0) : m_grid.GotoColumn(0);
            break;
        case WXK_END:
            control ? m_grid.GotoRow(sheet.m_nRowCount - 1)
                    : m_grid.GotoColumn(sheet.ColumnCount() - 1);
            break;
        case WXK_LEFT:
            m_grid.GotoColumn(MovedBy(sheet.m_nCurrentColumn, -KeyStep(sheet.ColumnCount())));
            break;
        case WXK_RIGHT:
            m_grid.GotoColumn(MovedBy(sheet.m_nCurrentColumn, KeyStep(sheet.ColumnCount())));
            break;
        case WXK_UP:
            m_grid.GotoRow(MovedBy(sheet.m_nCurrentRow, -KeyStep(sheet.m_nRowCount)));
            break;
        case WXK_DOWN:
            m_grid.GotoRow(MovedBy(sheet.m_nCurrentRow, KeyStep(sheet.m_nRowCount)));
            break;
        case WXK_F1:
            if (!m_grid.ShowHelpForCell(sheet.m_nCurrentColumn, sheet.m_nCurrentRow,
                                        CSheetGrid::kSectionCellArea)) {
                event.Skip();
            }
            break;
        default:
            event.Skip();
            break;
    }
}

void CGridCellArea::OnKeyUp(wxKeyEvent& event) {
    m_nKeyDowns = 0;
    const CGridSheet& sheet = m_grid.Sheet();
    int key = event.GetKeyCode();
    const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
    m_grid.GetCell(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, *cell);
    const bool handled =
        m_grid.CellTypeOf(*cell).OnKeyUp(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, key);
    m_grid.NotifyKeyUp(key, handled);
    event.Skip();
}

void CGridCellArea::OnChar(wxKeyEvent& event) {
    const CGridSheet& sheet = m_grid.Sheet();
    int character = event.GetUnicodeKey() != WXK_NONE ? static_cast<int>(event.GetUnicodeKey())
                                                      : event.GetKeyCode();
    const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
    m_grid.GetCell(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, *cell);
    const bool handled = m_grid.CellTypeOf(*cell).OnCharacter(sheet.m_nCurrentColumn,
                                                              sheet.m_nCurrentRow, character);
    m_grid.NotifyCharacter(character, handled);
    // A key the cell type left alone goes on to the window: its menu
    // accelerators and mnemonics work while the grid has the focus.
    if (!handled) {
        event.Skip();
    }
}

// ------------------------------------------------------------------- mouse

int CGridCellArea::KeyFlags(const wxMouseEvent& event) const {
    using T = CGridCellType;
    return (event.LeftIsDown() ? T::kKeyLeftButton : 0) |
           (event.RightIsDown() ? T::kKeyRightButton : 0) | (event.ShiftDown() ? T::kKeyShift : 0) |
           (event.ControlDown() ? T::kKeyControl : 0);
}

void CGridCellArea::OnLeftDown(wxMouseEvent& event) {
    CGridSheet& sheet = m_grid.Sheet();
    const CSheetGrid::InputScope input(m_grid, event);
    SetFocus();
    if (!HasCapture()) {
        CaptureMouse();
    }
    m_bLeftPressed = true;
    sheet.m_nMouseActivity = CSheetGrid::kMouseLeftPress;
    sheet.m_nMouseKeyFlags = KeyFlags(event);
    int column = 0;
    int row = 0;
    wxRect rect;
    if (m_grid.CellFromPoint(event.GetPosition(), column, row, rect) == 0) {
        m_grid.GotoCell(column, row);
        const bool handled = ReportButton(true, true, column, row, rect, event.GetPosition());
        m_bTypeHasMouse = handled;
    }
}

// The cell's type sees the button first; the grid's notification is told
// whether it handled it. Whether it did.
bool CGridCellArea::ReportButton(bool left, bool down, int column, int row, const wxRect& rect,
                                 const wxPoint& point) {
    const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
    m_grid.GetCell(column, row, *cell);
    CGridCellType& type = m_grid.CellTypeOf(*cell);
    if (left) {
        const bool handled = type.OnLeftButton(column, row, down, rect, point);
        m_grid.NotifyCellLeftButton(column, row, down, rect, point, handled);
        return handled;
    }
    const bool handled = type.OnRightButton(column, row, down, rect, point);
    m_grid.NotifyCellRightButton(column, row, down, rect, point, handled);
    return handled;
}

void CGridCellArea::OnLeftUp(wxMouseEvent& event) {
    if (!m_bLeftPressed) {
        return;
    }
    m_bLeftPressed = false;
    m_dragTimer.Stop();
    if (HasCapture()) {
        ReleaseMouse();
    }
    CGridSheet& sheet = m_grid.Sheet();
    int column = sheet.m_nCurrentColumn;
    int row = sheet.m_nCurrentRow;
    wxRect rect;
    m_grid.CellFromPoint(event.GetPosition(), column, row, rect);
    ReportButton(true, false, column, row, rect, event.GetPosition());
    m_bTypeHasMouse = false;
    sheet.m_nMouseActivity = CSheetGrid::kMouseNone;
    sheet.m_nPendingColumn = sheet.m_nCurrentColumn;
    sheet.m_nPendingRow = sheet.m_nCurrentRow;
}

void CGridCellArea::OnRightDown(wxMouseEvent& event) {
    CGridSheet& sheet = m_grid.Sheet();
    const CSheetGrid::InputScope input(m_grid, event);
    SetFocus();
    m_bRightPressed = true;
    sheet.m_nMouseActivity = CSheetGrid::kMouseRightPress;
    sheet.m_nMouseKeyFlags = KeyFlags(event);
    int column = 0;
    int row = 0;
    wxRect rect;
    if (m_grid.CellFromPoint(event.GetPosition(), column, row, rect) != 0) {
        sheet.m_nMouseActivity = CSheetGrid::kMouseNone;
        return;
    }
    m_grid.GotoCell(column, row);
    ReportButton(false, true, column, row, rect, event.GetPosition());
    OpenMenuAt(column, row, event.GetPosition());
    sheet.m_nMouseActivity = CSheetGrid::kMouseNone;
}

void CGridCellArea::OnRightUp(wxMouseEvent& event) {
    if (!m_bRightPressed) {
        return;
    }
    m_bRightPressed = false;
    CGridSheet& sheet = m_grid.Sheet();
    int column = 0;
    int row = 0;
    wxRect rect;
    if (m_grid.CellFromPoint(event.GetPosition(), column, row, rect) == 0) {
        ReportButton(false, false, column, row, rect, event.GetPosition());
    }
    sheet.m_nPendingColumn = sheet.m_nCurrentColumn;
    sheet.m_nPendingRow = sheet.m_nCurrentRow;
}

void CGridCellArea::OnDoubleClick(wxMouseEvent& event) {
    int column = 0;
    int row = 0;
    wxRect rect;
    if (m_grid.CellFromPoint(event.GetPosition(), column, row, rect) != 0) {
        return;
    }
    const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
    m_grid.GetCell(column, row, *cell);
    const bool handled =
        m_grid.CellTypeOf(*cell).OnDoubleClick(column, row, rect, event.GetPosition());
    m_grid.NotifyCellDoubleClick(column, row, rect, event.GetPosition(), handled);
}

void CGridCellArea::OnMotion(wxMouseEvent& event) {
    const CSheetGrid::InputScope input(m_grid, event);
    int column = -1;
    int row = -1;
    wxRect rect;
    const bool onCell = m_grid.CellFromPoint(event.GetPosition(), column, row, rect) == 0;
    const int flags = KeyFlags(event);
    if (m_bTypeHasMouse) {
        const CGridSheet& sheet = m_grid.Sheet();
        const int typeColumn = onCell ? column : sheet.m_nCurrentColumn;
        const int typeRow = onCell ? row : sheet.m_nCurrentRow;
        const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
        m_grid.GetCell(typeColumn, typeRow, *cell);
        m_grid.CellTypeOf(*cell).OnMouseMove(typeColumn, typeRow, event.GetPosition(), flags);
        m_grid.NotifyCellMouseMove(typeColumn, typeRow, event.GetPosition(), flags, true);
        return;
    }
    if (onCell) {
        m_grid.NotifyCellMouseMove(column, row, event.GetPosition(), flags, false);
    }
    if (m_bLeftPressed && event.LeftIsDown()) {
        m_grid.Sheet().m_nMouseActivity = CSheetGrid::kMouseDrag;
        m_dragPoint = event.GetPosition();
        if (DragTo(m_dragPoint) && !m_dragTimer.IsRunning()) {
            m_dragTimer.StartOnce(kDragStepMilliseconds);
        }
    }
}

bool CGridCellArea::DragTo(const wxPoint& point) {
    const CGridSheet& sheet = m_grid.Sheet();
    const CGridGeometry geometry(sheet);
    const wxSize size = GetClientSize();
    // One axis: the row (column) under the mouse, or one step beyond the
    // shown ones when the mouse is outside the cells.
    const auto target = [&](int position, int extent, int current, int first, int locked,
                            int lockedSize, int beyond, int count, int stepSize, int at,
                            bool& outside) {
        int step = 1;
        if (sheet.m_nDragScrollAcceleration != 0) {
            const int distance = position < 0 ? -position : position - extent;
            step = static_cast<int>(std::pow(1.0 + std::max(0, distance) / std::max(1, stepSize),
                                             sheet.m_nDragScrollAcceleration));
        }
        if (position < 0 || (position < lockedSize && first > locked)) {
            outside = true;
            return std::max(0, std::min(current, first) - step);
        }
        if (position >= extent || (at < 0 && count > 0)) {
            outside = sheet.m_bDragPastEdge;
            return sheet.m_bDragPastEdge ? std::min(count - 1, std::max(current, beyond - 1) + step)
                                         : std::min(count - 1, std::max(0, beyond - 1));
        }
        return at;
    };
    bool outside = false;
    const int row =
        target(point.y, size.y, sheet.m_nCurrentRow, sheet.m_nTopRow, sheet.m_nLockedRows,
               sheet.m_nLockedRowsHeight, geometry.BottomRow(), sheet.m_nRowCount,
               sheet.m_nDefaultRowHeight, geometry.RowAt(point.y), outside);
    const int column =
        target(point.x, size.x, sheet.m_nCurrentColumn, sheet.m_nLeftColumn, sheet.m_nLockedColumns,
               sheet.m_nLockedColumnsWidth, geometry.RightColumn(), sheet.ColumnCount(),
               sheet.m_nDefaultColumnWidth, geometry.ColumnAt(point.x), outside);
    if (row >= 0 && column >= 0) {
        m_grid.GotoCell(column, row);
    }
    return outside;
}

void CGridCellArea::OnDragTimer(wxTimerEvent&) {
    if (!m_bLeftPressed || !wxGetMouseState().LeftIsDown()) {
        return;
    }
    const CGridSheet& sheet = m_grid.Sheet();
    if (DragTo(m_dragPoint)) {
        const bool slow = sheet.m_nDragScrollAcceleration != 0;
        m_dragTimer.StartOnce(slow ? sheet.m_nDragScrollDelay : kDragStepMilliseconds);
    }
}

void CGridCellArea::OnCaptureLost(wxMouseCaptureLostEvent&) {
    m_bLeftPressed = false;
    m_bTypeHasMouse = false;
    m_dragTimer.Stop();
    m_grid.Sheet().m_nMouseActivity = CSheetGrid::kMouseNone;
}

void CGridCellArea::OnWheel(wxMouseEvent& event) {
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        event.Skip();
        return;
    }
    const int notches = event.GetWheelRotation() / kWheelNotch;
    m_grid.SetTopRow(m_grid.GetTopRow() - notches * kRowsPerNotch);
    if (m_grid.m_pSideHeading != nullptr) {
        m_grid.m_pSideHeading->Refresh(false);
    }
}

// ------------------------------------------------------------------- focus

void CGridCellArea::OnFocus(wxFocusEvent& event) {
    m_grid.NotifyFocusGained(CSheetGrid::kSectionCellArea);
    RedrawFocusMark();
    event.Skip();
}

void CGridCellArea::OnFocusLost(wxFocusEvent& event) {
    m_grid.NotifyFocusLostTo(CSheetGrid::kSectionCellArea, event.GetWindow());
    RedrawFocusMark();
    event.Skip();
}

// The mark runs along the whole current row when rows are highlighted.
void CGridCellArea::RedrawFocusMark() {
    const wxRect focus = FocusRect();
    if (!focus.IsEmpty()) {
        m_redraw.Add(RangeIn(focus));
        RefreshRect(focus, false);
    }
}
