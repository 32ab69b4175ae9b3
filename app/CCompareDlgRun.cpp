// The main window's compare run: the Compare button, the engine's steps
// with the window's progress, the rows shown in the grids, the summary and
// the folders that could not be listed.
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/scrolbar.h>
#include <wx/statbox.h>
#include <wx/utils.h>

#include <chrono>

#include "CCompareDlg.h"
#include "COXStatic.h"
#include "CResultGrid.h"
#include "DisplayText.h"
#include "MainWindowColours.h"
#include "MessageBox.h"
#include "PathText.h"
#include "PumpMessages.h"
#include "TraceLog.h"

void CCompareDlg::OnCompare() {
    if (m_bRunning) {
        return;
    }
    UpdateData(true);
    AppendBackslash(m_strLeftFolder);
    AppendBackslash(m_strRightFolder);
    UpdateData(false);

    SetRunning(true);
    m_pAbort->Show();
    m_pCompare->Hide();
    m_pCompareAgain->Hide();
    m_pStatus->Show();
    m_pStatusBox->Show();
    m_pProgress->SetValue(0);
    m_pProgress->Show();
    KeepKeyboardFocus(*m_pAbort);

    const bool finished = CompareFolders() != 0;

    UpdateData(false);
    m_pAbort->Hide();
    m_pCompare->Show();
    m_pStatus->Hide();
    m_pProgress->SetValue(0);
    m_pProgress->Hide();
    m_pStatusBox->Hide();
    ShowCopyAllButtons(true);
    SetRunning(false);

    if (FinishPendingClose()) {
        return;
    }
    if (finished && !IsComplete()) {
        ShowUnlistedFolders();
    }
}

void CCompareDlg::ReportUnlistedFolder(const UnlistedFolders::Folder&) {
    // They are named all at once when the run has ended (ShowUnlistedFolders).
}

void CCompareDlg::ShowUnlistedFolders() {
    MessageLines lines;
    for (const UnlistedFolders::Folder& folder : m_unlisted.All()) {
        lines.Add(PathForMessage(folder.path) + "  (" + folder.reason + ")");
    }
    ShowMessageBox(
        "ERROR:  These folders could not be listed, so the compare did not see all their "
        "files:\n\n" +
            ToDisplayText(lines.Text()),
        wxOK | wxICON_ERROR, this);
}

int CCompareDlg::CompareFolders() {
    const auto start = std::chrono::steady_clock::now();
    m_counts = {};
    UpdateData(true);
    m_pAbort->Show();
    m_pProgress->Show();
    ResetGrid(*m_pLeftGrid);
    ResetGrid(*m_pRightGrid);
    FreeResults();  // the last run's rows, which the grids no longer read
    m_strVerdict = "Comparing....";
    SetVerdictColours(kLightBlue, *wxBLACK);
    UpdateData(false);
    ::PumpMessages(1);
    wxBeginBusyCursor();

    if (!RunEngineStep(&CCompareEngine::GatherFileStatus)) {
        m_bAbort = false;
        m_pAbort->Hide();
        wxEndBusyCursor();
        return 0;
    }

    const int rows = static_cast<int>(m_results.size());
    m_pLeftGrid->ShowResults(m_results, m_strLeftFolder, m_bDisregardAttributes);
    m_pRightGrid->ShowResults(m_results, m_strRightFolder, m_bDisregardAttributes);
    m_pLeftGrid->Freeze();
    m_pRightGrid->Freeze();
    m_pLeftGrid->SetRowCount(rows, false);
    m_pRightGrid->SetRowCount(rows, false);
    m_pProgress->Show();
    if (!RunEngineStep(&CCompareEngine::ClassifyResults)) {
        m_bAbort = false;
        ResetGrid(*m_pLeftGrid);
        ResetGrid(*m_pRightGrid);
        m_pLeftGrid->Thaw();
        m_pRightGrid->Thaw();
        m_pProgress->Hide();
        m_pAbort->Hide();
        m_strVerdict.clear();
        SetVerdictColours(kLightBlue, *wxBLACK);
        UpdateData(false);
        wxEndBusyCursor();
        return 0;
    }

    m_pLeftGrid->Thaw();
    m_pRightGrid->Thaw();
    ShowIdenticalLines();
    Summarise();
    if (!IsComplete()) {
        SetVerdictColours(kLightBlue, *wxBLACK);
    } else if (m_counts.FoldersSame()) {
        SetVerdictColours(kLightGreen, *wxBLACK);
    } else {
        SetVerdictColours(kRed, *wxWHITE);
    }
    m_pAbort->Hide();
    m_pProgress->Hide();
    wxEndBusyCursor();
    // The grids read the engine's rows for as long as they show them.
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    TraceLog("Compare run: %d equal, %d different, %d missing, %.3f seconds", m_counts.equal,
             m_counts.different, m_counts.missing, elapsed.count());
    return 1;
}

void CCompareDlg::ShowProgress(bool show) {
    m_pProgress->Show(show);
}

void CCompareDlg::SetProgress(int percent) {
    m_pProgress->SetValue(percent);
}

bool CCompareDlg::RunEngineStep(bool (CCompareEngine::*step)()) {
    m_bEngineWorking = true;
    m_displayLimit.Reset();
    m_pumpLimit.Reset();  // input waiting since the last step is seen at once
    const bool finished = (this->*step)();
    m_bEngineWorking = false;
    UpdateData(false);  // the step's last texts
    return finished;
}

void CCompareDlg::PumpMessages() {
    if (m_pumpLimit.Due()) {
        ::PumpMessages(1);
    }
}

void CCompareDlg::ShowRow(size_t index, const ResultRow&, RowStatus status) {
    m_pLeftGrid->ShowStatus(index, status);
    m_pRightGrid->ShowStatus(index, status);
}
