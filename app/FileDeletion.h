#pragma once

#include <optional>
#include <string>
#include <vector>

class wxWindow;

// The deletes of one file action: to the desktop trash, or at once. Where a
// file's file system has no trash, the user is asked once per action
// whether its files may be deleted permanently. Failures are reported in a
// message box over `parent`.
class FileDeletion {
  public:
    FileDeletion(bool toTrash, wxWindow& parent) : m_bToTrash(toTrash), m_parent(parent) {}

    // Before anything is deleted: true when every one of `paths` can go to
    // the trash, or the user allowed permanent deletes for those that cannot.
    bool Confirm(const std::vector<std::string>& paths);
    // Deletes `path`; false, after saying why, when it was not deleted.
    bool Delete(const std::string& path);

  private:
    bool PermanentDeleteAllowed();
    bool Remove(const std::string& path);
    void ReportFailure(const std::string& path, const std::string& reason);

    const bool m_bToTrash;
    wxWindow& m_parent;
    std::optional<bool> m_permanentAllowed;  // the user's answer, once asked
};
