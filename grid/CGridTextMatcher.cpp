#include "CGridTextMatcher.h"

#include "CGridDataSource.h"

CGridTextMatcher::CGridTextMatcher(std::string_view wanted, int flags)
    : m_bPartOfText(flags & CGridDataSource::kFindPartOfText),
      m_bIgnoreCase(flags & CGridDataSource::kFindIgnoreCase),
      m_strWanted(Folded(wanted)) {}

std::string CGridTextMatcher::Folded(std::string_view text) const {
    std::string folded(text);
    if (m_bIgnoreCase) {
        for (char& c : folded) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
    }
    return folded;
}

bool CGridTextMatcher::Matches(std::string_view text) const {
    if (text.empty() || m_strWanted.empty()) {
        return false;
    }
    const std::string have = Folded(text);
    return m_bPartOfText ? have.find(m_strWanted) != std::string::npos : have == m_strWanted;
}

std::string CGridTextMatcher::Replace(std::string_view text, std::string_view replacement) const {
    if (!Matches(text)) {
        return std::string(text);
    }
    if (!m_bPartOfText) {
        return std::string(replacement);
    }
    // Folding keeps every byte in place, so positions found in the folded
    // text are positions in the original.
    const std::string have = Folded(text);
    std::string result;
    size_t from = 0;
    for (size_t at = have.find(m_strWanted); at != std::string::npos;
         at = have.find(m_strWanted, from)) {
        result.append(text.substr(from, at - from));
        result.append(replacement);
        from = at + m_strWanted.size();
    }
    result.append(text.substr(from));
    return result;
}
