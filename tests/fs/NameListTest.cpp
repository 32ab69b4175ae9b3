#include "NameList.h"

#include <gtest/gtest.h>

using Names = std::vector<std::string>;

TEST(NameList, CompareNoCaseFoldsAsciiLettersAndComparesBytesUnsigned) {
    EXPECT_EQ(CompareNoCase("ABC", "abc"), 0);
    EXPECT_LT(CompareNoCase("a_b", "aab"), 0) << "'_' sorts before the letters";
    EXPECT_LT(CompareNoCase("ab", "abc"), 0) << "a prefix sorts first";
    EXPECT_LT(CompareNoCase("z", "\xc3\xa9"), 0) << "bytes above 127 sort last";
    EXPECT_NE(CompareNoCase("\xc3\x89", "\xc3\xa9"), 0) << "no folding beyond ASCII";
    EXPECT_EQ(CompareNoCase("LongPrefixNAME.txt", "longprefixname.TXT"), 0);
    EXPECT_LT(CompareNoCase("longpref_x", "LONGPREFax"), 0) << "a difference after 8 bytes";
    EXPECT_GT(CompareNoCase("longprefixb", "longprefixA"), 0);
}

TEST(NameList, SortNamesNoCaseIsStableForNamesEqualButForCase) {
    Names names = {"C.txt", "b.txt", "a.TXT", "A.txt", "_x", "a.txt"};
    SortNamesNoCase(names);
    EXPECT_EQ(names, (Names{"_x", "a.TXT", "A.txt", "a.txt", "b.txt", "C.txt"}));
}

TEST(NameList, SplitTextKeepsEmptyPieces) {
    EXPECT_EQ(SplitText("a,,b", ","), (Names{"a", "", "b"}));
    EXPECT_EQ(SplitText("one", ","), (Names{"one"}));
    EXPECT_EQ(SplitText("", ","), (Names{""}));
    EXPECT_EQ(SplitText("x,y;z,", ",;"), (Names{"x", "y", "z", ""}));
}
