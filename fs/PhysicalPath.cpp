#include "PhysicalPath.h"

#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

std::string ResolvePhysicalPath(const std::string& folder) {
    std::unique_ptr<char, decltype(&free)> resolved(realpath(folder.c_str(), nullptr), &free);
    return resolved ? std::string(resolved.get()) : std::string();
}

bool IsSameOrAncestorPath(const std::string& ancestor, const std::string& path) {
    if (ancestor == "/") {
        return true;
    }
    return path.compare(0, ancestor.size(), ancestor) == 0 &&
           (path.size() == ancestor.size() || path[ancestor.size()] == '/');
}

std::string CurrentFolder() {
    std::string folder(PATH_MAX, '\0');
    while (getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE) {
            return {};
        }
        folder.resize(folder.size() * 2);
    }
    folder.resize(folder.find('\0'));
    return folder;
}
