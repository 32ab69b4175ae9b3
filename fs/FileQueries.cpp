#include "FileQueries.h"

#include <sys/stat.h>

#include <cerrno>

#include "CFileStatus.h"
#include "PathText.h"

bool FileExists(const std::string& path, uint64_t* size) {
    CFileStatus status;
    const bool exists = CFileStatus::GetStatus(path, status);
    if (size != nullptr) {
        *size = exists ? status.m_size : 0;
    }
    return exists;
}

int64_t GetFileSize64(const std::string& path) {
    uint64_t size = 0;
    return FileExists(path, &size) ? static_cast<int64_t>(size) : -1;
}

bool PathExists(const std::string& path) {
    std::string entry = path;
    RemoveTrailingBackslash(entry, false);
    struct stat info {};
    return !entry.empty() && lstat(entry.c_str(), &info) == 0;
}

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A file standing where the folder should be is a failure, not a folder.
bool EnsureFolder(const std::string& folder, mode_t mode) {
    if (IsFolder(folder)) {
        return true;
    }
    return mkdir(folder.c_str(), mode) == 0 || (errno == EEXIST && IsFolder(folder));
}

}  // namespace

bool CreateFolderChain(const std::string& path, mode_t mode) {
    if (path.empty()) {
        return false;
    }
    if (IsFolder(path)) {
        return true;  // the usual case when copying many files: one query
    }
    for (size_t i = 1; i < path.size(); ++i) {
        if (path[i] == '/' && path[i - 1] != '/' && !EnsureFolder(path.substr(0, i + 1), mode)) {
            return false;
        }
    }
    if (path.back() != '/') {
        return EnsureFolder(path, mode);
    }
    return true;
}
