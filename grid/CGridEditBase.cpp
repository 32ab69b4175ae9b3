#include "CGridEditBase.h"

#include <wx/weakref.h>

#include "CGridCell.h"
#include "CGridCellType.h"
#include "CSheetGrid.h"

namespace {

constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

}  // namespace

CGridEditBase::CGridEditBase(CSheetGrid& grid, int id, long style)
    : wxTextCtrl(grid.GetPartWindow(CSheetGrid::kCellAreaId), id, wxEmptyString, wxDefaultPosition,
                 wxDefaultSize,
                 style | wxBORDER_NONE | wxWANTS_CHARS | wxTE_PROCESS_TAB | wxTE_PROCESS_ENTER),
      m_grid(grid) {
    Hide();
    Bind(wxEVT_KEY_DOWN, &CGridEditBase::OnKeyDown, this);
    Bind(wxEVT_CHAR, &CGridEditBase::OnChar, this);
    Bind(wxEVT_KILL_FOCUS, &CGridEditBase::OnKillFocus, this);
}

void CGridEditBase::BeginEdit(const CGridCell& cell) {
    m_nTargetColumn = -1;
    m_nTargetRow = -1;
    m_bCancel = false;
    m_bContinue = false;
    SetEditable(!cell.IsReadOnly());
    SelectAll();
    ShowPosition(GetLastPosition());
}

std::string CGridEditBase::EditedText() const {
    return GetValue().utf8_string();
}

bool CGridEditBase::KeyPasses(int& key) {
    const int column = m_grid.m_nEditColumn;
    const int row = m_grid.m_nEditRow;
    return m_grid.DataSourceOf(column).AllowEditKey(column, row, this, key) &&
           m_grid.CheckEditKey(column, row, this, key);
}

bool CGridEditBase::IsDropped(int character) {
    return character == kTab || character == kEnter || character == kEscape;
}

void CGridEditBase::TypeCharacter(int character) {
    if (IsDropped(character)) {
        return;
    }
    if (InsertsItself(character) || KeyPasses(character)) {
        InsertCharacter(character);
    }
}

bool CGridEditBase::InsertsItself(int) const {
    return false;
}

void CGridEditBase::InsertCharacter(int character) {
    if (character < ' ' && character != '\n') {
        return;
    }
    long from = 0;
    long to = 0;
    GetSelection(&from, &to);
    Replace(from, to, wxString(wxUniChar(static_cast<unsigned>(character))));
    SetInsertionPoint(from + 1);
}

void CGridEditBase::OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
        case WXK_TAB:
            MoveOn(event.ShiftDown() ? -1 : 1, 0);
            return;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            if (event.ControlDown() &&
                (m_grid.m_editCell.GetCellTypeStyle() & CGridCellType::kStyleMultiLine)) {
                // A line break within a cell of several lines.
                TypeCharacter('\n');
                return;
            }
            MoveOn(0, 1);
            return;
        case WXK_DOWN:
            MoveOn(0, 1);
            return;
        case WXK_UP:
            MoveOn(0, -1);
            return;
        case WXK_ESCAPE:
            CancelEdit();
            return;
        case WXK_DELETE: {
            int key = kDeleteCharacter;
            if (KeyPasses(key)) {
                event.Skip();
            }
            return;
        }
        default:
            event.Skip();
    }
}

void CGridEditBase::OnChar(wxKeyEvent& event) {
    const int typed = static_cast<int>(event.GetUnicodeKey());
    if (typed == WXK_NONE || (event.ControlDown() && typed < ' ')) {
        // Keys without a character, and shortcuts such as copy and paste,
        // are the edit field's own.
        event.Skip();
        return;
    }
    if (IsDropped(typed)) {
        return;
    }
    if (InsertsItself(typed)) {
        InsertCharacter(typed);
        return;
    }
    int character = typed;
    if (!KeyPasses(character)) {
        return;
    }
    if (character == typed) {
        // The edit field inserts it as it always does (over the selection,
        // with undo); Backspace erases.
        event.Skip();
        return;
    }
    InsertCharacter(character);
}

void CGridEditBase::MoveOn(int columns, int rows) {
    m_nTargetColumn = m_grid.m_nEditColumn + columns;
    m_nTargetRow = m_grid.m_nEditRow + rows;
    m_bContinue = true;
    m_grid.GetPartWindow(CSheetGrid::kCellAreaId)->SetFocus();
}

void CGridEditBase::CancelEdit() {
    m_bCancel = true;
    m_grid.GetPartWindow(CSheetGrid::kCellAreaId)->SetFocus();
}

void CGridEditBase::OnKillFocus(wxFocusEvent& event) {
    event.Skip();
    if (!m_grid.IsEditing() || m_grid.m_pEditor != this || m_grid.IsBeingDeleted()) {
        return;
    }
    SetEditable(true);
    OnEditEnding();
    // The edit ends once the focus has settled where it went: ending may
    // start the next edit, which takes the focus again.
    wxWeakRef<wxWindow> newFocus(event.GetWindow());
    CallAfter([this, newFocus, edit = m_grid.m_nEditNumber] {
        m_grid.EndEditOnFocusLost(*this, edit, newFocus.get(), m_bCancel, m_bContinue,
                                  m_nTargetColumn, m_nTargetRow);
    });
}
