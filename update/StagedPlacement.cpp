#include "StagedPlacement.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {

// The permission bits of a regular file, -1 for anything else.
int RegularFilePermissions(const struct stat& status) {
    return S_ISREG(status.st_mode) ? static_cast<int>(status.st_mode & 0777) : -1;
}

}  // namespace

std::string StagedPlacement::MoveTargetToBackup(const std::string& targetName,
                                                const std::string& backupPath) {
    const std::string target = m_folder + targetName;
    struct stat targetStatus {};
    if (lstat(target.c_str(), &targetStatus) != 0) {
        return errno == ENOENT ? "" : Failure(target);
    }
    struct stat backupStatus {};
    if (lstat(backupPath.c_str(), &backupStatus) == 0) {
        std::string failure = SetAside(backupPath, backupStatus);
        if (!failure.empty()) {
            return failure;
        }
    } else if (errno != ENOENT) {
        return Failure(backupPath);
    }
    if (!m_journal.Rename(target, backupPath)) {
        return Failure(target);
    }
    m_movedTarget = target;
    m_movedTargetPermissions = RegularFilePermissions(targetStatus);
    return "";
}

std::string StagedPlacement::PlaceEntries(const std::vector<StagedEntry>& entries) {
    for (const StagedEntry& entry : entries) {
        std::string failure = entry.folder ? MakeFolders(entry.name, true) : PlaceFile(entry.name);
        if (!failure.empty()) {
            return failure;
        }
    }
    return "";
}

std::string StagedPlacement::PlaceFile(const std::string& name) {
    std::string failure = MakeFolders(name, false);
    if (!failure.empty()) {
        return failure;
    }
    const std::string destination = m_folder + name;
    int permissions = destination == m_movedTarget ? m_movedTargetPermissions : -1;
    struct stat replaced {};
    if (lstat(destination.c_str(), &replaced) == 0) {
        failure = SetAside(destination, replaced);
        if (!failure.empty()) {
            return failure;
        }
        permissions = RegularFilePermissions(replaced);
    } else if (errno != ENOENT) {
        return Failure(destination);
    }
    const std::string staged = m_staging.FilesPath() + name;
    if (permissions >= 0 && chmod(staged.c_str(), static_cast<mode_t>(permissions)) != 0) {
        return Failure(staged);
    }
    return m_journal.Rename(staged, destination) ? "" : Failure(destination);
}

std::string StagedPlacement::MakeFolders(const std::string& name, bool includingLast) {
    size_t end = name.find('/');
    while (end != std::string::npos || includingLast) {
        const bool last = end == std::string::npos;
        const std::string path = m_folder + (last ? name : name.substr(0, end));
        struct stat status {};
        if (stat(path.c_str(), &status) == 0) {
            if (!S_ISDIR(status.st_mode)) {
                errno = ENOTDIR;
                return Failure(path);
            }
        } else if (errno != ENOENT || !m_journal.MakeFolder(path)) {
            return Failure(path);
        }
        if (last) {
            break;
        }
        end = name.find('/', end + 1);
    }
    return "";
}

std::string StagedPlacement::SetAside(const std::string& path, const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        errno = EISDIR;
        return Failure(path);
    }
    // Numbered, as files of one name can come from several folders.
    const std::string aside = m_staging.AsidePath() + std::to_string(++m_setAsideCount) + "-" +
                              path.substr(path.rfind('/') + 1);
    return m_journal.Rename(path, aside) ? "" : Failure(path);
}

std::string StagedPlacement::Failure(const std::string& path) const {
    return path + ": " + std::strerror(errno);
}
