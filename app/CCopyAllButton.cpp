#include "CCopyAllButton.h"

#include <wx/dcbuffer.h>

#include "DrawButtonFace.h"
#include "DrawTransparentBitmap.h"
#include "ThemePalette.h"

CCopyAllButton::CCopyAllButton(wxWindow* parent, wxWindowID id, const wxString& label,
                               const wxBitmapBundle& face, const wxPoint& position,
                               const wxSize& size)
    : wxControl(parent, id, position, size, wxBORDER_NONE | wxWANTS_CHARS), m_face(face) {
    SetLabel(label);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CCopyAllButton::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CCopyAllButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CCopyAllButton::OnLeftUp, this);
    Bind(wxEVT_KEY_DOWN, &CCopyAllButton::OnKeyDown, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { m_bPressed = false; });
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) { Refresh(), event.Skip(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) { Refresh(), event.Skip(); });
}

void CCopyAllButton::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    Draw(dc);
}

void CCopyAllButton::Draw(wxDC& dc) {
    const wxSize size = GetClientSize();
    DrawButtonFace({&dc, 0, 0, size.x, size.y, HasFocus() ? kItemStateFocus : 0u, false,
                    ThemePalette::Current().copyAllFace});
    const wxBitmap face = m_face.GetBitmapFor(this);
    if (face.IsOk()) {
        const wxSize faceSize = face.GetLogicalSize();
        DrawTransparentBitmap(dc, face, (size.x - faceSize.x) / 2, (size.y - faceSize.y) / 2,
                              wxColour(0, 0, 255));
    }
}

void CCopyAllButton::OnLeftDown(wxMouseEvent& event) {
    m_bPressed = true;
    SetFocus();
    CaptureMouse();
    event.Skip();
}

// A click counts when the button is released over the control.
void CCopyAllButton::OnLeftUp(wxMouseEvent& event) {
    if (!m_bPressed) {
        return;
    }
    m_bPressed = false;
    if (HasCapture()) {
        ReleaseMouse();
    }
    if (GetClientRect().Contains(event.GetPosition())) {
        Click();
    }
}

void CCopyAllButton::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_SPACE || event.GetKeyCode() == WXK_RETURN) {
        Click();
    } else {
        event.Skip();
    }
}

void CCopyAllButton::Click() {
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
}
