#include "CSheetGrid.h"

#include <wx/dcclient.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/tooltip.h>

#include <algorithm>
#include <cmath>

#include "CGridCellArea.h"
#include "CGridCellAttachment.h"
#include "CGridCornerButton.h"
#include "CGridGeometry.h"
#include "CGridHScrollBar.h"
#include "CGridHintWnd.h"
#include "CGridLayoutRects.h"
#include "CGridSideHeading.h"
#include "CGridTabBar.h"
#include "CGridTopHeading.h"
#include "CGridVScrollBar.h"

namespace {

constexpr int kBadArgument = 1;
constexpr int kRefused = 2;
constexpr int kMenuDidNotOpen = 3;
// A heading font is this much heavier than the dialog's.
constexpr int kHeadingWeightIncrease = 200;
// The starting width fitted columns need, and the room added around it.
constexpr int kLeastContentWidth = 3;
constexpr int kContentWidthPadding = 2;
// The width columns may take when the cell area has none yet.
constexpr int kFallbackAvailableWidth = 300;
// Tool-tip hints: shown after this long, and up for as long as the toolkit allows.
constexpr long kHintDelayMilliseconds = 200;
constexpr long kHintShownMilliseconds = 32767;
// Scroll hints are at least this wide.
constexpr int kVScrollHintWidth = 40;
constexpr int kHScrollHintWidth = 20;

wxPen SystemPen(wxSystemColour colour) {
    return wxPen(wxSystemSettings::GetColour(colour));
}

}  // namespace

CSheetGrid::CSheetGrid()
    : m_highlightPen(SystemPen(wxSYS_COLOUR_BTNHIGHLIGHT)),
      m_shadowPen(SystemPen(wxSYS_COLOUR_BTNSHADOW)) {
    AddCellType(std::make_unique<CGridCellType>(*this));
    // The drop list, check box and side arrows types keep their indices;
    // until they are registered, cells naming them use the normal type.
    for (int index = kDropListCellType; index <= kSideArrowsCellType; ++index) {
        m_cellTypes.Reserve();
    }
    SetSheetCount(1);
    Bind(wxEVT_SIZE, &CSheetGrid::OnSize, this);
    Bind(wxEVT_PAINT, &CSheetGrid::OnPaint, this);
    Bind(wxEVT_MENU, &CSheetGrid::OnMenu, this);
    Bind(wxEVT_SYS_COLOUR_CHANGED, &CSheetGrid::OnSystemColoursChanged, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent&) {
        if (m_pCellArea != nullptr) {
            m_pCellArea->SetFocus();
        }
    });
}

CSheetGrid::~CSheetGrid() = default;

// ---------------------------------------------------------------- attaching

int CSheetGrid::AttachToDialogItem(wxWindow* parent, int id) {
    wxWindow* placeholder = parent != nullptr ? parent->FindWindow(id) : nullptr;
    if (placeholder == nullptr || placeholder == this || GetHandle() != nullptr) {
        return 0;
    }
    const long border = placeholder->GetWindowStyleFlag() & wxBORDER_MASK;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!Create(placeholder->GetParent(), id, placeholder->GetPosition(), placeholder->GetSize(),
                border | wxWANTS_CHARS | wxCLIP_CHILDREN | wxTAB_TRAVERSAL)) {
        return 0;
    }
    MoveAfterInTabOrder(placeholder);
    if (wxSizer* sizer = placeholder->GetContainingSizer()) {
        sizer->Replace(placeholder, this);
    }
    placeholder->Destroy();
    CreateParts();

    const wxFont dialogFont = parent->GetFont();
    wxFont headingFont = dialogFont;
    headingFont.SetNumericWeight(dialogFont.GetNumericWeight() + kHeadingWeightIncrease);
    const wxFont* defaultFont = m_fonts.Get(AddFont(dialogFont));
    const wxFont* boldFont = m_fonts.Get(AddFont(headingFont));
    for (const auto& sheet : m_sheets) {
        sheet->m_pDefaultFont = defaultFont;
        sheet->m_headingDefaultCell.SetFont(boldFont);
    }

    InitialiseGrid();
    InitialiseSheet(m_nCurrentSheet);
    for (const auto& sheet : m_sheets) {
        sheet->m_bReady = true;
    }
    AdjustLayout();
    return 1;
}

bool CSheetGrid::CreateInWindow(wxWindow* parent, int id, const wxPoint& position,
                                const wxSize& size) {
    if (parent == nullptr || GetHandle() != nullptr) {
        return false;
    }
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!Create(parent, id, position, size, wxWANTS_CHARS | wxCLIP_CHILDREN | wxTAB_TRAVERSAL)) {
        return false;
    }
    CreateParts();
    const wxFont dialogFont = parent->GetFont();
    wxFont headingFont = dialogFont;
    headingFont.SetNumericWeight(dialogFont.GetNumericWeight() + kHeadingWeightIncrease);
    const wxFont* defaultFont = m_fonts.Get(AddFont(dialogFont));
    const wxFont* boldFont = m_fonts.Get(AddFont(headingFont));
    for (const auto& sheet : m_sheets) {
        sheet->m_pDefaultFont = defaultFont;
        sheet->m_headingDefaultCell.SetFont(boldFont);
        sheet->m_bReady = true;
    }
    AdjustLayout();
    return true;
}

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
    m_pCellArea->SetDoubleBuffering(m_bDoubleBuffering);
    for (wxScrollBar* bar :
         {static_cast<wxScrollBar*>(m_pVScrollBar), static_cast<wxScrollBar*>(m_pHScrollBar)}) {
        for (const wxEventTypeTag<wxScrollEvent>& type :
             {wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
              wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK,
              wxEVT_SCROLL_THUMBRELEASE}) {
            bar->Bind(type, &CSheetGrid::OnScrollBar, this);
        }
    }
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

// ------------------------------------------------------------------- sheets

std::unique_ptr<CGridSheet> CSheetGrid::MakeSheet() {
    auto sheet =
        std::make_unique<CGridSheet>([this](const CGridCell* a, const CGridCell* b, int flags) {
            return CompareCells(a, b, flags);
        });
    // A sheet added to an attached grid takes the grid's fonts.
    if (!m_sheets.empty()) {
        sheet->m_pDefaultFont = m_sheets.front()->m_pDefaultFont;
        if (const wxFont* headingFont = m_sheets.front()->m_headingDefaultCell.GetFont()) {
            sheet->m_headingDefaultCell.SetFont(headingFont);
        }
    }
    return sheet;
}

int CSheetGrid::SetSheetCount(int count) {
    if (count <= 0 || count > kMaxSheets) {
        return kBadArgument;
    }
    const int previous = m_nCurrentSheet;
    if (count < GetSheetCount()) {
        m_sheets.resize(count);
    }
    while (GetSheetCount() < count) {
        m_sheets.push_back(MakeSheet());
        m_nCurrentSheet = GetSheetCount() - 1;
        InitialiseSheet(m_nCurrentSheet);
        Sheet().m_bReady = GetHandle() != nullptr;
    }
    if (previous < count) {
        m_nCurrentSheet = previous;
    } else {
        m_nCurrentSheet = 0;
        SetCurrentSheet(count - 1, true);
    }
    return 0;
}

int CSheetGrid::SetCurrentSheet(int index, bool redraw) {
    if (index < 0 || index >= GetSheetCount()) {
        return kBadArgument;
    }
    const bool redrawWas = m_bRedrawEnabled;
    m_bRedrawEnabled = m_bRedrawEnabled && redraw;
    const int tabBarWidth = Sheet().m_nTabBarWidth;
    m_nCurrentSheet = index;
    CGridSheet& sheet = Sheet();
    sheet.m_nTabBarWidth = tabBarWidth;
    sheet.m_nPreviousTopRow = -1;
    sheet.m_nPreviousLeftColumn = -1;
    AdjustLayout();
    m_bRedrawEnabled = redrawWas;
    return 0;
}

// ---------------------------------------------------------- rows and columns

int CSheetGrid::SetRowCount(int count, bool redraw) {
    if (count < 0) {
        return kBadArgument;
    }
    CGridSheet& sheet = Sheet();
    if (count > 0 && count <= sheet.m_nLockedRows) {
        sheet.m_nLockedRows = count - 1;
    }
    sheet.ResizeRows(count);
    sheet.m_nCurrentRow = std::min(sheet.m_nCurrentRow, count - 1);
    sheet.m_nPreviousCurrentRow = std::min(sheet.m_nPreviousCurrentRow, count - 1);
    sheet.m_nPendingRow = std::min(sheet.m_nPendingRow, count - 1);
    const int topRow = sheet.m_nTopRow;
    PlaceParts();
    KeepViewInLimits();
    if (sheet.m_nTopRow != topRow) {
        ApplyChange();
    }
    sheet.m_nLockedRowsHeight = CGridGeometry(sheet).LockedRowsHeight();
    if (sheet.m_nCurrentRow < 0 && count > 0) {
        GotoRow(0);
    }
    if (redraw) {
        RedrawAll();
    }
    return 0;
}

int CSheetGrid::SetColumnCount(int count, bool redraw) {
    if (count < 0 || count > kMaxColumns) {
        return kBadArgument;
    }
    CGridSheet& sheet = Sheet();
    if (count > 0 && count <= sheet.m_nLockedColumns) {
        sheet.m_nLockedColumns = count - 1;
    }
    sheet.ResizeColumns(count);
    sheet.m_selection.SetColumnCount(count);
    sheet.m_nCurrentColumn = std::min(sheet.m_nCurrentColumn, count - 1);
    sheet.m_nPendingColumn = std::min(sheet.m_nPendingColumn, count - 1);
    const int leftColumn = sheet.m_nLeftColumn;
    PlaceParts();
    KeepViewInLimits();
    if (sheet.m_nLeftColumn != leftColumn) {
        ApplyChange();
    }
    sheet.m_nLockedColumnsWidth = CGridGeometry(sheet).LockedColumnsWidth();
    if (sheet.m_nCurrentColumn < 0 && count > 0) {
        GotoColumn(0);
    }
    if (redraw) {
        RedrawAll();
    }
    return 0;
}

int CSheetGrid::DeleteRow(int row) {
    CGridSheet& sheet = Sheet();
    if (row < 0 || row >= sheet.m_nRowCount) {
        return kBadArgument;
    }
    const int result = sheet.m_pDataSource->DeleteRow(row);
    if (result == 0) {
        SetRowCount(sheet.m_nRowCount - 1, true);
    }
    return result;
}

int CSheetGrid::SetLockedColumns(int count) {
    CGridSheet& sheet = Sheet();
    if (count < 0 || count > sheet.ColumnCount()) {
        return kBadArgument;
    }
    sheet.m_nLockedColumns = count;
    sheet.m_nLockedColumnsWidth = CGridGeometry(sheet).LockedColumnsWidth();
    sheet.m_nLeftColumn = count;
    sheet.m_nPreviousLeftColumn = count;
    return 0;
}

int CSheetGrid::SetLockedRows(int count) {
    CGridSheet& sheet = Sheet();
    if (count < 0 || count > sheet.m_nRowCount) {
        return kBadArgument;
    }
    sheet.m_nLockedRows = count;
    sheet.m_nLockedRowsHeight = CGridGeometry(sheet).LockedRowsHeight();
    sheet.m_nTopRow = count;
    sheet.m_nPreviousTopRow = count;
    return 0;
}

int CSheetGrid::GetRightColumn() const {
    return CGridGeometry(Sheet()).RightColumn();
}

int CSheetGrid::GetBottomRow() const {
    return CGridGeometry(Sheet()).BottomRow();
}

// -------------------------------------------------------------------- moves

bool CSheetGrid::IsDataCell(int column, int row) const {
    return column >= 0 && column < GetColumnCount() && row >= 0 && row < GetRowCount();
}

void CSheetGrid::ResolveJoin(int& column, int& row) {
    if (!Sheet().m_bJoinsHonoured) {
        return;
    }
    CGridCell cell = CGridCell::Blank();
    GetCell(column, row, cell);
    const CGridCell::Join join = cell.GetJoin();
    if (cell.HasMask(CGridCell::kJoin) && !join.bOrigin) {
        column += join.nColumnOffset;
        row += join.nRowOffset;
    }
}

int CSheetGrid::JumpOverJoin(int column, int row, bool movingRow, bool forward) {
    const int target = movingRow ? row : column;
    int originColumn = column;
    int originRow = row;
    ResolveJoin(originColumn, originRow);
    const int origin = movingRow ? originRow : originColumn;
    if (origin == target || !forward) {
        return origin;
    }
    CGridCell cell = CGridCell::Blank();
    GetCell(originColumn, originRow, cell);
    const CGridCell::Join join = cell.GetJoin();
    const int pastRange = origin + (movingRow ? join.nRowOffset : join.nColumnOffset) + 1;
    const int count = movingRow ? GetRowCount() : GetColumnCount();
    return pastRange < count ? pastRange : origin;
}

int CSheetGrid::GotoCell(int column, int row) {
    const CGridSheet& sheet = Sheet();
    if (column == sheet.m_nPendingColumn && row == sheet.m_nPendingRow) {
        return 0;
    }
    if (!IsDataCell(column, row)) {
        return kBadArgument;
    }
    ResolveJoin(column, row);
    return MoveCurrentCell(column, row, true);
}

int CSheetGrid::GotoColumn(int column) {
    const CGridSheet& sheet = Sheet();
    if (column == sheet.m_nPendingColumn) {
        return 0;
    }
    if (sheet.ColumnCount() == 0) {
        return kBadArgument;
    }
    const bool forward = column > sheet.m_nPendingColumn;
    column = std::clamp(column, 0, sheet.ColumnCount() - 1);
    if (sheet.m_nPendingRow >= 0) {
        column = JumpOverJoin(column, sheet.m_nPendingRow, false, forward);
    }
    if (column == sheet.m_nPendingColumn) {
        return 0;
    }
    return MoveCurrentCell(column, sheet.m_nPendingRow, true);
}

int CSheetGrid::GotoRow(int row) {
    CGridSheet& sheet = Sheet();
    if (row == sheet.m_nPendingRow) {
        return 0;
    }
    if (sheet.m_nRowCount == 0) {
        return kBadArgument;
    }
    const bool forward = row > sheet.m_nPendingRow;
    row = std::max(row, 0);
    if (row >= sheet.m_nRowCount) {
        // The data source, then a subclass, may bring more rows.
        const int rowsPastEnd = row - sheet.m_nRowCount + 1;
        int rowsFound = 0;
        sheet.m_pDataSource->PastLastRow(sheet.m_nRowCount, rowsPastEnd, rowsFound);
        NotifyPastLastRow(sheet.m_nRowCount, rowsPastEnd, rowsFound);
        if (sheet.m_nPendingRow == sheet.m_nRowCount - 1) {
            return kBadArgument;
        }
        row = std::min(row, sheet.m_nRowCount - 1);
    }
    if (sheet.m_nPendingColumn >= 0) {
        row = JumpOverJoin(sheet.m_nPendingColumn, row, true, forward);
    }
    if (row == sheet.m_nPendingRow) {
        return 0;
    }
    return MoveCurrentCell(sheet.m_nPendingColumn, row, false);
}

// Asks everyone who may refuse, then makes (column, row) the pending cell,
// scrolls it into view and applies the change.
int CSheetGrid::MoveCurrentCell(int column, int row, bool askDataSource) {
    CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    const int leftColumn = geometry.LeftColumnShowing(column);
    const int topRow = geometry.TopRowShowing(row);
    if (askDataSource && !sheet.m_pDataSource->AllowCurrentCellMove(
                             DataSourceColumn(sheet.m_nCurrentColumn), sheet.m_nCurrentRow,
                             DataSourceColumn(column), row)) {
        return kRefused;
    }
    if (!AllowCurrentCellMove(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, column, row)) {
        return kRefused;
    }
    const bool viewMoves = leftColumn != sheet.m_nLeftColumn || topRow != sheet.m_nTopRow;
    if (viewMoves && !AllowViewMove(sheet.m_nLeftColumn, sheet.m_nTopRow, leftColumn, topRow)) {
        return kRefused;
    }
    sheet.m_nPendingColumn = column;
    sheet.m_nPendingRow = row;
    sheet.m_nLeftColumn = leftColumn;
    sheet.m_nTopRow = topRow;
    ApplyChange();
    return 0;
}

int CSheetGrid::SetTopRow(int row) {
    CGridSheet& sheet = Sheet();
    row = std::max(std::min(row, CGridGeometry(sheet).LastTopRow()), sheet.m_nLockedRows);
    if (row == sheet.m_nTopRow) {
        return 0;
    }
    if (!AllowViewMove(sheet.m_nLeftColumn, sheet.m_nTopRow, sheet.m_nLeftColumn, row)) {
        return kRefused;
    }
    sheet.m_nTopRow = row;
    ApplyChange();
    return 0;
}

int CSheetGrid::SetLeftColumn(int column) {
    CGridSheet& sheet = Sheet();
    column =
        std::max(std::min(column, CGridGeometry(sheet).LastLeftColumn()), sheet.m_nLockedColumns);
    if (column == sheet.m_nLeftColumn) {
        return 0;
    }
    if (!AllowViewMove(sheet.m_nLeftColumn, sheet.m_nTopRow, column, sheet.m_nTopRow)) {
        return kRefused;
    }
    sheet.m_nLeftColumn = column;
    ApplyChange();
    return 0;
}

// The pending cell becomes the current cell and everyone concerned hears of
// what changed since the last applied change. The previous values are
// taken first, so that a handler that moves the grid again starts from here.
void CSheetGrid::ApplyChange() {
    CGridSheet& sheet = Sheet();
    const int oldColumn = sheet.m_nPreviousCurrentColumn;
    const int oldRow = sheet.m_nPreviousCurrentRow;
    const int oldLeftColumn = sheet.m_nPreviousLeftColumn;
    const int oldTopRow = sheet.m_nPreviousTopRow;
    const int newColumn = sheet.m_nCurrentColumn = sheet.m_nPendingColumn;
    const int newRow = sheet.m_nCurrentRow = sheet.m_nPendingRow;
    const int newLeftColumn = sheet.m_nLeftColumn;
    const int newTopRow = sheet.m_nTopRow;
    sheet.m_nPreviousCurrentColumn = newColumn;
    sheet.m_nPreviousCurrentRow = newRow;
    sheet.m_nPreviousLeftColumn = newLeftColumn;
    sheet.m_nPreviousTopRow = newTopRow;

    const bool columnChanged = newColumn != oldColumn;
    const bool rowChanged = newRow != oldRow;
    if (columnChanged) {
        sheet.m_pDataSource->OnCurrentColumnChanged(DataSourceColumn(oldColumn),
                                                    DataSourceColumn(newColumn));
        NotifyCurrentColumnChanged(oldColumn, newColumn);
    }
    if (rowChanged) {
        sheet.m_pDataSource->OnCurrentRowChanged(oldRow, newRow);
        NotifyCurrentRowChanged(oldRow, newRow);
    }
    if (columnChanged || rowChanged) {
        NotifyCurrentCellChanged(oldColumn, newColumn, oldRow, newRow);
    }
    if (newLeftColumn != oldLeftColumn) {
        NotifyLeftColumnChanged(oldLeftColumn, newLeftColumn);
    }
    if (newTopRow != oldTopRow) {
        NotifyTopRowChanged(oldTopRow, newTopRow);
    }
    if (columnChanged || rowChanged) {
        CGridCell cell = CGridCell::Blank();
        if (IsDataCell(oldColumn, oldRow)) {
            GetCell(oldColumn, oldRow, cell);
            CellTypeOf(cell).OnFocusLost(oldColumn, oldRow, cell);
        }
        if (IsDataCell(newColumn, newRow)) {
            GetCell(newColumn, newRow, cell);
            CellTypeOf(cell).OnFocusGained(newColumn, newRow, cell);
        }
    }
    if (sheet.m_bReady) {
        UpdateParts(oldLeftColumn, oldTopRow, oldColumn, oldRow);
    }
}

// Keeps the top row and left column between the locked count and the
// largest value that still fills the view.
void CSheetGrid::KeepViewInLimits() {
    CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    sheet.m_nTopRow =
        std::max(std::min(sheet.m_nTopRow, geometry.LastTopRow()), sheet.m_nLockedRows);
    sheet.m_nLeftColumn =
        std::max(std::min(sheet.m_nLeftColumn, geometry.LastLeftColumn()), sheet.m_nLockedColumns);
}

// ------------------------------------------------------------- cell access

int CSheetGrid::DataSourceColumn(int column) const {
    const CGridSheet& sheet = Sheet();
    return column >= 0 && column < sheet.ColumnCount() ? sheet.m_columns[column].m_nDataSourceColumn
                                                       : column;
}

CGridDataSource& CSheetGrid::DataSourceOf(int column) {
    CGridSheet& sheet = Sheet();
    if (column >= 0 && column < sheet.ColumnCount() && sheet.m_columns[column].m_pDataSource) {
        return *sheet.m_columns[column].m_pDataSource;
    }
    return *sheet.m_pDataSource;
}

int CSheetGrid::GetCell(int column, int row, CGridCell& cell) {
    const CGridSheet& sheet = Sheet();
    cell.SetMask(0);
    if (column < 0 || row < 0 || column >= sheet.ColumnCount()) {
        cell.CopyFrom(sheet.m_headingDefaultCell);
    } else if (const CGridCell* defaults = sheet.m_columns[column].m_pDefaultCell.get()) {
        cell.CopyFrom(*defaults);
    }
    if (row >= sheet.m_nRowCount) {
        return 0;
    }
    DataSourceOf(column).GetCell(DataSourceColumn(column), row, cell);
    AdjustCellOnRead(column, row, cell);
    if (CGridCellAttachment* attachment = cell.GetAttachmentA()) {
        attachment->OnCellRead(cell);
    }
    if (CGridCellAttachment* attachment = cell.GetAttachmentB()) {
        attachment->OnCellRead(cell);
    }
    return 0;
}

int CSheetGrid::SetCell(int column, int row, CGridCell& cell) {
    const CGridSheet& sheet = Sheet();
    const int sideColumns = static_cast<int>(sheet.m_sideHeadingWidths.size());
    const int topRows = static_cast<int>(sheet.m_topHeadingHeights.size());
    if (column < -sideColumns || column > sheet.ColumnCount() || row < -topRows ||
        row > sheet.m_nRowCount) {
        return kBadArgument;
    }
    AdjustCellOnWrite(column, row, cell);
    return DataSourceOf(column).SetCell(DataSourceColumn(column), row, cell);
}

std::optional<std::string> CSheetGrid::GetCellText(int column, int row) {
    const CGridCellPool::Lease cell = m_cellPool.Borrow();
    GetCell(column, row, *cell);
    return cell->GetDisplayText();
}

// Reads only what is stored for the cell (no defaults), changes it, and
// writes it back.
int CSheetGrid::ChangeStoredCell(int column, int row,
                                 const std::function<void(CGridCell&)>& change) {
    const CGridCellPool::Lease cell = m_cellPool.Borrow();
    DataSourceOf(column).GetCell(DataSourceColumn(column), row, *cell);
    change(*cell);
    return SetCell(column, row, *cell);
}

int CSheetGrid::SetCellText(int column, int row, const std::string& text) {
    return ChangeStoredCell(column, row, [&](CGridCell& cell) { cell.SetText(text); });
}

int CSheetGrid::SetCellTextColour(int column, int row, const wxColour& colour) {
    return ChangeStoredCell(column, row, [&](CGridCell& cell) { cell.SetTextColour(colour); });
}

int CSheetGrid::SetCellAlignment(int column, int row, uint16_t alignment) {
    return ChangeStoredCell(column, row, [&](CGridCell& cell) { cell.SetAlignment(alignment); });
}

int CSheetGrid::SetCellType(int column, int row, int typeIndex) {
    return ChangeStoredCell(column, row,
                            [&](CGridCell& cell) { cell.SetCellTypeIndex(typeIndex); });
}

int CSheetGrid::SetCellBitmap(int column, int row, int bitmapIndex) {
    const wxBitmap* bitmap = m_bitmaps.Get(bitmapIndex);
    return ChangeStoredCell(column, row, [&](CGridCell& cell) { cell.SetBitmap(bitmap); });
}

// ---------------------------------------------------------------- resources

int CSheetGrid::AddFont(const wxFont& font) {
    const int existing = m_fonts.Find([&](const wxFont& listed) { return listed == font; });
    if (existing >= 0) {
        m_fonts.SetValue(existing, m_fonts.GetValue(existing) + 1);
        return existing;
    }
    const int index = m_fonts.Add(std::make_unique<wxFont>(font));
    m_fonts.SetValue(index, 1);
    return index;
}

int CSheetGrid::AddBitmap(const wxBitmap& bitmap) {
    return bitmap.IsOk() ? m_bitmaps.Add(std::make_unique<wxBitmap>(bitmap)) : -1;
}

int CSheetGrid::SetDefaultFont(const wxFont* font) {
    if (font == nullptr) {
        return kBadArgument;
    }
    Sheet().m_pDefaultFont = font;
    return 0;
}

int CSheetGrid::AddCellType(std::unique_ptr<CGridCellType> type) {
    CGridCellType* added = type.get();
    const int index = m_cellTypes.Add(std::move(type));
    if (index >= 0) {
        added->SetIndex(index);
    }
    return index;
}

CGridCellType& CSheetGrid::CellTypeOf(const CGridCell& cell) {
    const int index = cell.GetCellTypeIndex();
    CGridCellType* type = index > kNormalCellType ? m_cellTypes.Get(index) : nullptr;
    return type != nullptr ? *type : *m_cellTypes.Get(kNormalCellType);
}

int CSheetGrid::SetCellTypeParameter(int typeIndex, intptr_t value) {
    CGridCell cell = CGridCell::Blank();
    cell.SetCellTypeIndex(typeIndex);
    return CellTypeOf(cell).SetParameter(value);
}

// ---------------------------------------------------------------- sizes

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

// ---------------------------------------------------------------- redrawing

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
        int row = oldTopRow - 1;
        while (row > sheet.m_nLockedRows && geometry.RowHeight(row) == 0) {
            --row;
        }
        SetTopRow(row);
    } else if (code == wxEVT_SCROLL_LINEDOWN) {
        int row = oldTopRow + 1;
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

// ---------------------------------------------------------- where cells are

int CSheetGrid::CellFromPoint(const wxPoint& point, int& column, int& row, wxRect& rect) {
    const CGridSheet& sheet = Sheet();
    const wxRect& area = sheet.m_layout.cellArea;
    if (point.x < 0 || point.y < 0 || point.x >= area.width || point.y >= area.height) {
        return kBadArgument;
    }
    const CGridGeometry geometry(sheet);
    const int foundColumn = geometry.ColumnAt(point.x);
    const int foundRow = geometry.RowAt(point.y);
    if (foundColumn < 0 || foundRow < 0) {
        return kBadArgument;
    }
    column = foundColumn;
    row = foundRow;
    ResolveJoin(column, row);
    if (!GetCellRect(column, row, rect)) {
        GetCellRect(foundColumn, foundRow, rect);
    }
    return 0;
}

bool CSheetGrid::GetCellRect(int column, int row, wxRect& rect) {
    const CGridSheet& sheet = Sheet();
    const CGridGeometry geometry(sheet);
    // Where a column or row starts and how long it is along its axis.
    // Heading lines (negative indexes) are stacked outermost first.
    const auto span = [](int index, const std::vector<int>& headingSizes, int& start, int& length,
                         auto startOf, auto lengthOf) {
        if (index >= 0) {
            if (!startOf(index, start)) {
                return false;
            }
            length = lengthOf(index);
            return true;
        }
        if (-index > static_cast<int>(headingSizes.size())) {
            return false;
        }
        start = 0;
        for (int outer = static_cast<int>(headingSizes.size()); outer > -index; --outer) {
            start += headingSizes[outer - 1];
        }
        length = headingSizes[-index - 1];
        return true;
    };
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    if (!span(
            column, sheet.m_sideHeadingWidths, x, width,
            [&](int index, int& start) { return geometry.ColumnStart(index, start); },
            [&](int index) { return geometry.ColumnWidth(index); }) ||
        !span(
            row, sheet.m_topHeadingHeights, y, height,
            [&](int index, int& start) { return geometry.RowStart(index, start); },
            [&](int index) { return geometry.RowHeight(index); })) {
        return false;
    }
    rect = wxRect(x, y, width, height);
    if (column >= 0 && row >= 0 && sheet.m_bJoinsHonoured) {
        const CGridCellPool::Lease cell = m_cellPool.Borrow();
        GetCell(column, row, *cell);
        if (cell->HasMask(CGridCell::kJoin) && cell->GetJoin().bOrigin) {
            const CGridCell::Join join = cell->GetJoin();
            rect.width = static_cast<int>(
                geometry.ColumnDistance(column, column + join.nColumnOffset + 1, INT32_MAX));
            rect.height =
                static_cast<int>(geometry.RowDistance(row, row + join.nRowOffset + 1, INT32_MAX));
        }
    }
    return true;
}

CGridSelection& CSheetGrid::GetSelection() {
    return Sheet().m_selection;
}

int CSheetGrid::EnableColumnDragging(bool enable) {
    Sheet().m_bColumnDragging = enable;
    return 0;
}

int CSheetGrid::EnableScrollHints(bool vertical, bool horizontal) {
    Sheet().m_bVScrollHint = vertical;
    Sheet().m_bHScrollHint = horizontal;
    return 0;
}

int CSheetGrid::SetKeyAcceleration(int rate, int delayMilliseconds) {
    if (rate < 0 || delayMilliseconds < 0) {
        return kBadArgument;
    }
    Sheet().m_nKeyAccelerationRate = rate;
    Sheet().m_nKeyAccelerationDelay = delayMilliseconds;
    return 0;
}

int CSheetGrid::MoveColumn(int from, int to) {
    CGridSheet& sheet = Sheet();
    if (from < 0 || to < 0 || from >= sheet.ColumnCount() || to >= sheet.ColumnCount()) {
        return kBadArgument;
    }
    CGridColumnEntry moved = std::move(sheet.m_columns[from]);
    sheet.m_columns.erase(sheet.m_columns.begin() + from);
    sheet.m_columns.insert(sheet.m_columns.begin() + to, std::move(moved));
    sheet.m_nLockedColumnsWidth = CGridGeometry(sheet).LockedColumnsWidth();
    RedrawAll();
    return 0;
}

void CSheetGrid::ResizeHeadingPart(bool top, int index, int size) {
    CGridSheet& sheet = Sheet();
    std::vector<int>& sizes = top ? sheet.m_topHeadingHeights : sheet.m_sideHeadingWidths;
    int& total = top ? sheet.m_nTopHeadingHeight : sheet.m_nSideHeadingWidth;
    if (index >= 0 || -index > static_cast<int>(sizes.size())) {
        return;
    }
    size = std::clamp(size, 0, kMaxHeadingSize);
    int& part = sizes[-index - 1];
    total = std::clamp(total + size - part, 0, kMaxHeadingSize);
    part = size;
    AdjustLayout();
}

void CSheetGrid::PlaceParts() {
    CGridSheet& sheet = Sheet();
    const wxSize client = GetHandle() != nullptr ? GetClientSize() : wxSize(0, 0);
    CGridLayoutRects rects = CGridLayoutRects::Compute(sheet, client);
    AdjustLayout(rects.cellArea, rects.topHeading, rects.sideHeading, rects.cornerButton,
                 rects.vScrollBar, rects.hScrollBar, rects.tabBar);
    sheet.m_layout = rects;
}

void CSheetGrid::MoveParts() {
    if (m_pCellArea == nullptr) {
        return;
    }
    const CGridLayoutRects& rects = Sheet().m_layout;
    const auto place = [](wxWindow* part, const wxRect& rect) {
        if (rect.IsEmpty()) {
            part->Hide();
        } else {
            part->SetSize(rect);
            part->Show();
        }
    };
    place(m_pCellArea, rects.cellArea);
    place(m_pTopHeading, rects.topHeading);
    place(m_pSideHeading, rects.sideHeading);
    place(m_pCornerButton, rects.cornerButton);
    place(m_pVScrollBar, rects.vScrollBar);
    place(m_pHScrollBar, rects.hScrollBar);
    place(m_pTabBar, rects.tabBar);
    // The square between the two bars belongs to the grid window itself.
    RefreshRect(wxRect(rects.vScrollBar.x, rects.hScrollBar.y, rects.vScrollBar.width,
                       rects.hScrollBar.height),
                false);
}

void CSheetGrid::AdjustLayout() {
    PlaceParts();
    CGridSheet& sheet = Sheet();
    if (sheet.m_bReady) {
        MoveParts();
        KeepViewInLimits();
        RedrawAll();
    }
    sheet.m_nPreviousTopRow = sheet.m_nTopRow;
    sheet.m_nPreviousLeftColumn = sheet.m_nLeftColumn;
}

// ------------------------------------------------------------- data sources

CGridDataSource* CSheetGrid::GetDataSource(int index) {
    if (index == 0) {
        return Sheet().m_pMemDataSource.get();
    }
    return index > 0 && index <= static_cast<int>(m_dataSources.size())
               ? m_dataSources[index - 1].get()
               : nullptr;
}

int CSheetGrid::AddDataSource(std::unique_ptr<CGridDataSource> dataSource) {
    m_dataSources.push_back(std::move(dataSource));
    return static_cast<int>(m_dataSources.size());
}

int CSheetGrid::SetDataSource(int index) {
    CGridDataSource* dataSource = GetDataSource(index);
    if (dataSource == nullptr) {
        return kBadArgument;
    }
    Sheet().m_pDataSource = dataSource;
    return 0;
}

int CSheetGrid::SetColumnDataSource(int column, int index) {
    CGridDataSource* dataSource = GetDataSource(index);
    if (dataSource == nullptr || column < 0 || column >= GetColumnCount()) {
        return kBadArgument;
    }
    Sheet().m_columns[column].m_pDataSource = dataSource;
    return 0;
}

// --------------------------------------------------------------- popup menu

int CSheetGrid::ClearPopupMenu() {
    while (m_popupMenu.GetMenuItemCount() > 0) {
        m_popupMenu.Destroy(m_popupMenu.FindItemByPosition(0));
    }
    return 0;
}

int CSheetGrid::AddPopupMenuItem(int id, const wxString& text) {
    const wxMenuItem* item =
        (text.empty() || id == -1) ? m_popupMenu.AppendSeparator() : m_popupMenu.Append(id, text);
    return item != nullptr ? 0 : kBadArgument;
}

int CSheetGrid::EnablePopupMenu(bool enable) {
    Sheet().m_bPopupMenu = enable;
    return 0;
}

int CSheetGrid::OpenPopupMenu(int column, int row, int section, const wxPoint& position) {
    if (!Sheet().m_bPopupMenu) {
        return kBadArgument;
    }
    if (IsDataCell(column, row)) {
        ResolveJoin(column, row);
    }
    if (!AllowContextMenu(column, row, section)) {
        return kRefused;
    }
    m_nMenuColumn = column;
    m_nMenuRow = row;
    m_nMenuSection = section;
    return PopupMenu(&m_popupMenu, position) ? 0 : kMenuDidNotOpen;
}

void CSheetGrid::OnMenu(wxCommandEvent& event) {
    if (event.GetId() >= kFirstMenuCommand) {
        NotifyMenuCommand(m_nMenuColumn, m_nMenuRow, m_nMenuSection, event.GetId());
    }
    event.Skip();
}

// ---------------------------------------------------------------- settings

int CSheetGrid::EnableHints(bool enable) {
    Sheet().m_bHints = enable;
    if (enable) {
        wxToolTip::Enable(true);
        wxToolTip::SetDelay(kHintDelayMilliseconds);
        wxToolTip::SetReshow(kHintDelayMilliseconds);
        wxToolTip::SetAutoPop(kHintShownMilliseconds);
    } else {
        for (const int id : {kCellAreaId, kTopHeadingId, kSideHeadingId, kCornerButtonId}) {
            if (wxWindow* part = GetPartWindow(id)) {
                part->UnsetToolTip();
            }
        }
    }
    return 0;
}

int CSheetGrid::SetTextOverflow(bool overflow) {
    Sheet().m_bTextOverflow = overflow;
    return 0;
}

int CSheetGrid::SetCurrentCellStyle(int style) {
    if (style < 0 || style > 3) {
        return kBadArgument;
    }
    Sheet().m_nCurrentCellStyle = style;
    return 0;
}

int CSheetGrid::SetRowHighlight(bool highlight, bool toLastColumn) {
    CGridSheet& sheet = Sheet();
    sheet.m_bRowHighlight = highlight;
    const int mode = sheet.m_selection.GetMode();
    if (highlight) {
        sheet.m_bHighlightToLastColumn = toLastColumn;
        sheet.m_selection.SetMode(mode | CGridSelection::kWholeRows);
    } else {
        sheet.m_selection.SetMode(mode & ~CGridSelection::kWholeRows);
    }
    RedrawAll();
    return 0;
}

int CSheetGrid::SetVScrollTracking(int mode) {
    Sheet().m_nVThumbMode = mode;
    UpdateScrollBars();
    return 0;
}

int CSheetGrid::SetDoubleBuffering(bool buffered) {
    m_bDoubleBuffering = buffered;
    if (m_pCellArea != nullptr) {
        m_pCellArea->SetDoubleBuffering(buffered);
    }
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
    return 0;
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

// -------------------------------------------------------------- the window

void CSheetGrid::OnSize(wxSizeEvent& event) {
    Refresh();
    const bool redrawWas = m_bRedrawEnabled;
    m_bRedrawEnabled = false;
    AdjustLayout();
    m_bRedrawEnabled = redrawWas;
    event.Skip();
}

// Only the square between the two scroll bars shows the grid window itself.
void CSheetGrid::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.Clear();
}

void CSheetGrid::OnSystemColoursChanged(wxSysColourChangedEvent& event) {
    for (int index = 0; index < m_cellTypes.Size(); ++index) {
        if (CGridCellType* type = m_cellTypes.Get(index)) {
            type->OnSystemColoursChanged();
        }
    }
    Sheet().m_headingDefaultCell.SetBackColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    m_highlightPen = SystemPen(wxSYS_COLOUR_BTNHIGHLIGHT);
    m_shadowPen = SystemPen(wxSYS_COLOUR_BTNSHADOW);
    RedrawAll();
    event.Skip();
}

// ---------------------------------------------------------- notifications

void CSheetGrid::NotifyFocusGained(int) {}
void CSheetGrid::InitialiseGrid() {}
void CSheetGrid::InitialiseSheet(int) {}
bool CSheetGrid::AllowCurrentCellMove(int, int, int, int) {
    return true;
}
bool CSheetGrid::AllowViewMove(int, int, int, int) {
    return true;
}
void CSheetGrid::NotifyPastLastRow(int, int, int) {}
bool CSheetGrid::AllowColumnResize(int) {
    return true;
}
void CSheetGrid::NotifyColumnResizing(int, int&) {}
void CSheetGrid::NotifyColumnResized(int, int&) {}
bool CSheetGrid::AllowRowResize(int) {
    return true;
}
void CSheetGrid::NotifyRowResizing(int, int&) {}
void CSheetGrid::NotifyRowResized(int, int&) {}
bool CSheetGrid::AllowTopHeadingResize() {
    return true;
}
bool CSheetGrid::AllowSideHeadingResize() {
    return true;
}
int CSheetGrid::NotifyTopHeadingResizing(int&) {
    return 1;
}
int CSheetGrid::NotifySideHeadingResizing(int&) {
    return 1;
}
int CSheetGrid::NotifyTopHeadingResized(int&) {
    return 1;
}
int CSheetGrid::NotifySideHeadingResized(int&) {
    return 1;
}
void CSheetGrid::NotifyCurrentColumnChanged(int, int) {}
void CSheetGrid::NotifyCurrentRowChanged(int, int) {}
void CSheetGrid::NotifyCurrentCellChanged(int, int, int, int) {}
void CSheetGrid::NotifyLeftColumnChanged(int, int) {}
void CSheetGrid::NotifyTopRowChanged(int, int) {}
void CSheetGrid::NotifyScrolled(int, int, int) {}
void CSheetGrid::NotifySelectionChanged(int, int, int, int, int) {}
void CSheetGrid::NotifyCellLeftButton(int, int, bool, const wxRect&, const wxPoint&, bool) {}
void CSheetGrid::NotifyCellRightButton(int, int, bool, const wxRect&, const wxPoint&, bool) {}
void CSheetGrid::NotifyCellDoubleClick(int, int, const wxRect&, const wxPoint&, bool) {}
void CSheetGrid::NotifyCellMouseMove(int, int, const wxPoint&, int, bool) {}

void CSheetGrid::NotifyTopHeadingLeftButton(int, int, bool, const wxRect&, const wxPoint&, bool) {}

void CSheetGrid::NotifyTopHeadingRightButton(int, int, bool, const wxRect&, const wxPoint&, bool) {}

void CSheetGrid::NotifyTopHeadingDoubleClick(int, int, const wxRect&, const wxPoint&, bool) {}

void CSheetGrid::NotifySideHeadingLeftButton(int, int, bool, const wxRect&, const wxPoint&, bool) {}

void CSheetGrid::NotifySideHeadingRightButton(int, int, bool, const wxRect&, const wxPoint&, bool) {
}

void CSheetGrid::NotifySideHeadingDoubleClick(int, int, const wxRect&, const wxPoint&, bool) {}
void CSheetGrid::NotifyCornerLeftButton(bool, const wxRect&, const wxPoint&, bool) {}
void CSheetGrid::NotifyCornerRightButton(bool, const wxRect&, const wxPoint&, bool) {}
void CSheetGrid::NotifyCornerDoubleClick(const wxRect&, const wxPoint&, bool) {}
void CSheetGrid::NotifyKeyDown(int&, bool) {}
void CSheetGrid::NotifyKeyUp(int&, bool) {}
void CSheetGrid::NotifyCharacter(int&, bool) {}
void CSheetGrid::AdjustCellOnRead(int, int, CGridCell&) {}
void CSheetGrid::AdjustCellOnWrite(int, int, CGridCell&) {}
int CSheetGrid::NotifyFromCellType(int, int, int, int, intptr_t) {
    return 1;
}
bool CSheetGrid::AllowEditStart(int, int, wxTextCtrl*&) {
    return true;
}
bool CSheetGrid::CheckEditKey(int, int, wxTextCtrl*, int&) {
    return true;
}

bool CSheetGrid::AllowEditEnd(int, int, wxTextCtrl*, const std::string&, bool) {
    return true;
}

bool CSheetGrid::AllowEditMoveOn(int, int, int&, int&) {
    return true;
}
void CSheetGrid::NotifyMenuCommand(int, int, int, int) {}
bool CSheetGrid::AllowContextMenu(int, int, int) {
    return true;
}
int CSheetGrid::GetHelpContext(int, int, int) {
    return 0;
}

int CSheetGrid::GetHintText(int column, int row, int, std::string& text) {
    text = "Col:" + std::to_string(column) + " Row:" + std::to_string(row);
    return 1;
}

int CSheetGrid::GetVerticalScrollHint(int, std::string&) {
    return 1;
}
int CSheetGrid::GetHorizontalScrollHint(int, std::string&) {
    return 1;
}
wxDragResult CSheetGrid::NotifyDragEnter(const wxDataObject&) {
    return wxDragNone;
}
wxDragResult CSheetGrid::NotifyDragOver(const wxDataObject&, int, int) {
    return wxDragNone;
}
bool CSheetGrid::NotifyDrop(const wxDataObject&, int, int) {
    return false;
}

int CSheetGrid::CompareCells(const CGridCell* a, const CGridCell* b, int flags) {
    return CGridCell::Compare(a, b, flags);
}

void CSheetGrid::PrepareDeviceContext(wxDC&, wxDC*, int) {}

void CSheetGrid::AdjustLayout(wxRect&, wxRect&, wxRect&, wxRect&, wxRect&, wxRect&, wxRect&) {}

void CSheetGrid::NotifyTabSelected(int) {}

wxColour CSheetGrid::GetAreaBackColour(int section) {
    return wxSystemSettings::GetColour(section == kSectionCellArea ? wxSYS_COLOUR_WINDOW
                                                                   : wxSYS_COLOUR_BTNFACE);
}

void CSheetGrid::DrawFocusRectangle(wxDC& dc, const wxRect& rect) {
    const CGridSheet& sheet = Sheet();
    CGridCell cell = CGridCell::Blank();
    GetCell(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, cell);
    if (CellTypeOf(cell).DrawFocus(dc, rect, sheet.m_nCurrentColumn, sheet.m_nCurrentRow) != 0) {
        return;
    }
    wxRect inner = rect;
    inner.width -= 1;
    inner.height -= 1;
    dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(inner);
}

void CSheetGrid::NotifyFocusLostTo(int section, wxWindow*) {
    NotifyFocusLost(section);
}

void CSheetGrid::NotifyFocusLost(int) {}
bool CSheetGrid::AllowColumnDrag(int) {
    return true;
}
bool CSheetGrid::AllowColumnMove(int, int) {
    return true;
}
void CSheetGrid::NotifyColumnMoved(int, int) {}
void CSheetGrid::PlaceTrackingWindow(wxRect&, wxRect&) {}
