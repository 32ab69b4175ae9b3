#include "COXEdit.h"

#include <wx/settings.h>
#include <wx/utils.h>

COXEdit::COXEdit() = default;

COXEdit::COXEdit(wxWindow* parent, wxWindowID id, const wxString& value, const wxPoint& pos,
                 const wxSize& size, long style) {
    Create(parent, id, value, pos, size, style);
}

bool COXEdit::Create(wxWindow* parent, wxWindowID id, const wxString& value, const wxPoint& pos,
                     const wxSize& size, long style) {
    if (!wxTextCtrl::Create(parent, id, value, pos, size, style)) {
        return false;
    }
    m_clrText = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
    m_clrBack = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
    m_clrReadOnlyBack = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    m_clrReadOnlyText = wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
    ApplyColours();
    Bind(wxEVT_KEY_DOWN, &COXEdit::OnKeyDown, this);
    Bind(wxEVT_CHAR, &COXEdit::OnChar, this);
    return true;
}

void COXEdit::SetTextColor(const wxColour& colour, bool redraw) {
    if (colour == m_clrText) {
        return;
    }
    m_clrText = colour;
    ApplyColours();
    if (redraw) {
        Refresh();
        Update();
    }
}

void COXEdit::SetBkColor(const wxColour& colour, bool redraw) {
    if (colour == m_clrBack) {
        return;
    }
    m_clrBack = colour;
    ApplyColours();
    if (redraw) {
        Refresh();
        Update();
    }
}

bool COXEdit::SetToolTipText(const wxString& text) {
    if (GetHandle() == nullptr) {
        return false;
    }
    m_strToolTipText = text;
    if (text.empty()) {
        UnsetToolTip();
    } else {
        SetToolTip(text);
    }
    return true;
}

bool COXEdit::Enable(bool enable) {
    const bool changed = wxTextCtrl::Enable(enable);
    ApplyColours();
    return changed;
}

void COXEdit::SetEditable(bool editable) {
    wxTextCtrl::SetEditable(editable);
    ApplyColours();
}

void COXEdit::ApplyColours() {
    if (!IsThisEnabled()) {
        SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
        SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    } else if (!IsEditable()) {
        SetForegroundColour(m_clrReadOnlyText);
        SetBackgroundColour(m_clrReadOnlyBack);
    } else {
        SetForegroundColour(m_clrText);
        SetBackgroundColour(m_clrBack);
    }
}

void COXEdit::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_INSERT && !event.ShiftDown() && !event.ControlDown()) {
        m_bInsertMode = !m_bInsertMode;
        return;
    }
    event.Skip();
}

void COXEdit::OnChar(wxKeyEvent& event) {
    const wxChar typed = event.GetUnicodeKey();
    long from = 0;
    long to = 0;
    GetSelection(&from, &to);
    // Shift only chooses the character; Ctrl, Alt and Meta make a command.
    const bool command =
        event.ControlDown() || event.RawControlDown() || event.AltDown() || event.MetaDown();
    const bool overwrites =
        !m_bInsertMode && IsEditable() && typed >= 32 && typed != 127 && !command && from == to;
    if (!overwrites) {
        event.Skip();
        return;
    }
    const long caret = GetInsertionPoint();
    if (caret >= GetLastPosition()) {
        wxBell();
        return;
    }
    Replace(caret, caret + 1, wxString(typed));
    SetInsertionPoint(caret + 1);
}
