#include "ChooseFolder.h"

#include <sys/stat.h>
#include <wx/app.h>
#include <wx/dirdlg.h>

#include "PathText.h"

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool ChooseFolder(std::string& outPath) {
    outPath.clear();
    wxWindow* owner = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
    wxDirDialog dialog(owner, "Select a Directory", wxEmptyString,
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    // Back to the bytes the file system gave, whatever their encoding.
    std::string path(dialog.GetPath().fn_str().data());
    RemoveTrailingBackslash(path, false);
    if (IsFolder(path)) {
        outPath = path;
    }
    return !outPath.empty();
}
