#pragma once

#include <string>

#include "UniqueFd.h"

// A fresh hidden folder inside the folder being updated, holding the
// extracted entries ("files/") and the files set aside while the new ones
// move into place ("aside/"). Being on the same file system, its files move
// into place by renaming. Removed with everything in it when it goes.
class StagingFolder {
  public:
    // Makes the folder inside `parentFolder` (ending in "/"); Error() tells
    // whether that worked.
    explicit StagingFolder(const std::string& parentFolder);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // "" when the folder was made, else what failed, with the system's reason.
    const std::string& Error() const { return m_error; }
    // Where the entries are extracted to, ending in "/", and a descriptor of
    // that folder.
    std::string FilesPath() const { return m_path + "files/"; }
    int FilesFd() const { return m_filesFd.Get(); }
    // Where replaced files wait, ending in "/".
    std::string AsidePath() const { return m_path + "aside/"; }
    // Leaves the folder in place when this goes: it holds files that could
    // not be put back.
    void Keep() { m_kept = true; }

  private:
    std::string m_path;  // ends in "/"; empty when not made
    UniqueFd m_filesFd;
    std::string m_error;
    bool m_kept = false;
};
