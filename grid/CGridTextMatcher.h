#pragma once

#include <string>
#include <string_view>

// Decides whether a cell's text matches a searched text, and replaces the
// matches in it. Flags are the data source's find flags: part of the text
// (else the whole text must match) and ignore case. Case is folded for
// ASCII letters only; every other byte, UTF-8 sequences included, must be
// equal, so non-ASCII letters match only in the same case. An empty cell
// text and an empty searched text never match.
class CGridTextMatcher {
  public:
    CGridTextMatcher(std::string_view wanted, int flags);

    bool Matches(std::string_view text) const;
    // `text` with every match replaced by `replacement`: the whole text in
    // whole-text mode, each occurrence from left to right otherwise. `text`
    // is returned unchanged when it does not match.
    std::string Replace(std::string_view text, std::string_view replacement) const;

  private:
    // The text as compared: upper-cased when case is ignored.
    std::string Folded(std::string_view text) const;

    bool m_bPartOfText;
    bool m_bIgnoreCase;
    std::string m_strWanted;  // folded
};
