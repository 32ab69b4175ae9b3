#include "CAboutDlg.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "COXStatic.h"
#include "CZrHyperLink.h"
#include "CZrToolTipCtrl.h"
#include "DialogFont.h"
#include "MakeLogFont.h"
#include "ProductAddresses.h"
#include "ResourceImages.h"

namespace {

constexpr int kIconResource = 128;
constexpr int kLinkCursorResource = 1083;
constexpr int kToolTipShowMs = 20000;
const wxColour kLinkBlue(0, 0, 255);
constexpr char kNotice[] = "Copyright (C) 2026 Tarnwick LLC. All rights reserved.";

}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent, const std::string& fileVersion,
                     UpdateCommand checkForUpdates)
    : wxDialog(parent, wxID_ANY, "Vantrel", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_checkForUpdates(std::move(checkForUpdates)),
      m_strVersion("Version: " + fileVersion) {
    CreateControls();
    ApplyStyles();
    SetUpLinks();
    SetUpToolTips();
    Bind(wxEVT_BUTTON, &CAboutDlg::OnCheckForUpdates, this, kCheckForUpdatesId);
    CentreOnScreen();
}

// The controls at their places in dialog units of the dialog font.
void CAboutDlg::CreateControls() {
    SetFont(DialogFont());
    SetClientSize(DialogUnitsRect(*this, 0, 0, 322, 158).GetSize());
    const auto at = [this](int x, int y, int width, int height) {
        return DialogUnitsRect(*this, x, y, width, height);
    };
    const wxRect icon = at(7, 7, 20, 20);
    new wxStaticBitmap(this, wxID_ANY, LoadResourceIcon(kIconResource).GetIcon(icon.GetSize()),
                       icon.GetPosition(), icon.GetSize());
    const wxRect name = at(41, 7, 167, 12);
    m_pProductName = new COXStatic(this, kProductNameId, "Vantrel", name.GetPosition(),
                                   name.GetSize(), wxALIGN_LEFT);
    const wxRect version = at(57, 25, 144, 13);
    m_pVersion = new COXStatic(this, kVersionId, m_strVersion, version.GetPosition(),
                               version.GetSize(), wxALIGN_LEFT);
    const wxRect check = at(212, 70, 103, 22);
    new wxButton(this, kCheckForUpdatesId, "Check For Updates", check.GetPosition(),
                 check.GetSize());
    const wxRect webLabel = at(7, 111, 18, 8);
    new wxStaticText(this, wxID_ANY, "WEB:", webLabel.GetPosition(), webLabel.GetSize());
    const wxRect web = at(38, 111, 176, 8);
    m_pWebLink = new CZrHyperLink(this, kWebLinkId, WebSiteAddress(), web.GetPosition(),
                                  web.GetSize(), wxALIGN_LEFT);
    const wxRect emailLabel = at(7, 126, 24, 8);
    new wxStaticText(this, wxID_ANY, "EMAIL:", emailLabel.GetPosition(), emailLabel.GetSize());
    const wxRect email = at(38, 126, 175, 8);
    m_pEmailLink = new CZrHyperLink(this, kEmailLinkId, SalesEmailAddress(), email.GetPosition(),
                                    email.GetSize(), wxALIGN_LEFT);
    const wxRect notice = at(7, 143, 246, 8);
    new wxStaticText(this, wxID_ANY, kNotice, notice.GetPosition(), notice.GetSize());
    const wxRect close = at(277, 137, 38, 14);
    auto* closeButton = new wxButton(this, wxID_OK, "Close", close.GetPosition(), close.GetSize());
    closeButton->SetDefault();
    SetEscapeId(wxID_OK);
}

// The name in 12-point and the version in 10-point bold Arial, both black,
// sized for the main window's screen.
void CAboutDlg::ApplyStyles() {
    wxWindow* screenOf = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
    LOGFONTA nameFont;
    MakeLogFont(nameFont, 12, "Arial", 0, true, false, false, false, screenOf);
    LOGFONTA versionFont;
    MakeLogFont(versionFont, 10, "Arial", 0, true, false, false, false, screenOf);
    m_pProductName->SetTextLogFont(nameFont);
    m_pVersion->SetTextLogFont(versionFont);
    for (COXStatic* label : {m_pProductName, m_pVersion}) {
        label->SetTextColor(*wxBLACK);
        label->SetBkColor(wxColour());  // the dialog's own background shows
    }
}

void CAboutDlg::SetUpLinks() {
    m_pWebLink->SetURL(WebSiteAddress());
    m_pEmailLink->SetURL("mailto:" + SalesEmailAddress());
    const std::pair<CZrHyperLink*, const char*> links[] = {
        {m_pWebLink, "Visit the Tarnwick web site"},
        {m_pEmailLink, "Send an e-mail to the Tarnwick team"}};
    for (const auto& [link, tip] : links) {
        link->SetTextColor(kLinkBlue);
        link->SetBkColor(wxColour());
        link->SetLinkCursor(kLinkCursorResource);
        link->SetToolTipText(tip);
        link->EnableToolTip(true);
    }
}

// The dialog's own tips: 20 pixels right of the pointer, at most half the
// dialog wide, shown for at most 20 seconds.
void CAboutDlg::SetUpToolTips() {
    m_pToolTip = new CZrToolTipCtrl();
    m_pToolTip->Create(this);
    m_pToolTip->SetOffset(20, 0);
    m_pToolTip->SetMaxWidth(GetClientSize().GetWidth() / 2);
    m_pToolTip->SetDelayTime(CZrToolTipCtrl::TTDT_AUTOPOP, kToolTipShowMs);
    m_pToolTip->AddTool(FindWindow(kCheckForUpdatesId), "Check For Updates", nullptr,
                        kCheckForUpdatesId);
}

void CAboutDlg::OnCheckForUpdates(wxCommandEvent&) {
    if (m_checkForUpdates && m_checkForUpdates()) {
        EndModal(wxID_OK);
    }
}
