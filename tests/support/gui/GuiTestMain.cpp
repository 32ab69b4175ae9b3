#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/log.h>
#include <wx/toplevel.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "GuiTest.h"

namespace {

// A fresh folder that stands in for the temporary folder, the settings
// folder and the data folder (where the desktop trash is) while the tests
// run, so that no test touches the user's files.
class ScratchHome {
  public:
    ScratchHome() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vantrel-gui-tests-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        m_path = pattern;
        const std::filesystem::path config = m_path / "config";
        const std::filesystem::path data = m_path / "data";
        std::filesystem::create_directories(config);
        std::filesystem::create_directories(data);
        setenv("TMPDIR", m_path.c_str(), 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_DATA_HOME", data.c_str(), 1);
    }
    ~ScratchHome() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    bool IsReady() const { return !m_path.empty(); }

  private:
    std::filesystem::path m_path;
};

// A failed wxASSERT or wxCHECK is a failure of the test that ran into it.
void ReportAssertion(const wxString& file, int line, const wxString& function,
                     const wxString& condition, const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assertion failed in " << function.utf8_str().data() << ": "
        << condition.utf8_str().data() << " " << message.utf8_str().data();
}

// Windows a test left open are closed so that wxWidgets shuts down cleanly.
void CloseRemainingWindows() {
    for (wxWindow* window : wxTopLevelWindows) {
        window->Destroy();
    }
    YieldPending();
}

}  // namespace

int main(int argc, char** argv) {
    const ScratchHome home;
    if (!home.IsReady()) {
        std::fprintf(stderr, "cannot make a scratch folder\n");
        return 2;
    }
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot start wxWidgets; GUI tests need a display (xvfb-run)\n");
        return 2;
    }
    wxTheApp->SetExitOnFrameDelete(false);
    delete wxLog::SetActiveTarget(new wxLogStderr());
    wxSetAssertHandler(&ReportAssertion);

    int result = 0;
    {
        wxGUIEventLoop loop;
        const wxEventLoopActivator activate(&loop);
        result = RUN_ALL_TESTS();
        CloseRemainingWindows();
    }
    wxEntryCleanup();
    return result;
}
