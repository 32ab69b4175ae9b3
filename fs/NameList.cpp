#include "NameList.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Each byte with ASCII A-Z folded to lower case.
constexpr auto kFolded = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return table;
}();

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        c = static_cast<char>(kFolded[static_cast<unsigned char>(c)]);
    }
    return folded;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    size_t i = 0;
    while (i < common) {
        // Identical bytes are equal whatever their case: skip them a word
        // at a time, since names sorted together share long prefixes.
        uint64_t wordA, wordB;
        if (i + sizeof wordA <= common) {
            std::memcpy(&wordA, a.data() + i, sizeof wordA);
            std::memcpy(&wordB, b.data() + i, sizeof wordB);
            if (wordA == wordB) {
                i += sizeof wordA;
                continue;
            }
        }
        const unsigned char x = kFolded[static_cast<unsigned char>(a[i])];
        const unsigned char y = kFolded[static_cast<unsigned char>(b[i])];
        if (x != y) {
            return x < y ? -1 : 1;
        }
        ++i;
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

void SortNamesNoCase(std::vector<std::string>& names) {
    SortNamesNoCase(names, [](const std::string& name) -> const std::string& { return name; });
}

std::vector<std::string> SplitText(const std::string& text, const std::string& separators) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const auto found = text.find_first_of(separators, start);
        if (found == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, found - start));
        start = found + 1;
    }
}
