#pragma once

#include <string>
#include <vector>

#include "ArchiveInstall.h"

struct archive;
struct archive_entry;

// One entry written into the staging folder, in archive order.
struct StagedEntry {
    std::string name;  // relative, components joined by "/" ("help/a.txt")
    bool folder = false;
};

// Extracts a ZIP archive into a staging folder. Every entry is checked
// before anything of it is written; files are created anew relative to the
// staging folder's descriptor, never through a link.
class StagedExtraction {
  public:
    explicit StagedExtraction(int stagingFd) : m_stagingFd(stagingFd) {}

    // Installed when every entry was staged; else Unreadable (not a
    // readable ZIP archive, or a read error part-way), Refused (an entry
    // that must not be written) or Failed (the staging folder could not be
    // written), each with its reason.
    InstallResult Extract(const std::string& archivePath);
    const std::vector<StagedEntry>& Entries() const { return m_entries; }

  private:
    InstallResult StageEntry(archive* reader, archive_entry* entry);
    InstallResult StageFile(archive* reader, int folderFd, const std::string& leaf,
                            const std::string& name, int permissions);

    int m_stagingFd;
    std::vector<StagedEntry> m_entries;
};
