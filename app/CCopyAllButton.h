#pragma once

#include <wx/bmpbndl.h>
#include <wx/control.h>

// The owner-drawn "Copy All" buttons: a raised face with a picture that
// carries the button's text and arrow (pure blue in the picture is
// transparent). The face stays raised while pressed; a focused button shows
// a frame inside its edge. A click sends wxEVT_BUTTON with the button's id.
// The picture is drawn at the resolution of the button's display.
class CCopyAllButton : public wxControl {
  public:
    CCopyAllButton(wxWindow* parent, wxWindowID id, const wxString& label,
                   const wxBitmapBundle& face, const wxPoint& position, const wxSize& size);

    bool AcceptsFocus() const override { return IsShown() && IsEnabled(); }

  protected:
    // Paints the face and the picture; what the paint handler draws.
    void Draw(wxDC& dc);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void Click();

    wxBitmapBundle m_face;
    bool m_bPressed = false;  // the left button went down on this control
};
