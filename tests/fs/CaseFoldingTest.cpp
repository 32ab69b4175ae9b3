// Names compare without regard to case for every ASCII letter, both in a
// name's first bytes and past the stretch that is compared a word at a time.
#include <gtest/gtest.h>

#include <string>

#include "NameList.h"

namespace {

constexpr const char* kLongPrefix = "a-name-longer-than-a-word-";

std::string Upper(int letter) {
    return std::string(1, static_cast<char>('A' + letter));
}

std::string Lower(int letter) {
    return std::string(1, static_cast<char>('a' + letter));
}

}  // namespace

TEST(CaseFolding, EveryLetterEqualsItsTwinInTheOtherCase) {
    for (int letter = 0; letter < 26; ++letter) {
        EXPECT_EQ(CompareNoCase(Upper(letter), Lower(letter)), 0) << Upper(letter);
        EXPECT_EQ(CompareNoCase(kLongPrefix + Lower(letter), kLongPrefix + Upper(letter)), 0)
            << Upper(letter);
    }
}

TEST(CaseFolding, LettersSortAlphabeticallyWhateverTheirCase) {
    for (int letter = 0; letter + 1 < 26; ++letter) {
        EXPECT_LT(CompareNoCase(Lower(letter), Upper(letter + 1)), 0) << Lower(letter);
        EXPECT_LT(CompareNoCase(Upper(letter), Lower(letter + 1)), 0) << Upper(letter);
        EXPECT_GT(CompareNoCase(Upper(letter + 1), Lower(letter)), 0) << Upper(letter + 1);
    }
}
