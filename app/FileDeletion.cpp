#include "FileDeletion.h"

#include "DisplayText.h"
#include "FileActions.h"
#include "FileQueries.h"
#include "MessageBox.h"
#include "Trash.h"

bool FileDeletion::Confirm(const std::vector<std::string>& paths) {
    if (!m_bToTrash) {
        return true;
    }
    for (const std::string& path : paths) {
        // A file already gone is not asked about: its delete reports that.
        if (!HasTrash(path) && PathExists(path)) {
            return PermanentDeleteAllowed();
        }
    }
    return true;
}

bool FileDeletion::Delete(const std::string& path) {
    if (!m_bToTrash) {
        return Remove(path);
    }
    const TrashResult trashed = MoveToTrash(path);
    switch (trashed.outcome) {
        case TrashResult::Outcome::Trashed:
            return true;
        case TrashResult::Outcome::NoTrash:
            return PermanentDeleteAllowed() && Remove(path);
        case TrashResult::Outcome::Failed:
            break;
    }
    ReportFailure(path, trashed.reason);
    return false;
}

bool FileDeletion::PermanentDeleteAllowed() {
    if (!m_permanentAllowed) {
        m_permanentAllowed =
            ShowMessageBox(
                "The file system of this file has no trash: it cannot be restored once "
                "deleted.\n\nDelete permanently?",
                wxYES_NO | wxICON_QUESTION, &m_parent) == wxYES;
    }
    return *m_permanentAllowed;
}

bool FileDeletion::Remove(const std::string& path) {
    const std::optional<std::string> reason = RemoveFile(path);
    if (reason) {
        ReportFailure(path, *reason);
        return false;
    }
    return true;
}

void FileDeletion::ReportFailure(const std::string& path, const std::string& reason) {
    ShowMessageBox(
        "ERROR:  Unable to delete\n\n" + ToDisplayText(path) + "\n\n" + ToDisplayText(reason),
        wxOK | wxICON_ERROR, &m_parent);
}
