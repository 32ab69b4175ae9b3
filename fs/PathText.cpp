#include "PathText.h"

void RemoveTrailingBackslash(std::string& path, bool force) {
    if (!path.empty() && path.back() == '/' && (force || path.size() > 1)) {
        path.pop_back();
    }
}

void AppendBackslash(std::string& path) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
}

std::string GetPathPart(PathPart part, const std::string& path) {
    const auto slash = path.rfind('/');
    const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
    auto dot = path.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) {
        dot = path.size();
    }
    switch (part) {
        case PathPart::Folder:
            return path.substr(0, nameStart);
        case PathPart::BaseName:
            return path.substr(nameStart, dot - nameStart);
        case PathPart::Extension:
            return path.substr(dot);
    }
    return {};
}

std::string GetBaseName(const std::string& path) {
    return GetPathPart(PathPart::BaseName, path);
}

std::string GetExtension(const std::string& path) {
    return GetPathPart(PathPart::Extension, path);
}

std::string GetFolderOfPath(const std::string& path) {
    return GetPathPart(PathPart::Folder, path);
}

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
    std::string result = GetFolderOfPath(path) + GetBaseName(path);
    if (!extension.empty() && extension.front() != '.') {
        result += '.';
    }
    return result + extension;
}
