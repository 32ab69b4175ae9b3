#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// The folders a compare could not list whole, on either side. Their files
// were not all seen, so a compare that met any of them is incomplete, and
// nothing in or below them may be copied over or deleted on its strength.
class UnlistedFolders {
  public:
    struct Folder {
        std::string path;      // the full path, ending in "/"
        std::string relative;  // below the compared folder, ending in "/"; empty for that folder
        std::string reason;    // the system's
    };

    void Add(Folder folder);
    void Clear();
    bool Empty() const { return m_folders.empty(); }
    const std::vector<Folder>& All() const { return m_folders; }

    // A file at `relativeName` below either compared folder lies in or below
    // one of these folders on either side, or in the place of one (a link
    // that could not be followed), the names matched without regard to case
    // as the sides' files are paired.
    bool Covers(std::string_view relativeName) const;

  private:
    std::vector<Folder> m_folders;
    std::unordered_set<std::string> m_foldedRelatives;
};
