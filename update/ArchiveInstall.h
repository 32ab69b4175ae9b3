#pragma once

#include <string>

// How installing one update archive ended.
enum class InstallOutcome {
    Installed,   // every entry is in place, the old target under its backup name
    Unreadable,  // not an archive that can be read: nothing changed
    Refused,     // an entry that must not be written (see InstallArchive): nothing changed
    Failed,      // a file-system error; see InstallResult::restored
};

struct InstallResult {
    InstallOutcome outcome = InstallOutcome::Failed;
    // For anything but Installed: what went wrong, for a message
    // (names the entry or file and the system's reason).
    std::string reason;
    // For Failed: true when every file was put back as it was before.
    bool restored = true;
};

// The name the replaced file keeps: "<base> v<version><extension>" in the
// same folder ("Vantrel v1.04", "Vantrel v1.04.CHM").
std::string BackupPathFor(const std::string& programFolder, const std::string& targetName,
                          const std::string& localVersion);

// Installs the ZIP archive `archivePath` into `programFolder` (ending in
// "/"): every entry is first extracted into a fresh staging folder inside
// `programFolder`; an archive holding an entry with an absolute name, a ".."
// component, a link (symbolic or hard), a device, a FIFO or a socket is
// refused whole. Only after a clean extraction is the target `targetName`
// moved to its backup name (unless `localVersion` is "0.0", meaning there
// is no such file) and are the staged files moved into place. When a step
// fails, everything moved is moved back. The staging folder is removed at
// every ending. Never changes the process's working folder.
InstallResult InstallArchive(const std::string& programFolder, const std::string& targetName,
                             const std::string& localVersion, const std::string& archivePath);
