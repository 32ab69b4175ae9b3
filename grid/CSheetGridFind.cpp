// The grid's answer to a find-and-replace dialog: finding the next cell
// with the text, replacing in the current cell or in every cell.
#include <wx/fdrepdlg.h>
#include <wx/msgdlg.h>
// The generic box needs its base class from <wx/msgdlg.h> first.
#include <wx/generic/msgdlgg.h>

#include <algorithm>
#include <array>

#include "CGridFind.h"
#include "CSheetGrid.h"

namespace {

// The requests a find dialog sends (read when needed: they are the
// toolkit's own globals).
std::array<wxEventTypeTag<wxFindDialogEvent>, 5> FindEvents() {
    return {wxEVT_FIND, wxEVT_FIND_NEXT, wxEVT_FIND_REPLACE, wxEVT_FIND_REPLACE_ALL,
            wxEVT_FIND_CLOSE};
}

}  // namespace

void CSheetGrid::SetFindDialog(wxFindReplaceDialog* dialog) {
    if (m_pFindDialog != nullptr) {
        for (const auto& type : FindEvents()) {
            m_pFindDialog->Unbind(type, &CSheetGrid::OnFindDialog, this);
        }
    }
    m_pFindDialog = dialog;
    if (dialog != nullptr) {
        for (const auto& type : FindEvents()) {
            dialog->Bind(type, &CSheetGrid::OnFindDialog, this);
        }
    }
}

int CSheetGrid::SetSearchAcross(bool across) {
    m_bSearchAcross = across;
    return 0;
}

int CSheetGrid::GridColumnOf(int dataSourceColumn) const {
    const CGridSheet& sheet = Sheet();
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
        const CGridColumnEntry& entry = sheet.m_columns[column];
        if (entry.m_nDataSourceColumn == dataSourceColumn &&
            (entry.m_pDataSource == nullptr || entry.m_pDataSource == sheet.m_pDataSource)) {
            return column;
        }
    }
    return -1;
}

void CSheetGrid::OnFindDialog(wxFindDialogEvent& event) {
    if (event.GetEventType() == wxEVT_FIND_CLOSE) {
        SetFindDialog(nullptr);
        RedrawAll();
        // The dialog's owner destroys it.
        event.Skip();
        return;
    }
    const int flags = event.GetFlags();
    CGridFind::Options options;
    options.bMatchCase = (flags & wxFR_MATCHCASE) != 0;
    options.bWholeText = (flags & wxFR_WHOLEWORD) != 0;
    options.bDown = (flags & wxFR_DOWN) != 0;
    options.bAcross = m_bSearchAcross;
    CGridFind find(*Sheet().m_pDataSource, event.GetFindString().utf8_string(),
                   event.GetReplaceString().utf8_string(), options);
    int column = std::max(0, DataSourceColumn(GetCurrentColumn()));
    int row = std::max(0, GetCurrentRow());
    if (event.GetEventType() == wxEVT_FIND_REPLACE && find.ReplaceIn(column, row)) {
        RedrawCell(GetCurrentColumn(), GetCurrentRow());
    }
    bool found = false;
    if (event.GetEventType() == wxEVT_FIND_REPLACE_ALL) {
        found = find.ReplaceAll(column, row) > 0;
        RedrawAll();
    } else {
        found = find.FindNext(column, row);
    }
    if (!found) {
        wxGenericMessageDialog box(
            m_pFindDialog != nullptr ? static_cast<wxWindow*>(m_pFindDialog) : this,
            CGridFind::kNotFoundText, CGridFind::kNotFoundTitle, wxOK);
        box.ShowModal();
        if (m_pFindDialog != nullptr) {
            m_pFindDialog->SetFocus();
        }
        return;
    }
    const int gridColumn = GridColumnOf(column);
    if (gridColumn >= 0) {
        GotoCell(gridColumn, row);
    }
}
