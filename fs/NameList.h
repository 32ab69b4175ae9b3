#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// Lists of names and texts.

// Compares without regard to letter case: ASCII A-Z folded to lower case,
// then bytes compared as unsigned values; a prefix sorts first.
// Negative, zero or positive.
int CompareNoCase(std::string_view a, std::string_view b);
// `text` with ASCII A-Z folded to lower case, as CompareNoCase folds it.
std::string FoldCase(std::string_view text);
// Stable ascending sort by CompareNoCase: names equal but for case keep
// their order. The second form sorts any records by the name `nameOf` gives.
void SortNamesNoCase(std::vector<std::string>& names);
template <typename Record, typename NameOf>
void SortNamesNoCase(std::vector<Record>& records, NameOf nameOf) {
    std::stable_sort(records.begin(), records.end(), [&](const Record& a, const Record& b) {
        return CompareNoCase(nameOf(a), nameOf(b)) < 0;
    });
}
// Splits `text` at every byte found in `separators`; empty pieces are kept
// ("a,,b" gives three pieces), so the result holds at least one piece.
std::vector<std::string> SplitText(const std::string& text, const std::string& separators);
