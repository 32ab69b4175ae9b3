#pragma once

#include <wx/dialog.h>

#include "FilterSettings.h"

class wxTextCtrl;

// View > Filters...: the Include and Exclude patterns, one a line. OK with a
// malformed pattern says which and keeps the dialog open.
class CFiltersDlg : public wxDialog {
  public:
    enum : int { IDC_INCLUDE = 1200, IDC_EXCLUDE = 1201 };

    CFiltersDlg(wxWindow* parent, const FilterPatterns& patterns);

    // The patterns as the user left them (blank lines dropped).
    FilterPatterns Patterns() const;

  private:
    void OnOk();

    const FilterPatterns m_original;  // kept byte for byte where left as shown
    wxTextCtrl* m_pInclude = nullptr;
    wxTextCtrl* m_pExclude = nullptr;
};
