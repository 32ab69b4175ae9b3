#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CFileStatus.h"
#include "CUncIterator.h"

// One folder of a listing as far as it has been read: where its files lie
// in the listing's one list of files, the failures met while reading it, and
// the folders below it, each in the order met. Folders are read several at
// a time; Flatten then gives the files and failures in the order a walk of
// one folder at a time gives.
struct ListedFolder {
    using Unlisted = CUncIterator::UnlistedFolder;

    // A folder below: entered, or not entered for the reason `note` gives.
    struct Subfolder {
        std::unique_ptr<ListedFolder> folder;
        Unlisted note;
    };

    ListedFolder(std::string folderPath, std::string physical, const ListedFolder* parentFolder)
        : path(std::move(folderPath)), physicalPath(std::move(physical)), parent(parentFolder) {}

    // A link to `physical` leads back into this folder or one it lies in.
    bool LeadsBackIntoChain(const std::string& physical) const;
    // The places in the list of the files of this folder and every folder
    // below, and their failures: a folder's files, then each folder below in
    // turn; each failing folder is noted once, where it was first met.
    void Flatten(std::vector<size_t>& places, std::vector<Unlisted>& unlisted) const;

    const std::string path;  // as the listing names it, ending in "/"
    // With every link resolved; may be empty. The top folder's is set by the
    // reader that reads it, before any folder below exists.
    std::string physicalPath;
    const ListedFolder* const parent;
    // The folder, or one it lies in, matched an Include pattern of the
    // listing's filter (always, without Include patterns).
    bool included = true;
    // Runs of the list that hold this folder's files: first place, count.
    std::vector<std::pair<size_t, size_t>> fileRuns;
    std::vector<Unlisted> notes;  // its own failures and its entries'
    std::vector<Subfolder> subfolders;
};
