#include "HelpTopics.h"

#include "FileQueries.h"
#include "MessageBox.h"
#include "PathText.h"

void OpenHelpTopics(const std::string& programPath, wxWindow* owner,
                    const std::function<bool(const wxString&)>& open) {
    const std::string helpFile = ReplaceExtension(programPath, "CHM");
    if (FileExists(helpFile)) {
        // The desktop's own failure to open it goes unreported.
        open(wxString::FromUTF8(helpFile));
        return;
    }
    ShowMessageBox("Help file Vantrel.chm was not found.", wxOK, owner);
}
