#include "CZrHyperLink.h"

#include "DesktopOpen.h"
#include "ResourceImages.h"

CZrHyperLink::CZrHyperLink() = default;

CZrHyperLink::CZrHyperLink(wxWindow* parent, wxWindowID id, const wxString& label,
                           const wxPoint& pos, const wxSize& size, long style) {
    Create(parent, id, label, pos, size, style);
}

bool CZrHyperLink::Create(wxWindow* parent, wxWindowID id, const wxString& label,
                          const wxPoint& pos, const wxSize& size, long style) {
    if (!COXStatic::Create(parent, id, label, pos, size, style)) {
        return false;
    }
    m_hLinkCursor = UpArrowCursor();
    SetCursor(m_hLinkCursor);
    Bind(wxEVT_LEFT_UP, &CZrHyperLink::OnLeftUp, this);
    return true;
}

void CZrHyperLink::SetURL(const wxString& url) {
    m_strURL = url;
}

bool CZrHyperLink::SetLinkCursor(int cursorResourceId) {
    const wxCursor cursor = LoadResourceCursor(cursorResourceId);
    m_hLinkCursor = cursor.IsOk() ? cursor : UpArrowCursor();
    SetCursor(m_hLinkCursor);
    return cursor.IsOk();
}

void CZrHyperLink::OpenLink(const wxString& target) {
    OpenThroughDesktop(target);
}

void CZrHyperLink::OnLeftUp(wxMouseEvent& event) {
    event.Skip();
    if (!m_strURL.empty() && GetClientRect().Contains(event.GetPosition())) {
        OpenLink(m_strURL);
    }
}
