#pragma once

#include <wx/listbox.h>

#include <string>
#include <vector>

// The list a drop-list cell opens below itself: a bordered list box in the
// grid's cell area. A click anywhere else takes its focus away, which closes
// it. It reports what the user did to its owner and never closes itself:
// the owner destroys it.
class CGridDropListBox : public wxListBox {
  public:
    // What the list tells the cell type that opened it.
    class Owner {
      public:
        virtual ~Owner() = default;
        // The item `index` was taken: released on with the mouse, or Enter.
        virtual void OnListChoice(int index) = 0;
        // Escape, Enter with nothing chosen, a click outside, or the focus
        // went elsewhere.
        virtual void OnListDismissed() = 0;
    };

    CGridDropListBox(wxWindow* cellArea, const wxRect& rect,
                     const std::vector<std::string>& choices, const wxFont& font, Owner& owner);

    // The list says nothing more to its owner and hides;
    // it is then only waiting to be destroyed.
    void Detach();
    bool IsOpen() const { return m_pOwner != nullptr; }

  private:
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    // The item under a point of the list, or -1.
    int ItemAt(const wxPoint& point) const;
    void Dismiss();
    // Enter: the chosen item is taken; without one the list closes.
    void TakeOrDismiss();

    Owner* m_pOwner;
};
