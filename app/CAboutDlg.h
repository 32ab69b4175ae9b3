#pragma once

#include <wx/dialog.h>

#include <functional>
#include <string>

class COXStatic;
class CZrHyperLink;
class CZrToolTipCtrl;

// The About box: the program's icon, name and version, a Check For Updates
// button, links to the maker's web site and sales e-mail, and a notice.
class CAboutDlg : public wxDialog {
  public:
    // Runs the update check; answers true when the program is to end
    // because an update restarted it (the About box then closes).
    using UpdateCommand = std::function<bool()>;

    CAboutDlg(wxWindow* parent, const std::string& fileVersion, UpdateCommand checkForUpdates);

    static constexpr wxWindowID kProductNameId = 1063;
    static constexpr wxWindowID kVersionId = 1041;
    static constexpr wxWindowID kCheckForUpdatesId = 1040;
    static constexpr wxWindowID kWebLinkId = 1080;
    static constexpr wxWindowID kEmailLinkId = 1081;

  private:
    void CreateControls();
    void ApplyStyles();
    void SetUpLinks();
    void SetUpToolTips();
    void OnCheckForUpdates(wxCommandEvent& event);

    UpdateCommand m_checkForUpdates;
    COXStatic* m_pProductName = nullptr;
    COXStatic* m_pVersion = nullptr;
    CZrHyperLink* m_pWebLink = nullptr;
    CZrHyperLink* m_pEmailLink = nullptr;
    CZrToolTipCtrl* m_pToolTip = nullptr;
    std::string m_strVersion;
};
