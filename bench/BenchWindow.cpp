#include "BenchWindow.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include <cstdio>

#include "CCompareDlg.h"
#include "CProfile.h"

int RunWithMainWindow(int argc, char** argv, const std::string& settingsFile,
                      const std::function<void(CCompareDlg&)>& body) {
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run under xvfb-run\n");
        return 2;
    }
    {
        wxGUIEventLoop loop;
        const wxEventLoopActivator activate(&loop);
        CProfile profile(settingsFile);
        auto* window = new CCompareDlg(profile);
        window->Show();
        body(*window);
        window->Destroy();
    }
    wxEntryCleanup();
    return 0;
}

void SetFolders(CCompareDlg& window, const std::string& left, const std::string& right,
                bool recurse) {
    window.m_strLeftFolder = left + "/";
    window.m_strRightFolder = right + "/";
    window.m_bRecurse = recurse;
    window.UpdateData(false);
}

void CompareInWindow(CCompareDlg& window, const std::string& left, const std::string& right,
                     bool recurse) {
    SetFolders(window, left, right, recurse);
    window.OnCompare();
}
