#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

#include "RollbackJournal.h"
#include "StagedExtraction.h"
#include "StagingFolder.h"

// Moves the old target to its backup name and the staged entries into the
// folder being updated, every change through the journal so that it can be
// undone. Each step returns "" when it worked, else the file and the
// system's reason.
class StagedPlacement {
  public:
    StagedPlacement(const std::string& folder, const StagingFolder& staging,
                    RollbackJournal& journal)
        : m_folder(folder), m_staging(staging), m_journal(journal) {}

    // Moves folder + `targetName` (when there) to `backupPath`; a file
    // already at `backupPath` is set aside first.
    std::string MoveTargetToBackup(const std::string& targetName, const std::string& backupPath);
    std::string PlaceEntries(const std::vector<StagedEntry>& entries);

  private:
    std::string PlaceFile(const std::string& name);
    // Makes the missing folders on the way to folder + `name`, the last
    // component too when `includingLast`.
    std::string MakeFolders(const std::string& name, bool includingLast);
    // Renames the file at `path`, of `status`, into the staging folder; a
    // folder is never set aside.
    std::string SetAside(const std::string& path, const struct stat& status);
    std::string Failure(const std::string& path) const;

    std::string m_folder;
    const StagingFolder& m_staging;
    RollbackJournal& m_journal;
    int m_setAsideCount = 0;
    // The target's path and permission bits once it moved to its backup.
    std::string m_movedTarget;
    int m_movedTargetPermissions = -1;
};
