#include "PhysicalPath.h"

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
