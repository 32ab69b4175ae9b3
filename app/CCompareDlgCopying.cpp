// The main window's copies and deletes: Copy All one way, and the results
// grids' file actions run with the window busy.
#include <wx/scrolbar.h>

#include "CCompareDlg.h"
#include "COXStatic.h"
#include "CProgressMsgDlg.h"
#include "CResultGrid.h"
#include "CompactPath.h"
#include "DisplayText.h"
#include "FileActions.h"
#include "InterruptedCopyCleanup.h"
#include "MessageBox.h"
#include "PathText.h"
#include "PumpMessages.h"

void CCompareDlg::CopyAllToRight() {
    CopyAll(*m_pLeftGrid, *m_pRightGrid, m_strLeftFolder, m_strRightFolder);
}

void CCompareDlg::CopyAllToLeft() {
    CopyAll(*m_pRightGrid, *m_pLeftGrid, m_strRightFolder, m_strLeftFolder);
}

void CCompareDlg::CopyAll(CResultGrid& source, CResultGrid& destination,
                          const std::string& sourceFolder, const std::string& destinationFolder) {
    if (m_bRunning) {
        return;
    }
    AppendBackslash(m_strLeftFolder);
    AppendBackslash(m_strRightFolder);
    UpdateData(false);
    const wxString question = "Are you sure you want to copy ALL the files from\n\n" +
                              ToDisplayText(sourceFolder) + "\n\nto\n\n" +
                              ToDisplayText(destinationFolder) + "?";
    if (ShowMessageBox(question, wxYES_NO | wxICON_QUESTION, this) != wxYES) {
        return;
    }
    SetRunning(true);
    if (!m_bShowIdentical) {
        m_pLeftGrid->HideIdentical(false);
        m_pRightGrid->HideIdentical(false);
    }
    const MessageLines errors = CopyRows(source, destination, destinationFolder);
    SetRunning(false);
    if (!m_bShowIdentical) {
        ShowIdenticalLines();  // the lines copied are identical now
    }
    if (!errors.Empty()) {
        ShowMessageBox(
            "The following errors occured while copying files:\n\n" + ToDisplayText(errors.Text()),
            wxOK | wxICON_ERROR, this);
    }
    NoteGridsChanged();
    FinishPendingClose();
}

// A row's file goes over its counterpart when the destination line has one
// (it may differ in letter case), else to the same relative name. A request
// to close the window stops the copy after the current file.
MessageLines CCompareDlg::CopyRows(CResultGrid& source, CResultGrid& destination,
                                   const std::string& destinationFolder) {
    const int rows = source.GetRowCount();
    CProgressMsgDlg progress(nullptr, this);
    m_displayLimit.Reset();
    MessageLines errors;
    for (int row = 0; row < rows; ++row) {
        const std::string name = source.CellBytes(CResultGrid::kColumnName, row);
        if (name.empty()) {
            continue;
        }
        const std::string sourcePath = source.CellBytes(CResultGrid::kColumnFullPath, row);
        // The progress shows at most 20 times a second (always for the
        // first and the last file); events are delivered in between.
        if (m_displayLimit.Due() || row == rows - 1) {
            std::string compacted;
            if (CompactPathText(sourcePath, compacted, 40)) {
                progress.SetMessage("Copying %s -->", compacted.c_str());
            } else {
                progress.SetMessage("Copying %d of %d", row + 1, rows);
            }
            progress.SetProgress((row + 1) * 100.0 / rows);
        } else if (m_pumpLimit.Due()) {
            ::PumpMessages(1);
        }
        if (m_pendingClose != PendingClose::None || InterruptedCopyCleanup::SignalArrived()) {
            break;  // the window asked to close, or a signal is ending the program
        }

        if (m_unlisted.Covers(name)) {
            errors.Add("Unable to copy " + sourcePath + ": its folder could not be listed");
            continue;
        }
        const bool replacing = destination.HasFile(row);
        const std::string targetName =
            replacing ? destination.CellBytes(CResultGrid::kColumnName, row) : name;
        const std::string target = replacing
                                       ? destination.CellBytes(CResultGrid::kColumnFullPath, row)
                                       : destinationFolder + name;
        std::string reason;
        switch (CopyCreatingFolders(sourcePath, target, &reason)) {
            case CopyOutcome::FolderNotCreated:
                errors.Add("Unable to create folder " + GetFolderOfPath(target));
                break;
            case CopyOutcome::NotCopied:
                errors.Add("Unable to copy " + sourcePath + " to " + target + ": " + reason);
                break;
            case CopyOutcome::Copied:
                destination.TakeLineFrom(source, row, target, targetName);
                break;
        }
    }
    return errors;
}

const std::string& CCompareDlg::FolderOf(bool leftSide) const {
    return leftSide ? m_strLeftFolder : m_strRightFolder;
}

bool CCompareDlg::InUnlistedFolder(std::string_view relativeName) const {
    return m_unlisted.Covers(relativeName);
}

void CCompareDlg::RunFileAction(const std::function<void()>& action) {
    if (m_bRunning) {
        return;
    }
    SetRunning(true);
    action();
    SetRunning(false);
    FinishPendingClose();
}

// Shows that the grids no longer are the result of a compare, and keeps the
// shared bar's range on the rows that remain.
void CCompareDlg::NoteGridsChanged() {
    m_pCompareAgain->Show();
    ShowRowsOnSharedBar(m_pScrollBar->GetThumbPosition());
}
