#include "CGridEditText.h"

#include <algorithm>

#include "Utf8Characters.h"

CGridEditText::CGridEditText(std::string_view text, size_t from, size_t to, size_t limit)
    : m_characters(SplitUtf8Characters(text)),
      m_anchor(std::min(from, m_characters.size())),
      m_caret(std::min(to, m_characters.size())),
      m_limit(limit) {}

std::string CGridEditText::Text() const {
    std::string text;
    for (const std::string& character : m_characters) {
        text += character;
    }
    return text;
}

size_t CGridEditText::SelectionStart() const {
    return std::min(m_anchor, m_caret);
}

size_t CGridEditText::SelectionEnd() const {
    return std::max(m_anchor, m_caret);
}

char32_t CGridEditText::CodePointAt(size_t position) const {
    return position < m_characters.size() ? CodePointOf(m_characters[position]) : 0;
}

void CGridEditText::SetCaret(size_t position) {
    m_caret = std::min(position, m_characters.size());
    m_anchor = m_caret;
}

void CGridEditText::DeleteSelection() {
    const size_t start = SelectionStart();
    const auto first = m_characters.begin() + static_cast<std::ptrdiff_t>(start);
    m_characters.erase(first, first + static_cast<std::ptrdiff_t>(SelectionEnd() - start));
    SetCaret(start);
}

bool CGridEditText::Insert(char32_t codePoint) {
    DeleteSelection();
    std::string character = EncodeUtf8(codePoint);
    if (m_characters.size() >= m_limit || character.empty()) {
        return false;
    }
    m_characters.insert(m_characters.begin() + static_cast<std::ptrdiff_t>(m_caret),
                        std::move(character));
    SetCaret(m_caret + 1);
    return true;
}

void CGridEditText::EraseBackward() {
    if (m_anchor == m_caret && m_caret > 0) {
        --m_anchor;
    }
    DeleteSelection();
}

void CGridEditText::EraseForward() {
    if (m_anchor == m_caret && m_caret < m_characters.size()) {
        ++m_anchor;
    }
    DeleteSelection();
}
