#include "MessageLines.h"

#include "CompactPath.h"

std::string PathForMessage(const std::string& path) {
    constexpr size_t kMostBytes = 120;
    // A folder's "/" stays at the end; its own name is the one kept.
    const bool folder = path.size() > 1 && path.ends_with('/');
    const std::string named = folder ? path.substr(0, path.size() - 1) : path;
    const std::string end = folder ? "/" : "";
    std::string shortened;
    if (CompactPath(named, shortened, kMostBytes + 1 - end.size()) != 0) {
        return shortened + end;
    }
    constexpr size_t kKept = (kMostBytes - 3) / 2;
    return path.substr(0, kKept) + "..." + path.substr(path.size() - kKept);
}

void MessageLines::Add(const std::string& line) {
    if (m_count++ < m_most) {
        m_text += line + "\n";
    }
}

std::string MessageLines::Text() const {
    if (m_count <= m_most) {
        return m_text;
    }
    return m_text + "and " + std::to_string(m_count - m_most) + " more\n";
}
