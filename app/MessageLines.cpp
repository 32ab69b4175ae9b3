#include "MessageLines.h"

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
