#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include <string>

#include "CUpdateCheck.h"

class wxStaticText;

// "Checking For Updates": a small status window that runs the update check
// half a second after it is shown and closes when the check is over. While
// the check runs, the window stays responsive; Escape then asks the check
// to stop. Before the check starts, Escape closes the window and no check
// runs.
class CUpdateDlg : public wxDialog, private UpdateHost {
  public:
    CUpdateDlg(wxWindow* parent, UpdateSettings settings);

    // True when an update replaced the program file and the new program was
    // started: the main window is to close now.
    bool MainWindowMustClose() const { return m_bCloseMainWindow; }
    const std::string& GetStatus() const { return m_strStatus; }
    // What the box below the status line shows of the downloads.
    std::string GetDownloadStatus() const;

  private:
    static constexpr int kStartDelayMs = 500;

    void CreateControls();
    void OnTimer(wxTimerEvent& event);
    void StopOrClose();
    void CheckForUpdates();

    // UpdateHost
    void ShowStatus(const std::string& text) override;
    void ShowDownloadStatus(const std::string& text) override;
    bool KeepWaiting() override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool StopRequested() const override { return m_bStopRequested; }
    void SetMainWindowTitle(const std::string& title) override;
    bool StartProgram(const std::string& path) override;
    void CloseMainWindow() override { m_bCloseMainWindow = true; }

    UpdateSettings m_settings;
    std::string m_strStatus;
    wxStaticText* m_pStatus = nullptr;
    wxStaticText* m_pDownloadStatus = nullptr;
    wxTimer m_timer;
    bool m_bChecking = false;
    bool m_bStopRequested = false;
    bool m_bCloseMainWindow = false;
};
