#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Picks, among the texts of a column's rows, the few that may be the widest,
// judged by the sum of their characters' widths, each character measured
// once. Fitting the column then measures those few cells instead of every
// one. Several texts are kept, distinct ones, so that a text whose drawn
// width is not quite the sum of its characters is still among them.
class WidestTextRows {
  public:
    // The width of one character, given as its UTF-8 bytes.
    using CharacterWidth = std::function<int(std::string_view character)>;

    WidestTextRows(size_t keep, CharacterWidth measure);

    // Row `row` shows `text`.
    void Offer(int row, std::string_view text);
    // The rows of the widest distinct texts offered, widest first.
    std::vector<int> Rows() const;

  private:
    struct Candidate {
        int width;
        int row;
        std::string text;
    };

    int SumOfCharacterWidths(std::string_view text);

    size_t m_keep;
    CharacterWidth m_measure;
    std::array<int, 128> m_asciiWidths;  // -1 until measured
    std::unordered_map<std::string, int> m_otherWidths;
    std::vector<Candidate> m_candidates;  // at most m_keep
    std::string m_lastOffered;
};
