#include "CFileStatus.h"

#include <unistd.h>

#include <climits>
#include <string_view>

#include "FindData.h"
#include "PhysicalPath.h"

namespace {

// The last name of a path, ignoring trailing separators.
std::string_view LastName(std::string_view path) {
    const auto end = path.find_last_not_of('/');
    if (end == std::string_view::npos) {
        return {};
    }
    const auto slash = path.rfind('/', end);
    const auto start = slash == std::string_view::npos ? 0 : slash + 1;
    return path.substr(start, end + 1 - start);
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::string absolute = CurrentFolder();
    if (absolute.empty()) {
        return path;
    }
    if (absolute.back() != '/') {
        absolute += '/';
    }
    return absolute + path;
}

}  // namespace

bool CFileStatus::GetStatus(const std::string& path, CFileStatus& status) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) {
        return false;
    }
    status = FromStat(AbsolutePath(path), info);
    return true;
}

CFileStatus CFileStatus::FromStat(const std::string& path, const struct stat& info) {
    CFileStatus status;
    status.m_mtime = info.st_mtim.tv_sec;
    status.m_size = static_cast<uint64_t>(info.st_size);
    status.m_attribute = static_cast<uint8_t>(AttributesOf(LastName(path), info));
    status.m_szFullName = path;
    return status;
}
