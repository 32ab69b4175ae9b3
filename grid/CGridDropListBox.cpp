#include "CGridDropListBox.h"

#include <wx/arrstr.h>

namespace {

wxArrayString ToArray(const std::vector<std::string>& choices) {
    wxArrayString items;
    for (const std::string& choice : choices) {
        items.Add(wxString::FromUTF8(choice));
    }
    return items;
}

}  // namespace

CGridDropListBox::CGridDropListBox(wxWindow* cellArea, const wxRect& rect,
                                   const std::vector<std::string>& choices, const wxFont& font,
                                   Owner& owner)
    : wxListBox(cellArea, wxID_ANY, rect.GetPosition(), rect.GetSize(), ToArray(choices),
                wxLB_SINGLE | wxLB_NEEDED_SB | wxBORDER_SIMPLE),
      m_pOwner(&owner) {
    SetFont(font);
    Bind(wxEVT_SET_FOCUS, &CGridDropListBox::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CGridDropListBox::OnKillFocus, this);
    Bind(wxEVT_LEFT_DOWN, &CGridDropListBox::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CGridDropListBox::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CGridDropListBox::OnLeftUp, this);
    // The native list acts on Enter itself: the keys are taken before it.
    Bind(wxEVT_CHAR_HOOK, &CGridDropListBox::OnKeyDown, this);
    // The native list reports Enter itself as a double click.
    Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { TakeOrDismiss(); });
}

void CGridDropListBox::Detach() {
    m_pOwner = nullptr;
    Hide();
}

void CGridDropListBox::Dismiss() {
    if (Owner* owner = m_pOwner) {
        owner->OnListDismissed();
    }
}

int CGridDropListBox::ItemAt(const wxPoint& point) const {
    if (!wxRect(GetClientSize()).Contains(point)) {
        return -1;
    }
    const int item = HitTest(point);
    return item == wxNOT_FOUND ? -1 : item;
}

void CGridDropListBox::OnSetFocus(wxFocusEvent& event) {
    // The native list chooses its first item when it gets the focus; the
    // list opens with nothing chosen, so that Enter alone closes it.
    CallAfter([this] { SetSelection(wxNOT_FOUND); });
    event.Skip();
}

void CGridDropListBox::OnKillFocus(wxFocusEvent& event) {
    Dismiss();
    event.Skip();
}

void CGridDropListBox::OnLeftDown(wxMouseEvent& event) {
    if (const int item = ItemAt(event.GetPosition()); item >= 0) {
        SetSelection(item);
    }
    event.Skip();
}

void CGridDropListBox::OnMotion(wxMouseEvent& event) {
    // Dragging over the items (also on from the press that opened the
    // list) moves the choice along.
    if (const int item = ItemAt(event.GetPosition()); event.LeftIsDown() && item >= 0) {
        SetSelection(item);
    }
    event.Skip();
}

void CGridDropListBox::OnLeftUp(wxMouseEvent& event) {
    const int item = ItemAt(event.GetPosition());
    if (item >= 0 && item == GetSelection() && m_pOwner != nullptr) {
        m_pOwner->OnListChoice(item);
        return;
    }
    event.Skip();
}

void CGridDropListBox::TakeOrDismiss() {
    if (GetSelection() != wxNOT_FOUND && m_pOwner != nullptr) {
        m_pOwner->OnListChoice(GetSelection());
    } else {
        Dismiss();
    }
}

void CGridDropListBox::OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
        case WXK_ESCAPE:
            Dismiss();
            break;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            TakeOrDismiss();
            break;
        default:
            event.Skip();
            break;
    }
}
