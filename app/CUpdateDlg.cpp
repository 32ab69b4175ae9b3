#include "CUpdateDlg.h"

#include <wx/app.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "DialogFont.h"
#include "DisplayText.h"
#include "ExternalProgram.h"
#include "MessageBox.h"
#include "ProgramFile.h"
#include "PumpMessages.h"

namespace {

constexpr wxWindowID kStatusId = 1024;
constexpr wxWindowID kDownloadStatusId = 1045;

}  // namespace

CUpdateDlg::CUpdateDlg(wxWindow* parent, UpdateSettings settings)
    : wxDialog(parent, wxID_ANY, "Checking For Updates", wxDefaultPosition, wxDefaultSize,
               wxCAPTION),
      m_settings(std::move(settings)),
      m_timer(this) {
    CreateControls();
    CentreOnScreen();
    Bind(wxEVT_TIMER, &CUpdateDlg::OnTimer, this);
    // The window has no buttons: Escape and the window manager's close come
    // here directly.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            StopOrClose();
        } else {
            event.Skip();
        }
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { StopOrClose(); });
    m_timer.StartOnce(kStartDelayMs);
}

// The controls at their places in dialog units of the dialog font.
void CUpdateDlg::CreateControls() {
    SetFont(DialogFont());
    SetClientSize(DialogUnitsRect(*this, 0, 0, 187, 60).GetSize());
    const wxRect status = DialogUnitsRect(*this, 7, 7, 173, 8);
    m_pStatus = new wxStaticText(this, kStatusId, "Static", status.GetPosition(), status.GetSize(),
                                 wxALIGN_LEFT | wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    const wxRect area = DialogUnitsRect(*this, 7, 35, 173, 18);
    auto* box =
        new wxPanel(this, kDownloadStatusId, area.GetPosition(), area.GetSize(), wxBORDER_SUNKEN);
    const wxSize inside = box->GetClientSize();
    const int lineHeight = GetCharHeight();
    m_pDownloadStatus = new wxStaticText(
        box, wxID_ANY, wxString(), wxPoint(4, (inside.y - lineHeight) / 2),
        wxSize(inside.x - 8, lineHeight), wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
}

std::string CUpdateDlg::GetDownloadStatus() const {
    return m_pDownloadStatus->GetLabel().utf8_string();
}

void CUpdateDlg::OnTimer(wxTimerEvent&) {
    m_timer.Stop();
    CheckForUpdates();
}

void CUpdateDlg::CheckForUpdates() {
    m_bChecking = true;
    CUpdateCheck(*this, m_settings).CheckForUpdates();
    m_bChecking = false;
    EndModal(wxID_OK);
}

// Before the check this closes the window; during the check it asks the
// check to stop, and the window closes when the check has.
void CUpdateDlg::StopOrClose() {
    if (m_bChecking) {
        m_bStopRequested = true;
        return;
    }
    m_timer.Stop();
    EndModal(wxID_CANCEL);
}

void CUpdateDlg::ShowStatus(const std::string& text) {
    m_strStatus = text;
    m_pStatus->SetLabel(ToDisplayText(text));
    m_pStatus->Update();
}

void CUpdateDlg::ShowDownloadStatus(const std::string& text) {
    m_pDownloadStatus->SetLabel(ToDisplayText(text));
    m_pDownloadStatus->Update();
}

bool CUpdateDlg::KeepWaiting() {
    PumpMessages(0);
    return !m_bStopRequested;
}

void CUpdateDlg::ShowMessage(const std::string& text) {
    ShowMessageBox(ToDisplayText(text), wxOK | wxICON_INFORMATION, this);
}

bool CUpdateDlg::AskYesNo(const std::string& text) {
    return ShowMessageBox(ToDisplayText(text), wxYES_NO | wxICON_QUESTION, this) == wxYES;
}

void CUpdateDlg::SetMainWindowTitle(const std::string& title) {
    if (wxWindow* mainWindow = wxTheApp->GetTopWindow()) {
        mainWindow->SetLabel(title);
    }
}

// The new program gets the arguments this one was started with.
bool CUpdateDlg::StartProgram(const std::string& path) {
    std::vector<std::string> command{path};
    for (std::string& argument : ProgramArguments()) {
        command.push_back(std::move(argument));
    }
    return StartSuccessor(command);
}
