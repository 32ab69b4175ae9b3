#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CFileStatus.h"
#include "CUncIterator.h"

// One folder of a listing as far as it has been read: its files, the
// failures met while reading it, and the folders below it, each in the
// order met. Folders are read several at a time; Flatten then gives the
// files and failures in the order a walk of one folder at a time gives.
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
    // Moves out the files and failures of this folder and every folder below:
    // a folder's files, then each folder below in turn; each failing folder
    // is noted once, where it was first met.
    void Flatten(std::vector<CFileStatus>& files, std::vector<Unlisted>& unlisted);
    // How many files this folder and the folders below hold now.
    size_t CountFiles() const;

    const std::string path;          // as the listing names it, ending in "/"
    const std::string physicalPath;  // with every link resolved; may be empty
    const ListedFolder* const parent;
    std::vector<CFileStatus> files;
    std::vector<Unlisted> notes;  // its own failures and its entries'
    std::vector<Subfolder> subfolders;
};
