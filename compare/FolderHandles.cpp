#include "FolderHandles.h"

#include <fcntl.h>

FolderHandles::Place FolderHandles::PlaceOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash + 1 == path.size()) {
        return {AT_FDCWD, path.c_str()};
    }
    const int folderFd = FolderFd(std::string_view(path).substr(0, slash + 1));
    return folderFd < 0 ? Place{AT_FDCWD, path.c_str()} : Place{folderFd, path.c_str() + slash + 1};
}

void FolderHandles::Clear() {
    m_held.clear();
}

int FolderHandles::FolderFd(std::string_view folder) {
    // Files of one folder come together: the latest folder is looked at first.
    for (auto held = m_held.rbegin(); held != m_held.rend(); ++held) {
        if (held->folder == folder) {
            return held->fd.Get();
        }
    }
    if (m_held.size() == kMostHeld) {
        return -1;
    }
    UniqueFd opened(open(std::string(folder).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!opened.IsOpen()) {
        return -1;
    }
    m_held.push_back({std::string(folder), std::move(opened)});
    return m_held.back().fd.Get();
}
