#include "CompactPath.h"

int CompactPath(const std::string& path, std::string& buffer, size_t size) {
    buffer.clear();
    const size_t limit = size > 0 ? size - 1 : 0;
    if (path.size() <= limit) {
        buffer = path;
        return 1;
    }
    const std::string prefix = (!path.empty() && path.front() == '/') ? "/..." : "...";
    const auto firstSeparator = path.find('/');
    if (firstSeparator == std::string::npos) {
        return 0;
    }
    // The first separator from which the tail fits gives the longest tail.
    for (auto tail = path.find('/', firstSeparator + 2); tail != std::string::npos;
         tail = path.find('/', tail + 1)) {
        if (prefix.size() + (path.size() - tail) <= limit) {
            buffer = prefix + path.substr(tail);
            return 1;
        }
    }
    return 0;
}

int CompactPathText(const std::string& path, std::string& text, size_t size) {
    std::string buffer;
    const int fitted = CompactPath(path, buffer, size);
    if (fitted != 0) {
        text = std::move(buffer);
    }
    return fitted;
}
