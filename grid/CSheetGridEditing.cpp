// In-place editing: starting an edit over a cell, ending it with the typed
// text written back, and moving on to the next cell.
#include <wx/dcclient.h>

#include "CGridCellArea.h"
#include "CGridEdit.h"
#include "CGridMaskEdit.h"
#include "CGridSideHeading.h"
#include "CGridTopHeading.h"
#include "CSheetGrid.h"
#include "DisplayText.h"

void CSheetGrid::CreateEditors() {
    m_pDefaultEditor = new CGridEdit(*this);
    m_pMaskEditor = new CGridMaskEdit(*this);
}

wxTextCtrl* CSheetGrid::GetEditor(int id) const {
    if (id == CGridEdit::kId) {
        return m_pDefaultEditor;
    }
    return id == CGridMaskEdit::kId ? m_pMaskEditor : nullptr;
}

int CSheetGrid::SetCancelEditOnLeaving(bool cancel) {
    Sheet().m_bCancelEditOnLeaving = cancel;
    return 0;
}

bool CSheetGrid::IsEditableCell(int column, int row) const {
    const CGridSheet& sheet = Sheet();
    const bool topHeading = row < 0 && -row <= static_cast<int>(sheet.m_topHeadingHeights.size()) &&
                            column >= 0 && column < sheet.ColumnCount();
    const bool sideHeading = column < 0 &&
                             -column <= static_cast<int>(sheet.m_sideHeadingWidths.size()) &&
                             row >= 0 && row < sheet.m_nRowCount;
    return topHeading || sideHeading || IsDataCell(column, row);
}

wxWindow* CSheetGrid::EditWindowFor(int column, int row) const {
    if (row < 0) {
        return m_pTopHeading;
    }
    if (column < 0) {
        return m_pSideHeading;
    }
    return m_pCellArea;
}

int CSheetGrid::StartEdit(int column, int row, int firstCharacter) {
    if (m_bEditing || GetHandle() == nullptr || !IsEditableCell(column, row)) {
        return kEditNotStarted;
    }
    return BeginEditAt(column, row, firstCharacter);
}

int CSheetGrid::StopEditing() {
    m_bEditing = false;
    m_pEditor = nullptr;
    RedrawCell(m_nEditColumn, m_nEditRow);
    return kEditNotStarted;
}

int CSheetGrid::BeginEditAt(int column, int row, int firstCharacter) {
    if (IsDataCell(column, row)) {
        ResolveJoin(column, row);
    }
    m_bEditing = true;
    ++m_nEditNumber;
    m_nEditColumn = column;
    m_nEditRow = row;
    CGridSheet& sheet = Sheet();
    if (sheet.m_selection.BlockCount() > 0) {
        sheet.m_selection.Clear();
        RedrawAll();
    }
    if (IsDataCell(column, row) &&
        (column != sheet.m_nCurrentColumn || row != sheet.m_nCurrentRow) &&
        GotoCell(column, row) != 0) {
        m_bEditing = false;
        return kEditMoveRefused;
    }
    m_editCell.Clear();
    GetCell(column, row, m_editCell);
    CGridCellType& type = CellTypeOf(m_editCell);
    wxRect rect;
    if (!type.IsEditable() || !GetCellRect(column, row, rect) || m_editCell.IsReadOnly()) {
        return StopEditing();
    }
    rect.width -= 1;
    rect.height -= 1;
    type.AdjustEditRect(rect);
    wxTextCtrl* editor = m_pDefaultEditor;
    if (m_editCell.HasMask(CGridCell::kInputMask)) {
        editor = m_pMaskEditor;
    }
    if (!DataSourceOf(column).AllowEditStart(column, row, editor) ||
        !AllowEditStart(column, row, editor) || editor == nullptr) {
        return StopEditing();
    }
    if (m_editCell.GetDataType() == CGridCell::kTypeNumber) {
        m_editCell.SetMask(m_editCell.GetMask() | CGridCell::kNoGrouping);
    }
    ShowEditor(*editor, rect, firstCharacter);
    return kEditStarted;
}

void CSheetGrid::ShowEditor(wxTextCtrl& editor, const wxRect& rect, int firstCharacter) {
    m_pEditor = &editor;
    editor.ChangeValue(ToDisplayText(m_editCell.GetDisplayText().value_or(std::string())));
    const wxFont* font = m_editCell.GetFont() != nullptr ? m_editCell.GetFont() : GetDefaultFont();
    if (font != nullptr) {
        editor.SetFont(*font);
    }
    wxWindow* window = EditWindowFor(m_nEditColumn, m_nEditRow);
    if (editor.GetParent() != window) {
        editor.Reparent(window);
    }
    editor.SetSize(rect);
    editor.Show();
    editor.Raise();
    editor.SetFocus();
    if (auto* ours = dynamic_cast<CGridEditBase*>(&editor)) {
        ours->BeginEdit(m_editCell);
        if (firstCharacter > 0) {
            ours->TypeCharacter(firstCharacter);
        }
    }
}

int CSheetGrid::EndEdit(const std::string& text, bool cancelled, bool continueEdit, int nextColumn,
                        int nextRow) {
    if (!m_bEditing) {
        if (m_pEditor != nullptr) {
            m_pEditor->Hide();
        }
        return 1;
    }
    const int column = m_nEditColumn;
    const int row = m_nEditRow;
    if (!DataSourceOf(column).AllowEditEnd(column, row, m_pEditor, text, cancelled) ||
        !AllowEditEnd(column, row, m_pEditor, text, cancelled)) {
        return 0;
    }
    const bool inCellArea = m_pEditor->GetParent() == m_pCellArea;
    if (wxWindow::FindFocus() == m_pEditor) {
        // The keyboard stays with the grid rather than with a hidden window.
        m_pCellArea->SetFocus();
    }
    m_pEditor->Hide();
    if (!cancelled) {
        const short dataType = m_editCell.GetDataType();
        ChangeStoredCell(column, row, [&](CGridCell& cell) { cell.SetTypedText(text, dataType); });
        if (TextRunsOnPastColumn(column, row, text)) {
            RedrawAll();
        }
    }
    RedrawCell(column, row);
    if (continueEdit && inCellArea) {
        MoveOnTarget(nextColumn, nextRow);
        if (DataSourceOf(column).AllowEditMoveOn(column, row, nextColumn, nextRow) &&
            AllowEditMoveOn(column, row, nextColumn, nextRow) &&
            IsEditableCell(nextColumn, nextRow)) {
            BeginEditAt(nextColumn, nextRow, 0);
            return 1;
        }
    }
    m_bEditing = false;
    m_pEditor = nullptr;
    return 1;
}

bool CSheetGrid::TextRunsOnPastColumn(int column, int row, const std::string& text) {
    const CGridSheet& sheet = Sheet();
    if (!sheet.m_bTextOverflow || column < 0 || column + 1 >= sheet.ColumnCount() ||
        m_pEditor->GetSize().x > GetColumnWidth(column)) {
        return false;
    }
    const CGridCellPool::Lease next = m_cellPool.Borrow();
    GetCell(column + 1, row, *next);
    if (next->HasMask(CGridCell::kText)) {
        return false;
    }
    wxClientDC dc(m_pCellArea);
    dc.SetFont(m_pEditor->GetFont());
    return dc.GetMultiLineTextExtent(ToDisplayText(text)).x > GetColumnWidth(column);
}

void CSheetGrid::MoveOnTarget(int& column, int& row) {
    // A move out of a joined range starts past its far edge.
    const CGridCell::Join join = m_editCell.GetJoin();
    if (m_editCell.HasMask(CGridCell::kJoin) && join.bOrigin) {
        const int lastColumn = m_nEditColumn + join.nColumnOffset;
        const int lastRow = m_nEditRow + join.nRowOffset;
        if (column > m_nEditColumn && column <= lastColumn && row >= m_nEditRow && row <= lastRow) {
            column = lastColumn + 1;
        }
        if (row > m_nEditRow && row <= lastRow && column >= m_nEditColumn && column <= lastColumn) {
            row = lastRow + 1;
        }
    }
    const auto wrap = [](int& index, int count) {
        if (index < 0) {
            index = count - 1;
        } else if (index >= count) {
            index = 0;
        }
    };
    wrap(column, GetColumnCount());
    wrap(row, GetRowCount());
}

void CSheetGrid::EndEditOnFocusLost(CGridEditBase& editor, unsigned edit, wxWindow* newFocus,
                                    bool cancelled, bool continueEdit, int nextColumn,
                                    int nextRow) {
    if (!m_bEditing || m_pEditor != &editor || edit != m_nEditNumber) {
        return;
    }
    // The grid hands its focus to the cell area, so the focus going there
    // goes back to the grid.
    const bool toGrid = newFocus == this || newFocus == m_pCellArea;
    if (Sheet().m_bCancelEditOnLeaving && !toGrid &&
        (newFocus == nullptr || !IsDescendant(newFocus))) {
        cancelled = true;
    }
    if (newFocus == this) {
        m_pCellArea->SetFocus();
    } else if (!toGrid) {
        NotifyFocusLostTo(kSectionCellArea, newFocus);
    }
    if (EndEdit(editor.EditedText(), cancelled, continueEdit, nextColumn, nextRow) == 0) {
        if (IsDataCell(m_nEditColumn, m_nEditRow)) {
            GotoCell(m_nEditColumn, m_nEditRow);
        }
        editor.SetFocus();
        editor.BeginEdit(m_editCell);
    }
}
