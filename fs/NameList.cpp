#include "NameList.h"

namespace {

unsigned char FoldCase(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

int CompareNoCase(const std::string& a, const std::string& b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = FoldCase(static_cast<unsigned char>(a[i]));
        const unsigned char y = FoldCase(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
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
