#pragma once

#include <wx/cursor.h>

#include "COXStatic.h"

// A COXStatic that is a link: a left click opens its target through the
// desktop (a web address in the browser, a "mailto:" address in the mail
// program), and the pointer over it becomes the link cursor.
class CZrHyperLink : public COXStatic {
  public:
    CZrHyperLink();
    CZrHyperLink(wxWindow* parent, wxWindowID id, const wxString& label,
                 const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                 long style = 0);
    bool Create(wxWindow* parent, wxWindowID id, const wxString& label,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = 0);

    // An empty target makes clicks do nothing.
    void SetURL(const wxString& url);
    // The cursor of that resource number (1083, the pointing hand); false,
    // with the up-arrow cursor in its place, when there is no such cursor.
    bool SetLinkCursor(int cursorResourceId);

  protected:
    // Opens the target; tests replace it to see what a click opens.
    virtual void OpenLink(const wxString& target);

    wxString m_strURL;
    wxCursor m_hLinkCursor;

  private:
    void OnLeftUp(wxMouseEvent& event);
};
