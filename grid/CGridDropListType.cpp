#include "CGridDropListType.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include <algorithm>

#include "CGridCell.h"
#include "CSheetGrid.h"

namespace {

// The open column and row while no list is open, and just after one closed
// without a choice.
constexpr int kNoList = -1;
constexpr int kJustClosed = -2;
// The list starts this far right of the cell's left edge.
constexpr int kListIndent = 10;
// Room for the list's border above and below its rows.
constexpr int kListFrame = 6;
// Row height when no font can be measured.
constexpr int kFallbackItemHeight = 12;
// Used when the system names no scroll bar width.
constexpr int kFallbackButtonWidth = 16;
// The screen triangle: rows 5, 3 and 1 pixels wide.
constexpr int kTriangleRows = 3;

const wxColour kReadOnlyGrey(0x80, 0x80, 0x80);

int SystemScrollBarWidth() {
    const int width = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X);
    return width > 0 ? width : kFallbackButtonWidth;
}

wxColour ButtonFace() {
    return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
}

}  // namespace

CGridDropListType::CGridDropListType(CSheetGrid& grid)
    : CGridCellType(grid),
      m_nButtonWidth(SystemScrollBarWidth()),
      m_facePen(ButtonFace()),
      m_faceBrush(ButtonFace()) {
    m_bOverflow = false;
}

CGridDropListType::~CGridDropListType() {
    if (m_pListBox != nullptr) {
        m_pListBox->Detach();
        m_pListBox->Destroy();
    }
}

std::vector<std::string> CGridDropListType::ChoicesOf(const std::string& label) {
    std::vector<std::string> choices;
    size_t start = 0;
    for (size_t end = label.find('\n'); end != std::string::npos; end = label.find('\n', start)) {
        choices.push_back(label.substr(start, end - start));
        start = end + 1;
    }
    return choices;
}

wxString CGridDropListType::GetName() const {
    return "DropList";
}

const std::array<uint8_t, 16>& CGridDropListType::GetTypeIdentifier() const {
    static const std::array<uint8_t, 16> kIdentifier{'V', 'a', 'n', 't', 'r', 'e', 'l', 'D',
                                                     'r', 'o', 'p', 'L', 'i', 's', 't', 0};
    return kIdentifier;
}

wxWindow* CGridDropListType::CellArea() const {
    return m_grid.GetPartWindow(CSheetGrid::kCellAreaId);
}

int CGridDropListType::AdjustEditRect(wxRect& rect) {
    rect.width -= m_nButtonWidth + 1;
    return 0;
}

wxRect CGridDropListType::ButtonRect(const wxRect& inner) const {
    const int width = std::min(Scaled(m_nButtonWidth), inner.width);
    return wxRect(inner.GetRight() + 1 - width, inner.y, width, inner.height);
}

// ------------------------------------------------------------------ drawing

void CGridDropListType::Draw(wxDC& dc, const wxRect& rect, int column, int row,
                             const CGridCell& cell, int selected, bool current) {
    const bool isCurrent = column == m_grid.GetCurrentColumn() && row == m_grid.GetCurrentRow();
    if ((cell.GetCellTypeStyle() & kStyleButtonOnCurrent) && !isCurrent) {
        CGridCellType::Draw(dc, rect, column, row, cell, selected, current);
        return;
    }
    wxRect inner;
    DrawBorder(dc, rect, inner, cell);
    if (inner.IsEmpty()) {
        return;
    }
    const wxRect button = ButtonRect(inner);
    DrawButton(dc, button, m_bButtonPressed && isCurrent, cell.IsReadOnly());
    wxRect text = inner;
    text.width = button.x - 1 - inner.x;
    if (text.width > 0) {
        DrawCellText(dc, text, 0, column, row, cell, selected, current);
    }
}

void CGridDropListType::DrawButton(wxDC& dc, const wxRect& button, bool pressed, bool readOnly) {
    CGridCell edge;
    edge.SetBorderStyle(pressed ? CGridCell::kBorderSunken : CGridCell::kBorderRaised);
    wxRect face;
    DrawBorder(dc, button, face, edge);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(m_faceBrush);
    dc.DrawRectangle(face);
    // The pixel between the text and the button.
    dc.SetPen(m_facePen);
    dc.DrawLine(button.x - 1, button.y, button.x - 1, button.GetBottom() + 1);
    wxRect mark = button;
    if (pressed) {
        mark.Offset(1, 1);
    }
    const wxDCClipper clip(dc, face);
    DrawTriangle(dc, mark, readOnly);
}

void CGridDropListType::DrawTriangle(wxDC& dc, const wxRect& button, bool readOnly) {
    const int centre = button.x + button.width / 2;
    dc.SetPen(*wxTRANSPARENT_PEN);
    if (IsPrinting()) {
        const int half = Scaled(kTriangleRows);
        const int top = button.y + (button.height - half) / 2;
        const wxPoint corners[] = {
            {centre - half, top}, {centre + half, top}, {centre, top + half}};
        dc.SetBrush(*wxBLACK_BRUSH);
        dc.DrawPolygon(3, corners);
        return;
    }
    const int top = button.y + (button.height - kTriangleRows) / 2;
    const auto rows = [&](const wxColour& colour, int shift) {
        dc.SetBrush(wxBrush(colour));
        for (int step = 0; step < kTriangleRows; ++step) {
            const int half = kTriangleRows - 1 - step;
            dc.DrawRectangle(centre - half + shift, top + step + shift, 2 * half + 1, 1);
        }
    };
    if (readOnly) {
        rows(*wxWHITE, 1);
        rows(kReadOnlyGrey, 0);
    } else {
        rows(*wxBLACK, 0);
    }
}

void CGridDropListType::GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell) {
    CGridCellType::GetBestSize(dc, size, cell);
    if (!(cell.GetCellTypeStyle() & kStyleButtonOnCurrent)) {
        size.x += m_nButtonWidth;
    }
}

int CGridDropListType::OnSystemColoursChanged() {
    m_facePen = wxPen(ButtonFace());
    m_faceBrush = wxBrush(ButtonFace());
    return 0;
}

// ------------------------------------------------------------ mouse, keys

void CGridDropListType::SetButtonPressed(bool pressed) {
    if (m_bButtonPressed != pressed) {
        m_bButtonPressed = pressed;
        m_grid.RedrawCell(m_grid.GetCurrentColumn(), m_grid.GetCurrentRow());
    }
}

bool CGridDropListType::OnLeftButton(int column, int row, bool down, const wxRect& rect,
                                     const wxPoint& point) {
    if (!down) {
        if (!m_bTrackingButton) {
            return false;
        }
        m_bTrackingButton = false;
        SetButtonPressed(false);
        return true;
    }
    if (PressExtendsSelection()) {
        return true;
    }
    const wxRect button(rect.GetRight() - m_nButtonWidth, rect.y, m_nButtonWidth + 1, rect.height);
    if (!button.Contains(point)) {
        return false;
    }
    if (m_nOpenColumn == kJustClosed) {
        // This press closed the list.
        m_nOpenColumn = m_nOpenRow = kNoList;
        return true;
    }
    if (m_pListBox != nullptr && column == m_nOpenColumn && row == m_nOpenRow) {
        CloseList(false);
        return true;
    }
    m_buttonRect = button;
    m_bTrackingButton = true;
    SetButtonPressed(true);
    OpenList(column, row);
    return true;
}

bool CGridDropListType::OnDoubleClick(int column, int row, const wxRect& rect,
                                      const wxPoint& point) {
    return OnLeftButton(column, row, true, rect, point);
}

bool CGridDropListType::OnMouseMove(int, int, const wxPoint& point, int keyFlags) {
    if (!m_bTrackingButton || !(keyFlags & kKeyLeftButton)) {
        return false;
    }
    SetButtonPressed(m_buttonRect.Contains(point));
    return true;
}

bool CGridDropListType::OnKeyDown(int column, int row, int& key) {
    const bool enter = key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
    if (!enter && !(key == WXK_DOWN && wxGetKeyState(WXK_CONTROL))) {
        return false;
    }
    OpenList(column, row);
    key = 0;
    return true;
}

bool CGridDropListType::OnCharacter(int, int, int& character) {
    // What opened the list must not also start editing.
    return character == WXK_RETURN || character == WXK_DOWN;
}

void CGridDropListType::OnFocusLost(int, int, const CGridCell&) {
    CloseList(false);
}

// ---------------------------------------------------------------- the list

wxRect CGridDropListType::ListRect(const wxRect& cellRect, int choiceCount,
                                   const wxFont& font) const {
    int itemHeight = kFallbackItemHeight;
    if (font.IsOk()) {
        wxClientDC dc(CellArea());
        dc.SetFont(font);
        itemHeight = dc.GetCharHeight();
    }
    const wxSize area = CellArea()->GetClientSize();
    wxRect list(cellRect.x + kListIndent, cellRect.GetBottom() + 1, cellRect.width,
                std::min(choiceCount, kMostListRows) * itemHeight + kListFrame);
    list.x = std::max(0, std::min(list.x, area.x - list.width));
    list.y = std::max(0, std::min(list.y, area.y - list.height));
    return list;
}

void CGridDropListType::OpenList(int column, int row) {
    wxWindow* area = CellArea();
    if (m_pListBox != nullptr || area == nullptr) {
        return;
    }
    CGridCell cell;
    m_grid.GetCell(column, row, cell);
    if (cell.IsReadOnly()) {
        return;
    }
    m_nOpenColumn = column;
    m_nOpenRow = row;
    std::vector<std::string> choices =
        ChoicesOf(cell.HasMask(CGridCell::kLabel) ? cell.GetLabel() : std::string());
    wxRect cellRect;
    if (Notify(GetIndex(), column, row, kMessageOpening, reinterpret_cast<intptr_t>(&choices)) ==
            0 ||
        !m_grid.GetCellRect(column, row, cellRect)) {
        m_nOpenColumn = m_nOpenRow = kNoList;
        return;
    }
    const wxFont* cellFont = cell.GetFont() != nullptr ? cell.GetFont() : m_grid.GetDefaultFont();
    const wxFont font =
        cellFont != nullptr ? *cellFont : wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    // The press that opened the list leaves the mouse to it.
    if (area->HasCapture()) {
        area->ReleaseMouse();
    }
    m_pListBox = new CGridDropListBox(
        area, ListRect(cellRect, static_cast<int>(choices.size()), font), choices, font, *this);
    m_pListBox->SetFocus();
    m_grid.RedrawCell(column, row);
}

void CGridDropListType::CloseList(bool chosen) {
    if (m_pListBox == nullptr) {
        return;
    }
    CGridDropListBox* box = m_pListBox;
    m_pListBox = nullptr;
    box->Detach();
    wxWindow* area = CellArea();
    // Not from inside the list's own event handler, which may be running.
    area->CallAfter([box] { box->Destroy(); });
    m_bTrackingButton = false;
    m_bButtonPressed = false;
    if (chosen) {
        m_nOpenColumn = m_nOpenRow = kNoList;
    } else {
        // Only the press being handled now may meet the mark; a later one
        // opens the list again.
        m_nOpenColumn = m_nOpenRow = kJustClosed;
        area->CallAfter([this] {
            if (m_nOpenColumn == kJustClosed) {
                m_nOpenColumn = m_nOpenRow = kNoList;
            }
        });
    }
    m_grid.RedrawAll();
    area->SetFocus();
}

void CGridDropListType::OnListChoice(int index) {
    const int column = m_nOpenColumn;
    const int row = m_nOpenRow;
    const std::string text = m_pListBox->GetString(index).utf8_string();
    CloseList(true);
    TakeChoice(column, row, index, text);
}

void CGridDropListType::OnListDismissed() {
    CloseList(false);
}

void CGridDropListType::TakeChoice(int column, int row, int index, std::string text) {
    CGridCell cell;
    m_grid.GetCell(column, row, cell);
    if (cell.IsReadOnly()) {
        return;
    }
    Notify(GetIndex(), column, row, kMessageChoiceIndex, index);
    if (Notify(GetIndex(), column, row, kMessageAllowChoice, reinterpret_cast<intptr_t>(&text)) ==
        0) {
        return;
    }
    m_grid.SetCellText(column, row, text);
    Notify(GetIndex(), column, row, kMessageChoiceStored, reinterpret_cast<intptr_t>(&text));
    m_grid.RedrawCell(column, row);
}
