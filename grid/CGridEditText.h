#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// The text of an in-place editor with its selection, as an edit control
// keeps it: typing inserts at the caret, a selection is replaced, and the
// text never grows past its limit. Positions count characters (code
// points), not bytes; a byte that is not valid UTF-8 counts as one.
class CGridEditText {
  public:
    static constexpr size_t kNoLimit = std::numeric_limits<size_t>::max();

    // The selection runs from `from` to `to` in either order; equal, it is
    // the caret alone. Positions past the end are taken as the end.
    explicit CGridEditText(std::string_view text, size_t from = 0, size_t to = 0,
                           size_t limit = kNoLimit);

    std::string Text() const;
    size_t Length() const { return m_characters.size(); }
    size_t Caret() const { return m_caret; }
    size_t SelectionStart() const;
    size_t SelectionEnd() const;

    // The code point of the character at `position` (U+FFFD for a stray
    // byte), or 0 past the end.
    char32_t CodePointAt(size_t position) const;

    void SetCaret(size_t position);
    void DeleteSelection();

    // Inserts one character at the caret and moves the caret past it; a
    // selection is replaced. False, text unchanged but for the deleted
    // selection, when the text is at its limit or the code point cannot be
    // encoded.
    bool Insert(char32_t codePoint);

    // Backspace and Delete: the selection, or else the character before or
    // after the caret.
    void EraseBackward();
    void EraseForward();

  private:
    std::vector<std::string> m_characters;
    size_t m_anchor;
    size_t m_caret;
    size_t m_limit;
};
