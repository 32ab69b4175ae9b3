#include "CCompareApp.h"

#include "CCompareDlg.h"
#include "COXVersionInfo.h"
#include "CProfile.h"
#include "HelpTopics.h"
#include "ProgramFile.h"
#include "TraceLog.h"

CCompareApp::CCompareApp() = default;
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

    auto* mainWindow = new CCompareDlg(*m_pProfile);
    SetTopWindow(mainWindow);
    mainWindow->Show();
    return true;
}

void CCompareApp::OnHelpTopics() {
    OpenHelpTopics(ProgramFilePath(), GetTopWindow());
}
