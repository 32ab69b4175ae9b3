#include "COXUNCStandardActor.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

struct FindSearch {
    DIR* directory = nullptr;
    std::string mask;
    COXUNCStandardActor::Scan scan = COXUNCStandardActor::Scan::ListEntries;
};

namespace {

// A status query that failed because the entry is gone or is a link that
// leads nowhere (or round in a loop): such entries are simply not there.
bool EntryIsAbsent(int error) {
    return error == ENOENT || error == ENOTDIR || error == ELOOP;
}

}  // namespace

bool DescribeEntry(int directoryFd, const dirent& entry, COXUNCStandardActor::Scan scan,
                   FindData& data) {
    data.name = entry.d_name;
    data.hasStatus = false;
    data.statusError = 0;
    data.isLink = entry.d_type == DT_LNK;
    if (data.IsDotEntry()) {
        data.attributes = kAttributeDirectory;
        return true;
    }
    if (scan == COXUNCStandardActor::Scan::FindSubfolders && entry.d_type == DT_REG) {
        data.attributes = 0;
        return true;
    }
    if (entry.d_type != DT_REG && entry.d_type != DT_DIR && entry.d_type != DT_LNK &&
        entry.d_type != DT_UNKNOWN) {
        return false;
    }
    const auto unreadable = [&data] {
        if (EntryIsAbsent(errno)) {
            return false;
        }
        data.statusError = errno;
        data.attributes = 0;
        return true;
    };
    if (entry.d_type == DT_UNKNOWN) {
        if (fstatat(directoryFd, entry.d_name, &data.status, AT_SYMLINK_NOFOLLOW) != 0) {
            return unreadable();
        }
        data.isLink = S_ISLNK(data.status.st_mode);
    }
    if (fstatat(directoryFd, entry.d_name, &data.status, 0) != 0) {
        // A link that can be read itself but not followed leaves only its own
        // place unknown; an entry that cannot be read at all means that the
        // folder may not be searched.
        const int error = errno;
        struct stat link {};
        data.isLink = fstatat(directoryFd, entry.d_name, &link, AT_SYMLINK_NOFOLLOW) == 0 &&
                      S_ISLNK(link.st_mode);
        errno = error;
        return unreadable();
    }
    if (!S_ISREG(data.status.st_mode) && !S_ISDIR(data.status.st_mode)) {
        return false;
    }
    data.hasStatus = true;
    data.attributes = AttributesOf(data.name, data.status);
    return true;
}

namespace {

// Reads entries until one matches the search's mask.
HResult ReadMatchingEntry(FindSearch& search, FindData& data) {
    const int directoryFd = dirfd(search.directory);
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(search.directory);
        if (entry == nullptr) {
            return errno == 0 ? kNoMoreFiles : ResultFromErrno(errno);
        }
        if (MatchesMask(entry->d_name, search.mask) &&
            DescribeEntry(directoryFd, *entry, search.scan, data)) {
            return kResultOk;
        }
    }
}

}  // namespace

HResult ResultFromErrno(int error) {
    if (error <= 0) {
        return error;
    }
    return static_cast<HResult>((static_cast<uint32_t>(error) & 0xFFFFu) | 0x80070000u);
}

int ErrnoFromResult(HResult result) {
    return result < 0 ? static_cast<int>(static_cast<uint32_t>(result) & 0xFFFFu) : 0;
}

uint32_t AttributesOf(std::string_view name, const struct stat& status) {
    uint32_t attributes = 0;
    if ((status.st_mode & S_IWUSR) == 0) {
        attributes |= kAttributeReadOnly;
    }
    if (!name.empty() && name.front() == '.') {
        attributes |= kAttributeHidden;
    }
    if (S_ISDIR(status.st_mode)) {
        attributes |= kAttributeDirectory;
    }
    return attributes;
}

bool MatchesMask(const std::string& name, const std::string& mask) {
    if (mask == "*.*" || mask == "*") {
        return true;
    }
    // Iterative wildcard match with backtracking to the last '*'.
    size_t n = 0, m = 0, starMask = std::string::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
}

COXUNCStandardActor& COXUNCStandardActor::Shared() {
    static COXUNCStandardActor actor;
    return actor;
}

HResult COXUNCStandardActor::FindFirst(CUncPath path, FindHandle& handle, FindData& data,
                                       Scan scan) {
    handle = nullptr;
    std::string directory = path.GetDirectory();
    if (directory.empty()) {
        directory = ".";
    }
    DIR* opened = opendir(directory.c_str());
    if (opened == nullptr) {
        return ResultFromErrno(errno);
    }
    auto* search = new FindSearch{opened, path.GetFile(), scan};
    const HResult result = ReadMatchingEntry(*search, data);
    if (result != kResultOk) {
        closedir(opened);
        delete search;
        // An empty match ends at once, as a search past its last entry does;
        // every other failure is the folder's own.
        return result;
    }
    handle = search;
    return kResultOk;
}

HResult COXUNCStandardActor::FindNext(FindHandle handle, FindData& data) {
    if (handle == nullptr) {
        return ResultFromErrno(EBADF);
    }
    return ReadMatchingEntry(*handle, data);
}

HResult COXUNCStandardActor::FindClose(FindHandle handle) {
    if (handle == nullptr) {
        return ResultFromErrno(EBADF);
    }
    const int closed = closedir(handle->directory);
    const int error = errno;
    delete handle;
    return closed == 0 ? kResultOk : ResultFromErrno(error);
}
