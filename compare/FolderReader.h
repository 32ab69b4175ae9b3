#pragma once

#include <functional>
#include <vector>

#include "ListedFolder.h"
#include "PathFilter.h"

// Reads one folder of a listing in a single pass over its entries: the
// status of every entry, its files (the temporary files of copies left
// out), the folders below it to be read in turn, and whatever it could not
// read. Links are followed, except a link that leads back into a folder on
// the folder's own chain, so that every listing ends.
class FolderReader {
  public:
    // What the folder holds, as read since the last handover.
    struct Contents {
        std::vector<CFileStatus> files;
        std::vector<ListedFolder::Unlisted> notes;
        std::vector<ListedFolder::Subfolder> subfolders;
    };
    // Takes over a part of the contents (`last` with the final part);
    // false when the reading is to stop.
    using Handover = std::function<bool(Contents& part, bool last)>;

    // Files go over in parts of this many, so that a folder of many files
    // shows progress while it is read.
    static constexpr size_t kFilesPerPart = 256;

    // Names relative to the listed top folder begin at `rootLength` of a
    // folder's path; `filter`, when given, keeps files and folders out.
    FolderReader(const ListedFolder& folder, bool recurse, const PathFilter* filter,
                 size_t rootLength)
        : m_folder(folder), m_recurse(recurse), m_filter(filter), m_rootLength(rootLength) {}
    void Read(const Handover& handover);

  private:
    void Note(const std::string& folder, int error);
    void AddSubfolder(const std::string& name, bool isLink);
    // The entry's path relative to the listed top folder.
    std::string RelativeName(const std::string& name) const;
    bool TakesFile(const std::string& name) const;

    const ListedFolder& m_folder;
    const bool m_recurse;
    const PathFilter* const m_filter;
    const size_t m_rootLength;
    Contents m_contents;
};
