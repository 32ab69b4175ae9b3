#include "StaleTemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "TemporaryFile.h"
#include "TraceLog.h"
#include "UniqueFd.h"

namespace {

constexpr size_t kRememberedFolders = 1024;  // beyond this, folders not due are forgotten

// A copy at work holds its temporary file locked.
bool InUse(int folderFd, const char* name) {
    const UniqueFd file(openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    return file.IsOpen() && flock(file.Get(), LOCK_SH | LOCK_NB) != 0;
}

}  // namespace

bool StaleTemporaryFiles::IsDue(const std::string& folder) {
    const auto now = std::chrono::steady_clock::now();
    const std::lock_guard lock(m_mutex);
    const auto found = m_lastLooked.find(folder);
    if (found != m_lastLooked.end() && now - found->second < kAge) {
        return false;
    }
    if (m_lastLooked.size() >= kRememberedFolders) {
        std::erase_if(m_lastLooked,
                      [now](const auto& entry) { return now - entry.second >= kAge; });
    }
    m_lastLooked[folder] = now;
    return true;
}

void StaleTemporaryFiles::RemoveFrom(const std::string& folder) {
    if (!IsDue(folder)) {
        return;
    }
    DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr) {
        return;
    }
    const std::time_t modifiedBefore = std::time(nullptr) - kAge.count();
    while (const dirent* entry = readdir(directory)) {
        struct stat info {};
        if (!TemporaryFile::IsTemporaryName(entry->d_name) ||
            fstatat(dirfd(directory), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || info.st_mtime >= modifiedBefore) {
            continue;
        }
        if (InUse(dirfd(directory), entry->d_name)) {
            continue;
        }
        if (unlinkat(dirfd(directory), entry->d_name, 0) != 0) {
            TraceLogText("Unable to remove the stale temporary file \"" + folder + entry->d_name +
                         "\": " + std::strerror(errno));
        }
    }
    closedir(directory);
}
