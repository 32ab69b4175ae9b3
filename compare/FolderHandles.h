#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "UniqueFd.h"

// The folders of the files a batch opens, each held open once, so that each
// file is opened by its last name relative to its folder: the system looks
// up one name instead of every folder on the way. Every folder stays open
// until Clear, as requests queued for the kernel name them by descriptor.
// Only a few are held, so that the program's other opens never run out of
// descriptors; files of further folders are opened by their whole paths.
class FolderHandles {
  public:
    // Where to open `path` from: a held folder and the path's last name, or,
    // when its folder cannot be held, the current folder and the whole path.
    // Valid while `path` lives and until Clear.
    struct Place {
        int folderFd;
        const char* name;
    };
    Place PlaceOf(const std::string& path);
    // Closes every held folder.
    void Clear();

  private:
    static constexpr size_t kMostHeld = 32;
    struct Held {
        std::string folder;
        UniqueFd fd;
    };
    int FolderFd(std::string_view folder);

    std::vector<Held> m_held;
};
