#pragma once

#include <wx/dialog.h>

#include <string>

class COXStatic;
class wxGauge;

// A small window that shows one line of progress text and a progress bar
// while a long loop runs on the user-interface thread. It shows itself when
// constructed and goes away when its owner deletes it. Every change of text
// or bar delivers the waiting window events, so the other windows stay
// responsive and the owner must expect re-entry from them.
//
// Cancel, Escape and the window's close request leave the window open and
// only mark it cancelled; the owner decides whether to stop.
class CProgressMsgDlg : public wxDialog {
  public:
    // `text` (null for none) is the first message, as bytes. The window has
    // no parent; it is centred over `owner`, or over the application's main
    // window when there is no owner, or over the screen when there is neither.
    explicit CProgressMsgDlg(const char* text = nullptr, wxWindow* owner = nullptr);

    // Replaces the message with the printf-style formatted text; more than
    // 1023 bytes are cut off.
    void SetMessage(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Shows the bar (hidden until the first call) at the percentage, cut
    // toward zero and held within 0 to 100.
    void SetProgress(double percentage);

    bool IsCancelled() const { return m_bCancel; }
    // The message shown now, as bytes.
    const std::string& GetMessage() const { return m_strMessage; }

  protected:
    wxGauge* m_Progress = nullptr;
    COXStatic* m_pMessage = nullptr;
    bool m_bCancel = false;
    std::string m_strMessage;

  private:
    void CreateControls();
    void CentreOver(const wxWindow* owner);
    void ShowMessage();
    void OnCancel(wxCommandEvent& event);
};
