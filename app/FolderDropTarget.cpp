#include "FolderDropTarget.h"

#include <sys/stat.h>
#include <wx/utils.h>

#include "PathText.h"

namespace {

// The folder `path` names, or holds it when it is a file; empty when there
// is nothing there.
std::string FolderFor(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return {};
    }
    if (S_ISDIR(status.st_mode)) {
        return path;
    }
    return GetFolderOfPath(path);  // dropped paths are absolute: never empty
}

}  // namespace

bool FolderDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) {
    std::vector<std::string> folders;
    if (names.size() <= 2) {
        for (const wxString& name : names) {
            // The name's bytes as the file system has them.
            std::string folder = FolderFor(std::string(name.fn_str()));
            if (folder.empty()) {
                break;
            }
            AppendBackslash(folder);
            folders.push_back(std::move(folder));
        }
    }
    if (folders.empty() || folders.size() != names.size() ||
        !m_host.DropFolders(m_bLeftSide, folders)) {
        wxBell();
        return false;
    }
    return true;
}
