#include "CCompareApp.h"

#include <csignal>

#include "CAboutDlg.h"
#include "CCompareDlg.h"
#include "COXVersionInfo.h"
#include "CProfile.h"
#include "CUpdateDlg.h"
#include "HelpTopics.h"
#include "InterruptedCopyCleanup.h"
#include "ProductAddresses.h"
#include "ProgramFile.h"
#include "TraceLog.h"

namespace {

bool IsIgnored(int signal) {
    struct sigaction current {};
    return sigaction(signal, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
           current.sa_handler == SIG_IGN;
}

}  // namespace

CCompareApp::CCompareApp() = default;
CCompareApp::CCompareApp(std::string leftFolder, std::string rightFolder)
    : m_strStartLeft(std::move(leftFolder)), m_strStartRight(std::move(rightFolder)) {}
CCompareApp::~CCompareApp() = default;

bool CCompareApp::OnInit() {
    ResetTraceLog();
    COXVersionInfo version;
    if (version.ReadInfo(ProgramFilePath())) {
        m_strFileVersion = version.m_sFileVersion;
    }
    m_pProfile = std::make_unique<CProfile>(CProfile::DefaultPath());
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { OnHelpTopics(); }, wxID_HELP_INDEX);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { OnAppAbout(); }, wxID_ABOUT);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { OnCheckForUpdates(); },
        CCompareDlg::kCheckForUpdatesCommand);

    auto* mainWindow = new CCompareDlg(*m_pProfile);
    SetTopWindow(mainWindow);
    InstallSignalHandlers();
    mainWindow->Show();
    if (!m_strStartLeft.empty()) {
        mainWindow->CompareAtStart(m_strStartLeft, m_strStartRight);
    }
    return true;
}

// A signal that ends the program first removes the file of a copy in
// progress. A request to end (SIGTERM, or SIGHUP when the session ends)
// also saves the settings, as File > Exit does, once the main loop has it;
// Ctrl-C ends at once.
void CCompareApp::InstallSignalHandlers() {
    for (const int signal : {SIGTERM, SIGHUP}) {
        if (!IsIgnored(signal)) {
            SetSignalHandler(signal, &CCompareApp::OnEndRequest);
        }
    }
    InterruptedCopyCleanup::InstallHandlers({SIGINT, SIGTERM, SIGHUP});
}

// Ends as the signal asks, wherever the program stands: a compare, a copy
// loop or a message box further up is never returned to, so nothing can
// touch a window that closing would have destroyed.
void CCompareApp::OnEndRequest(int signal) {
    if (auto* window = dynamic_cast<CCompareDlg*>(wxTheApp->GetTopWindow())) {
        window->SaveSettingsAndPlacement();
    }
    InterruptedCopyCleanup::RaiseWithDefaultAction(signal);
}

void CCompareApp::OnHelpTopics() {
    OpenHelpTopics(ProgramFilePath(), GetTopWindow());
}

void CCompareApp::OnAppAbout() {
    bool mustClose = false;
    CAboutDlg about(nullptr, m_strFileVersion, [this, &mustClose] {
        mustClose = RunUpdateCheck();
        return mustClose;
    });
    about.ShowModal();
    CloseMainWindowAfterUpdate(mustClose);
}

void CCompareApp::OnCheckForUpdates() {
    CloseMainWindowAfterUpdate(RunUpdateCheck());
}

bool CCompareApp::RunUpdateCheck() {
    UpdateSettings settings;
    settings.serverAddress = UpdateServerAddress(*m_pProfile);
    settings.programPath = ProgramFilePath();
    settings.readFileVersion = [](const std::string& path) -> std::optional<std::string> {
        COXVersionInfo version;
        return version.ReadInfo(path) && !version.m_sFileVersion.empty()
                   ? std::optional(version.m_sFileVersion)
                   : std::nullopt;
    };
    CUpdateDlg check(nullptr, std::move(settings));
    check.ShowModal();
    return check.MainWindowMustClose();
}

// After a restart the new program has taken over: this one closes its main
// window the way File > Exit does, so that its settings are saved.
void CCompareApp::CloseMainWindowAfterUpdate(bool mustClose) {
    if (mustClose) {
        if (wxWindow* mainWindow = GetTopWindow()) {
            mainWindow->Close();
        }
    }
}
