#pragma once

#include <wx/app.h>

#include <memory>
#include <string>

class CProfile;

// The application: resets the trace log, reads the program's version and
// runs the main window; the program ends when that window closes, or when a
// signal asks it to end (the settings are saved first on SIGTERM and
// SIGHUP). Menu commands the main window does not handle itself arrive here.
class CCompareApp : public wxApp {
  public:
    CCompareApp();
    // Opens the window on these two folders (each ending in "/") and
    // compares them at once.
    CCompareApp(std::string leftFolder, std::string rightFolder);
    ~CCompareApp() override;

    bool OnInit() override;
    void OnHelpTopics();
    void OnAppAbout();
    void OnCheckForUpdates();

    std::string m_strFileVersion;

  private:
    // Runs the update check in its window; true when an update restarted
    // the program and the main window is to close.
    bool RunUpdateCheck();
    void CloseMainWindowAfterUpdate(bool mustClose);
    void InstallSignalHandlers();
    static void OnEndRequest(int signal);

    std::unique_ptr<CProfile> m_pProfile;
    std::string m_strStartLeft;  // the folders to compare at start; empty for none
    std::string m_strStartRight;
};
