#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "COXUNCStandardActor.h"
#include "CUncPath.h"

// Walks the entries of a folder, optionally through all its subfolders, and
// stands on each one in turn as a full path (this object's own path value).
// The walk is set up by the path value at Start: a directory and a mask,
// such as "/data/*.*". The walk is over when IsEmpty() is true.
//
// Without depth-first order the walk is pre-order: a folder's files, then
// each subfolder's files and its whole subtree in turn. With depth-first
// order every folder's files come after those of all its subfolders.
// A folder that cannot be listed, or not to its end, is skipped and noted
// with the system's reason; one that does not exist (or no longer does) has
// no entries. Links to folders are followed, except a link that leads back
// into a folder on the walk's own chain, so every walk ends.
class CUncIterator : public CUncPath {
  public:
    explicit CUncIterator(std::string text = {});
    explicit CUncIterator(const CUncPath& path);
    CUncIterator(const CUncIterator&) = delete;
    CUncIterator& operator=(const CUncIterator&) = delete;
    using CUncPath::operator=;  // sets the path a later Start walks
    ~CUncIterator() override;

    // Begins the walk and moves to the first entry that passes the filter.
    // True when the last search did not fail.
    bool Start(bool includeFiles, bool includeDirs, bool recursive, bool depthFirst);
    // Moves to the next entry that passes the filter; same result rule.
    bool Next();
    // Advances; returns a bare path of the entry the iterator stood on.
    CUncIterator operator++(int);
    // Closes every open search; true unless a close failed.
    bool End();

    // The directory entry of the current file or folder, with its status.
    const FindData& GetFindData() const { return m_findData; }

    // A folder the walk could not list whole, or a link to one it could not
    // follow.
    struct UnlistedFolder {
        std::string folder;  // as the walk names it, ending in "/"
        int error = 0;       // the system's reason (errno)
    };
    // The folders skipped so far, each once, in the order met.
    const std::vector<UnlistedFolder>& UnlistedFolders() const { return m_unlisted; }

  private:
    struct DirScan {
        CUncPath path;             // the folder, with file part "*.*"
        std::string physicalPath;  // the folder with links resolved
        FindHandle handle = nullptr;
    };

    std::string NextDirectory();
    void PushScan(std::string directory, std::string physicalPath);
    void PopScan();
    void CloseSearch(FindHandle& handle);
    bool LeadsBackIntoChain(const std::string& physicalPath) const;
    bool Accepts(const FindData& entry) const;
    // Notes that `folder` could not be listed whole; nothing when the search
    // merely ended or the folder does not exist.
    void NoteUnlisted(const std::string& folder, HResult result);
    void NoteUnlistedEntry(const CUncPath& search, const FindData& entry);
    void StandOn(const FindData& entry);
    void FinishWalk();

    std::vector<DirScan> m_dirStack;  // the chain of folders scanned for subfolders; head at back
    std::vector<UnlistedFolder> m_unlisted;
    std::unordered_set<std::string> m_noted;  // the folders in m_unlisted
    CUncPath m_searchSpec;                    // the folder listed now, and the mask
    FindHandle m_hFind = nullptr;
    FindData m_findData;
    bool m_bWalking = false;
    bool bIncludeFiles = false;
    bool bIncludeDirs = false;
    bool bRecursive = false;
    bool bDepthFirst = false;
};
