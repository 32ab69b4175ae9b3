#include "MessageLines.h"

#include "CompactPath.h"

std::string PathForMessage(const std::string& path) {
    constexpr size_t kMostBytes = 120;
    std::string shortened;
    if (CompactPath(path, shortened, kMostBytes + 1) != 0) {
        return shortened;
    }
    constexpr size_t kEnd = (kMostBytes - 3) / 2;
    return path.substr(0, kEnd) + "..." + path.substr(path.size() - kEnd);
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
