#include "WidestTextRows.h"

#include <algorithm>

#include "Utf8Characters.h"

WidestTextRows::WidestTextRows(size_t keep, CharacterWidth measure)
    : m_keep(keep), m_measure(std::move(measure)) {
    m_asciiWidths.fill(-1);
}

int WidestTextRows::SumOfCharacterWidths(std::string_view text) {
    int sum = 0;
    for (size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < m_asciiWidths.size()) {
            int& width = m_asciiWidths[byte];
            if (width < 0) {
                width = m_measure(text.substr(at, 1));
            }
            sum += width;
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        const size_t length = std::max<size_t>(DecodeUtf8Sequence(text, at, codePoint), 1);
        const std::string character(text.substr(at, length));
        const auto [entry, added] = m_otherWidths.try_emplace(character, 0);
        if (added) {
            entry->second = m_measure(character);
        }
        sum += entry->second;
        at += length;
    }
    return sum;
}

void WidestTextRows::Offer(int row, std::string_view text) {
    // Neighbouring rows often show the same text: it is judged once.
    if (!m_candidates.empty() && text == m_lastOffered) {
        return;
    }
    m_lastOffered = text;
    const int width = SumOfCharacterWidths(text);
    const auto narrowest =
        std::min_element(m_candidates.begin(), m_candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.width < b.width; });
    const bool full = m_candidates.size() >= m_keep;
    if (full && (m_keep == 0 || width <= narrowest->width)) {
        return;
    }
    if (std::any_of(m_candidates.begin(), m_candidates.end(),
                    [&](const Candidate& kept) { return kept.text == text; })) {
        return;
    }
    if (full) {
        *narrowest = {width, row, std::string(text)};
    } else {
        m_candidates.push_back({width, row, std::string(text)});
    }
}

std::vector<int> WidestTextRows::Rows() const {
    std::vector<Candidate> sorted = m_candidates;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Candidate& a, const Candidate& b) { return a.width > b.width; });
    std::vector<int> rows;
    rows.reserve(sorted.size());
    for (const Candidate& candidate : sorted) {
        rows.push_back(candidate.row);
    }
    return rows;
}
