#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "CFileStatus.h"
#include "CUncIterator.h"
#include "FolderReader.h"
#include "PathFilter.h"

// Lists the files of a folder, and with `recurse` of all its subfolders,
// with their status, on threads of its own that read several folders at
// once: the two folders of a compare are listed at the same time, and the
// caller's thread stays free to show progress. The list comes out sorted by
// name without regard to case, and is the same whatever order the folders
// were read in.
//
// A listing that is stopped or dropped is left to end on its own: a folder
// on an unreachable network share must not hold up its caller.
class FolderListing {
  public:
    // Starts listing at once; `filter`, when given, keeps files and
    // folders out (an excluded folder is not entered).
    FolderListing(std::string folder, bool recurse,
                  std::shared_ptr<const PathFilter> filter = nullptr);
    // Stops the listing without waiting for it.
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    // Files listed so far.
    size_t Count() const;
    // Waits at most `timeout`; true once the listing has ended.
    bool WaitUntilDone(std::chrono::milliseconds timeout);
    // Asks the listing to end; no file is added after this.
    void Stop();
    // Hands over the files: once the listing has ended, all of them, sorted;
    // after Stop, at once, those listed until then.
    std::vector<CFileStatus> Take();
    // Once the listing has ended: the folders it could not list whole.
    std::vector<CUncIterator::UnlistedFolder> UnlistedFolders() const;

  private:
    struct Shared;
    static void Serve(const std::shared_ptr<Shared>& shared);
    static bool TakeOver(Shared& shared, ListedFolder& folder, FolderReader::Contents& part,
                         bool last);
    static void Finish(Shared& shared);
    static void MoveIntoPlaces(std::vector<CFileStatus>& files, std::vector<size_t>& places);

    // Shared with the listing's thread, which may outlive this object.
    std::shared_ptr<Shared> m_shared;
};
