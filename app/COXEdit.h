#pragma once

#include <wx/textctrl.h>

// An edit field with its own text and background colours (others while
// read-only, the system's greys while disabled), a tooltip, and an
// overwrite mode: Insert (without Shift or Ctrl) switches between inserting
// and overwriting; in overwrite mode a typed character replaces the one at
// the caret, and at the end of the text it is refused with a beep.
class COXEdit : public wxTextCtrl {
  public:
    COXEdit();
    COXEdit(wxWindow* parent, wxWindowID id, const wxString& value = wxEmptyString,
            const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
            long style = 0);
    bool Create(wxWindow* parent, wxWindowID id, const wxString& value = wxEmptyString,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = 0);

    // Both do nothing when the colour is unchanged, and repaint at once when
    // `redraw` is set.
    void SetTextColor(const wxColour& colour, bool redraw = true);
    void SetBkColor(const wxColour& colour, bool redraw = true);
    // False when the field is not created yet; an empty text removes the tip.
    bool SetToolTipText(const wxString& text);

    bool Enable(bool enable = true) override;
    void SetEditable(bool editable) override;

  protected:
    wxColour m_clrText;
    wxColour m_clrBack;
    wxColour m_clrReadOnlyBack;
    wxColour m_clrReadOnlyText;
    wxString m_strToolTipText;
    bool m_bInsertMode = true;

  private:
    void ApplyColours();
    void OnKeyDown(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
};
