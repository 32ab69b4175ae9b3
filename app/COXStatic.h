#pragma once

#include <wx/control.h>

#include "LogFont.h"

// A static text that paints itself: its own font, text colour and
// background colour, and an optional tooltip that shows either an explicit
// text or the control's own text (following every change of it). Alignment
// comes from the style (wxALIGN_LEFT, wxALIGN_CENTRE_HORIZONTAL,
// wxALIGN_RIGHT); long lines wrap between words; "&" is shown as it stands.
class COXStatic : public wxControl {
  public:
    COXStatic();
    COXStatic(wxWindow* parent, wxWindowID id, const wxString& label,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = 0);
    bool Create(wxWindow* parent, wxWindowID id, const wxString& label,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = 0);

    // An invalid background colour lets the parent's background show.
    void SetTextColor(const wxColour& colour, bool redraw = true);
    void SetBkColor(const wxColour& colour, bool redraw = true);
    const wxColour& GetTextColor() const { return m_clrText; }
    const wxColour& GetBkColor() const { return m_clrBack; }
    // The description's heights are pixels of the control's screen, as
    // MakeLogFont gives them. False, with the font unchanged, when no font
    // can be made from it.
    bool SetTextLogFont(const LOGFONTA& logFont, bool redraw = true);
    // A non-empty text is shown as the tip; an empty one makes the tip follow
    // the control's text again.
    void SetToolTipText(const wxString& text);
    void EnableToolTip(bool enable);

    void SetLabel(const wxString& label) override;
    bool AcceptsFocus() const override { return false; }
    wxBorder GetDefaultBorder() const override { return wxBORDER_NONE; }

  protected:
    // Paints background and text; what the paint handler draws.
    void Draw(wxDC& dc);
    wxSize DoGetBestClientSize() const override;

    wxColour m_clrBack;
    wxColour m_clrText;
    bool m_bToolTipActive = false;
    wxString m_strToolTipText;
    bool m_bExplicitTip = false;

  private:
    void RefreshToolTip();
    void OnPaint(wxPaintEvent& event);
};
