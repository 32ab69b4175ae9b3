#include "CProgressMsgDlg.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/gauge.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "COXStatic.h"
#include "DialogFont.h"
#include "DisplayText.h"
#include "PumpMessages.h"

namespace {

constexpr wxWindowID kProgressId = 1042;
constexpr wxWindowID kMessageId = 1044;
constexpr size_t kMessageBufferSize = 1024;

}  // namespace

CProgressMsgDlg::CProgressMsgDlg(const char* text, wxWindow* owner)
    : wxDialog(nullptr, wxID_ANY, "Vantrel Message", wxDefaultPosition, wxDefaultSize, wxCAPTION),
      m_strMessage(text != nullptr ? text : "") {
    CreateControls();
    ShowMessage();
    CentreOver(owner);
    Bind(wxEVT_BUTTON, &CProgressMsgDlg::OnCancel, this, wxID_CANCEL);
    Show();
    Raise();
}

// The controls at their places in dialog units of the dialog font.
void CProgressMsgDlg::CreateControls() {
    SetFont(DialogFont());
    const auto at = [this](int x, int y, int width, int height) {
        return DialogUnitsRect(*this, x, y, width, height);
    };
    SetClientSize(at(0, 0, 214, 80).GetSize());
    const wxRect cancel = at(81, 59, 50, 14);
    new wxButton(this, wxID_CANCEL, "Cancel", cancel.GetPosition(), cancel.GetSize());
    const wxRect message = at(8, 7, 198, 33);
    m_pMessage = new COXStatic(this, kMessageId, wxString(), message.GetPosition(),
                               message.GetSize(), wxALIGN_LEFT);
    const wxRect bar = at(8, 46, 198, 8);
    m_Progress = new wxGauge(this, kProgressId, 100, bar.GetPosition(), bar.GetSize());
    m_Progress->Hide();
}

void CProgressMsgDlg::CentreOver(const wxWindow* owner) {
    if (owner == nullptr && wxTheApp != nullptr) {
        owner = wxTheApp->GetTopWindow();
    }
    if (owner == nullptr || owner == this || !owner->IsShown()) {
        CentreOnScreen();
        return;
    }
    const wxRect area = owner->GetScreenRect();
    const wxSize size = GetSize();
    Move(area.x + (area.width - size.x) / 2, area.y + (area.height - size.y) / 2);
}

void CProgressMsgDlg::ShowMessage() {
    m_pMessage->SetLabel(ToDisplayText(m_strMessage));
}

void CProgressMsgDlg::SetMessage(const char* format, ...) {
    char buffer[kMessageBufferSize];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    m_strMessage = buffer;
    ShowMessage();
    PumpMessages(0);
}

void CProgressMsgDlg::SetProgress(double percentage) {
    m_Progress->Show();
    // Clamped first: a double beyond int's range (or NaN) has no int value.
    const double position = std::isnan(percentage) ? 0.0 : std::clamp(percentage, 0.0, 100.0);
    m_Progress->SetValue(static_cast<int>(position));
    PumpMessages(0);
}

void CProgressMsgDlg::OnCancel(wxCommandEvent&) {
    m_bCancel = true;
}
