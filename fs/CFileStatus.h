#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

// The status of one file or folder, as the comparison engine uses it.
struct CFileStatus {
    int64_t m_mtime = 0;       // last modification, seconds since 1970-01-01 UTC
    uint64_t m_size = 0;       // bytes
    uint8_t m_attribute = 0;   // kAttribute* bits of FindData.h
    std::string m_szFullName;  // absolute path as given, links not resolved

    // Reads the status of `path` (links followed). False when there is no
    // such entry or it cannot be reached; `status` is then unchanged.
    static bool GetStatus(const std::string& path, CFileStatus& status);

    // The status of `path` from a status query already made for it.
    static CFileStatus FromStat(const std::string& path, const struct stat& info);
};
