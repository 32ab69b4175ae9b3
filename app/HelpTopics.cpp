#include "HelpTopics.h"

#include <wx/utils.h>

#include <chrono>
#include <vector>

#include "ExternalProgram.h"
#include "FileQueries.h"
#include "MessageBox.h"
#include "PathText.h"

namespace {

constexpr char kHelpMimeType[] = "application/vnd.ms-htmlhelp";
// The desktop's answer takes a moment; one that does not come is not
// waited for longer than this.
constexpr std::chrono::seconds kQueryTimeout(5);

bool DesktopHasHelpViewer(const std::string& xdgMime) {
    const std::optional<std::string> viewer =
        RunForOutput({xdgMime, "query", "default", kHelpMimeType}, kQueryTimeout);
    return viewer && viewer->find_first_not_of(" \t\r\n") != std::string::npos;
}

// The command that shows `helpFile`; empty when nothing can.
std::vector<std::string> HelpViewerCommand(const std::string& helpFile) {
    const std::string xdgMime = FindProgram("xdg-mime");
    const std::string xdgOpen = FindProgram("xdg-open");
    if (!xdgMime.empty() && !xdgOpen.empty() && DesktopHasHelpViewer(xdgMime)) {
        return {xdgOpen, helpFile};
    }
    const std::string xchm = FindProgram("xchm");
    if (!xchm.empty()) {
        return {xchm, helpFile};
    }
    return {};
}

}  // namespace

void OpenHelpTopics(const std::string& programPath, wxWindow* owner) {
    const std::string helpFile = ReplaceExtension(programPath, "CHM");
    if (!FileExists(helpFile)) {
        ShowMessageBox("Help file Vantrel.chm was not found.", wxOK, owner);
        return;
    }
    std::vector<std::string> command;
    {
        const wxBusyCursor busy;
        command = HelpViewerCommand(helpFile);
    }
    if (command.empty()) {
        ShowMessageBox(
            "No viewer for the help file is installed. Install xchm or another CHM viewer.",
            wxOK | wxICON_WARNING, owner);
        return;
    }
    // Whether the viewer then manages to show the file goes unreported.
    if (!StartProgram(command)) {
        ShowMessageBox("ERROR:  Unable to start " + wxString::FromUTF8(command.front()) + ".",
                       wxOK | wxICON_ERROR, owner);
    }
}
