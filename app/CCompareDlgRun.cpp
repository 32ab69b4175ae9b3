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
#include "FileTexts.h"
#include "MainWindowColours.h"
#include "MessageBox.h"
#include "PathText.h"
#include "PumpMessages.h"
#include "TraceLog.h"

namespace {
constexpr char kTimePattern[] = "%m/%d/%y  %H:%M:%S";
}

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

    SizeResultColumns(*m_pLeftGrid);
    SizeResultColumns(*m_pRightGrid);
    m_pLeftGrid->Thaw();
    m_pRightGrid->Thaw();
    m_pLeftGrid->RedrawAll();
    m_pRightGrid->RedrawAll();
    ShowRowsOnSharedBar(0);
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
    FreeResults();  // the grids hold the rows now; every action works from them
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

void CCompareDlg::ShowRow(size_t index, const ResultRow& row, RowStatus status) {
    const int line = static_cast<int>(index);
    const auto show = [&](CResultGrid* grid, const std::string& name, uint64_t size, int64_t time,
                          uint32_t attributes, std::string path) {
        grid->ShowLine(line,
                       {name, std::to_string(size), FormatFileTime(time, kTimePattern),
                        AttributeLetters(attributes), std::move(path)},
                       m_bDisregardAttributes);
    };
    if (row.HasLeft()) {
        show(m_pLeftGrid, row.szLeftName, row.nLeftSize, row.tLeftTime, row.nLeftAttr,
             LeftPath(row));
    }
    if (row.HasRight()) {
        show(m_pRightGrid, row.szRightName, row.nRightSize, row.tRightTime, row.nRightAttr,
             RightPath(row));
    }
    for (CResultGrid* grid : {m_pLeftGrid, m_pRightGrid}) {
        const int bitmaps[] = {grid->m_nBmpIdentical, grid->m_nBmpContent, grid->m_nBmpMissing,
                               grid->m_nBmpAttrib,    grid->m_nBmpTime,    grid->m_nBmpSize};
        grid->SetCellBitmap(CResultGrid::kColumnStatus, line, bitmaps[static_cast<int>(status)]);
    }
}
