#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <string_view>

// Attribute bits of a directory entry or file status.
inline constexpr uint32_t kAttributeReadOnly = 0x01;  // owner lacks write permission
inline constexpr uint32_t kAttributeHidden = 0x02;    // name begins with "."
inline constexpr uint32_t kAttributeDirectory = 0x10;

// One entry returned by a directory search.
struct FindData {
    std::string name;         // the entry's exact name, byte for byte
    uint32_t attributes = 0;  // kAttribute* bits
    // The entry's status, links followed. Valid only when `hasStatus`: a
    // search for subfolders skips the status query of plain files.
    struct stat status {};
    bool hasStatus = false;
    bool isLink = false;  // the entry is a symbolic link (to a file or folder)
    // The entry exists but its status could not be read (errno, such as
    // EACCES in a folder without search permission): whether it is a file or
    // a folder is unknown. With `isLink`, the link itself was read but where
    // it leads could not be.
    int statusError = 0;

    bool IsDirectory() const { return (attributes & kAttributeDirectory) != 0; }
    bool IsDotEntry() const { return name == "." || name == ".."; }
};

// Attribute bits for an entry named `name` with status `status`.
uint32_t AttributesOf(std::string_view name, const struct stat& status);
