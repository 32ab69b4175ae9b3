#include "CSheetGrid.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include <algorithm>

#include "CGridCellArea.h"
#include "CGridCellAttachment.h"
#include "CGridCellHints.h"
#include "CGridCheckBoxType.h"
#include "CGridCornerButton.h"
#include "CGridDropListType.h"
#include "CGridDropTarget.h"
#include "CGridGeometry.h"
#include "CGridHScrollBar.h"
#include "CGridHintWnd.h"
#include "CGridLayoutRects.h"
#include "CGridSideArrowsType.h"
#include "CGridSideHeading.h"
#include "CGridTabBar.h"
#include "CGridTopHeading.h"
#include "CGridVScrollBar.h"
#include "GridResultCodes.h"

namespace {

// A heading font is this much heavier than the dialog's.
constexpr int kHeadingWeightIncrease = 200;

wxPen SystemPen(wxSystemColour colour) {
    return wxPen(wxSystemSettings::GetColour(colour));
}

}  // namespace

CSheetGrid::CSheetGrid()
    : m_highlightPen(SystemPen(wxSYS_COLOUR_BTNHIGHLIGHT)),
      m_shadowPen(SystemPen(wxSYS_COLOUR_BTNSHADOW)) {
    AddCellType(std::make_unique<CGridCellType>(*this));
    AddCellType(std::make_unique<CGridDropListType>(*this));
    AddCellType(std::make_unique<CGridCheckBoxType>(*this));
    AddCellType(std::make_unique<CGridSideArrowsType>(*this));
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
    const wxLayoutDirection direction = placeholder->GetLayoutDirection();
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
    ApplyLayoutDirection(direction);

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
    ApplyLayoutDirection(parent->GetLayoutDirection());
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
    // The user works on in the sheet just chosen, from the keyboard too.
    if (m_pCellArea != nullptr && m_pCellArea->IsShownOnScreen()) {
        m_pCellArea->SetFocus();
    }
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

int CSheetGrid::SetCellNumber(int column, int row, double number) {
    return ChangeStoredCell(column, row, [&](CGridCell& cell) { cell.SetNumber(number); });
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

void CSheetGrid::OnScrollBarContextMenu(wxContextMenuEvent& event) {
    const CGridSheet& sheet = Sheet();
    auto* bar = static_cast<wxWindow*>(event.GetEventObject());
    if (!sheet.m_bPopupMenu) {
        event.Skip();
        return;
    }
    const int section = bar == m_pVScrollBar ? kSectionVScrollBar : kSectionHScrollBar;
    // The request from the keyboard comes without a place: the menu opens
    // under the mouse.
    const wxPoint screen =
        event.GetPosition() == wxDefaultPosition ? wxGetMousePosition() : event.GetPosition();
    OpenPopupMenu(sheet.m_nCurrentColumn, sheet.m_nCurrentRow, section, ScreenToClient(screen));
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
    if (!enable && m_pCellHints) {
        m_pCellHints->Forget();
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
