#include "CGridEditMask.h"

#include <locale.h>
#include <wctype.h>

#include "Utf8Characters.h"

namespace {

constexpr std::string_view kMaskCharacters = "09#L?Aa&C";

// Letters of every script, as the C library's UTF-8 character classes know
// them; ASCII letters alone where that locale is missing.
bool IsLetter(char32_t character) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    if (utf8 == locale_t{}) {
        return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z');
    }
    return iswalpha_l(static_cast<wint_t>(character), utf8) != 0;
}

bool IsDigit(char32_t character) {
    return character >= '0' && character <= '9';
}

bool FitsMaskCharacter(char maskCharacter, char32_t character) {
    const bool space = character == ' ';
    switch (maskCharacter) {
        case '0':
            return IsDigit(character);
        case '9':
            return IsDigit(character) || space;
        case '#':
            return IsDigit(character) || space || character == '+' || character == '-';
        case 'L':
            return IsLetter(character);
        case '?':
            return IsLetter(character) || space;
        case 'A':
            return IsLetter(character) || IsDigit(character);
        case 'a':
            return IsLetter(character) || IsDigit(character) || space;
        default:  // '&' and 'C'
            return CGridEditMask::IsPrintable(character);
    }
}

}  // namespace

CGridEditMask::CGridEditMask(std::string_view mask) {
    const std::vector<std::string> characters = SplitUtf8Characters(mask);
    for (size_t i = 0; i < characters.size(); ++i) {
        Position position;
        const std::string& character = characters[i];
        const bool escaped = character == "\\" && i + 1 < characters.size();
        if (escaped) {
            position.literal = CodePointOf(characters[++i]);
        } else if (character.size() == 1 &&
                   kMaskCharacters.find(character[0]) != std::string_view::npos) {
            position.maskCharacter = character[0];
        } else {
            position.literal = CodePointOf(character);
        }
        m_positions.push_back(position);
    }
}

bool CGridEditMask::IsPrintable(char32_t character) {
    const bool control = character < 0x20 || (character >= 0x7F && character <= 0x9F);
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    return !control && !surrogate && character != 0xFFFD && character <= 0x10FFFF;
}

bool CGridEditMask::Accepts(size_t position, char32_t character) const {
    if (position >= m_positions.size()) {
        return false;
    }
    const Position& here = m_positions[position];
    return here.maskCharacter == 0 ? character == here.literal
                                   : FitsMaskCharacter(here.maskCharacter, character);
}

std::string CGridEditMask::Reformat(std::string_view text) const {
    const std::vector<std::string> characters = SplitUtf8Characters(text);
    std::string formatted;
    size_t next = 0;
    for (size_t at = 0; at < m_positions.size() && next < characters.size(); ++at) {
        const Position& here = m_positions[at];
        if (here.maskCharacter == 0) {
            // An already formatted text keeps its literals in place: using
            // up the text's own copy stops it from landing on the next
            // mask position and pushing the last character out.
            if (CodePointOf(characters[next]) == here.literal) {
                ++next;
            }
            formatted += EncodeUtf8(here.literal);
            continue;
        }
        while (next < characters.size() && !Accepts(at, CodePointOf(characters[next]))) {
            ++next;
        }
        if (next < characters.size()) {
            formatted += characters[next++];
        }
    }
    return formatted;
}

bool CGridEditMask::Type(CGridEditText& edit, char32_t character, const KeyCheck& checkKey) const {
    edit.DeleteSelection();
    const size_t caret = edit.Caret();
    if (caret >= m_positions.size()) {
        return false;
    }
    const char32_t literal = m_positions[caret].literal;
    if (m_positions[caret].maskCharacter == 0) {
        if (edit.CodePointAt(caret) == literal) {
            edit.SetCaret(caret + 1);
        } else {
            edit.Insert(literal);
        }
    }
    if (!Accepts(edit.Caret(), character) || !checkKey(character)) {
        return false;
    }
    return edit.Insert(character);
}
