#include "ArchiveInstall.h"

#include "ArchiveEntryCheck.h"
#include "PathText.h"
#include "RollbackJournal.h"
#include "StagedExtraction.h"
#include "StagedPlacement.h"
#include "StagingFolder.h"

std::string BackupPathFor(const std::string& programFolder, const std::string& targetName,
                          const std::string& localVersion) {
    std::string folder = programFolder;
    AppendBackslash(folder);
    return folder + GetFolderOfPath(targetName) + GetBaseName(targetName) + " v" + localVersion +
           GetExtension(targetName);
}

InstallResult InstallArchive(const std::string& programFolder, const std::string& targetName,
                             const std::string& localVersion, const std::string& archivePath) {
    std::string folder = programFolder;
    AppendBackslash(folder);
    // The target's name comes from the update server: it must name a file
    // inside the program's folder, as an entry's name must.
    const std::string target = SafeName(targetName);
    if (target.empty()) {
        return {InstallOutcome::Refused,
                "the file to update \"" + targetName + "\" has an empty, absolute or \"..\" name",
                true};
    }
    StagingFolder staging(folder);
    if (!staging.Error().empty()) {
        return {InstallOutcome::Failed, staging.Error(), true};
    }
    StagedExtraction extraction(staging.FilesFd());
    InstallResult result = extraction.Extract(archivePath);
    if (result.outcome != InstallOutcome::Installed) {
        return result;
    }
    RollbackJournal journal;
    StagedPlacement placement(folder, staging, journal);
    std::string failure;
    if (localVersion != "0.0") {
        failure = placement.MoveTargetToBackup(target, BackupPathFor(folder, target, localVersion));
    }
    if (failure.empty()) {
        failure = placement.PlaceEntries(extraction.Entries());
    }
    if (failure.empty()) {
        return result;
    }
    const std::string notRestored = journal.RollBack();
    if (!notRestored.empty()) {
        // The replaced files that could not go back are the only copies left.
        staging.Keep();
        failure += "; " + notRestored + "; the replaced files are kept in " + staging.AsidePath();
    }
    return {InstallOutcome::Failed, failure, notRestored.empty()};
}
