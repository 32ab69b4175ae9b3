#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "CGridEditText.h"

// The input rules of the grid's masked editor. A mask has one position per
// character. The mask characters take one character of a kind:
//   0 a digit             L a letter              A a letter or digit
//   9 a digit or space    ? a letter or space     a a letter, digit or space
//   # a digit, space, + or -                      & C any printable character
// Any other character is a literal that stands for itself at its position;
// a backslash makes the character after it a literal and takes no position
// of its own. Positions count characters (code points), not bytes.
class CGridEditMask {
  public:
    // The owner's last word on a typed character that fits: false drops it;
    // it may also change the character that is inserted.
    using KeyCheck = std::function<bool(char32_t& character)>;

    explicit CGridEditMask(std::string_view mask);

    // An empty mask turns masking off: every character is the editor's own.
    bool IsOn() const { return !m_positions.empty(); }

    // The number of positions, which is the longest text the mask allows.
    size_t Length() const { return m_positions.size(); }

    // Whether `character` fits at `position`: a mask position takes its
    // kind, a literal position only its own literal; nothing fits past the
    // mask's end.
    bool Accepts(size_t position, char32_t character) const;

    // The text laid out on the mask: literal positions get their literal
    // (the text's own copy of it, where it has one there, is used up);
    // mask positions get the next character of the text that fits them,
    // characters that fit nothing on the way being dropped. It stops where
    // the text runs out or the mask ends.
    std::string Reformat(std::string_view text) const;

    // Printable characters go through the mask; others (Backspace, control
    // keys) are the editor's own.
    static bool IsPrintable(char32_t character);

    // Types a printable character: the selection is deleted; on a literal
    // position the literal is typed first (only one, and a literal already
    // there is stepped over, not doubled); then the character is inserted
    // when it fits the new caret position and `checkKey` lets it. `edit`
    // is made with Length() as its limit, as the masked editor's text is.
    // Answers whether the character was inserted.
    bool Type(CGridEditText& edit, char32_t character, const KeyCheck& checkKey) const;

  private:
    // A mask character, or 0 at a literal position.
    struct Position {
        char maskCharacter = 0;
        char32_t literal = 0;
    };

    std::vector<Position> m_positions;
};
