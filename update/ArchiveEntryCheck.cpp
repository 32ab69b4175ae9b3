#include "ArchiveEntryCheck.h"

#include <archive_entry.h>

std::vector<std::string> SafeNameComponents(const std::string& name) {
    std::vector<std::string> components;
    if (name.empty() || name.front() == '/') {
        return components;
    }
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string::npos) {
            end = name.size();
        }
        const std::string component = name.substr(start, end - start);
        if (component == "..") {
            return {};
        }
        if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        start = end + 1;
    }
    return components;
}

std::string SafeName(const std::string& name) {
    std::string joined;
    for (const std::string& component : SafeNameComponents(name)) {
        joined += (joined.empty() ? "" : "/") + component;
    }
    return joined;
}

namespace {

// What kind of entry it is when that kind is never installed ("" for a
// regular file or a folder).
std::string RefusedKindOf(archive_entry* entry) {
    if (archive_entry_hardlink(entry) != nullptr) {
        return "a hard link";
    }
    switch (archive_entry_filetype(entry)) {
        case AE_IFREG:
        case AE_IFDIR:
            return "";
        case AE_IFLNK:
            return "a symbolic link";
        case AE_IFCHR:
        case AE_IFBLK:
            return "a device";
        case AE_IFIFO:
            return "a FIFO";
        case AE_IFSOCK:
            return "a socket";
        default:
            return "of an unknown kind";
    }
}

}  // namespace

std::string RefusalOf(archive_entry* entry) {
    const char* const name = archive_entry_pathname(entry);
    if (name == nullptr) {
        return "an entry has a name that cannot be read";
    }
    const std::string quoted = "\"" + std::string(name) + "\"";
    if (SafeNameComponents(name).empty()) {
        return "the entry " + quoted + " has an empty, absolute or \"..\" name";
    }
    const std::string kind = RefusedKindOf(entry);
    if (!kind.empty()) {
        return "the entry " + quoted + " is " + kind;
    }
    return "";
}
