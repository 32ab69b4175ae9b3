#include "CGridFind.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "StoredTexts.h"

namespace {

using Position = std::pair<int, int>;  // (column, row)
constexpr Position kNowhere{-9, -9};

class CGridFindTest : public testing::Test {
  protected:
    // Stores the rows given as texts, "" leaving a cell empty.
    void Fill(const std::vector<std::vector<std::string>>& rows) {
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            for (int column = 0; column < static_cast<int>(rows[row].size()); ++column) {
                if (!rows[row][column].empty()) {
                    Put(store, column, row, rows[row][column]);
                }
            }
        }
    }

    // The next match after `from`, or kNowhere when nothing is found (then
    // the position must not have moved).
    Position Next(Position from, const std::string& text, const CGridFind::Options& options) {
        CGridFind find(store, text, "", options);
        auto [column, row] = from;
        if (!find.FindNext(column, row)) {
            EXPECT_EQ(Position(column, row), from) << "a failed search moved the position";
            return kNowhere;
        }
        return {column, row};
    }

    CGridMemDataSource store;
};

CGridFind::Options Down() {
    return {};
}
CGridFind::Options Up() {
    CGridFind::Options options;
    options.bDown = false;
    return options;
}
CGridFind::Options Across(bool down = true) {
    CGridFind::Options options;
    options.bAcross = true;
    options.bDown = down;
    return options;
}
CGridFind::Options WholeText(bool matchCase = false) {
    CGridFind::Options options;
    options.bWholeText = true;
    options.bMatchCase = matchCase;
    return options;
}
CGridFind::Options MatchCase() {
    CGridFind::Options options;
    options.bMatchCase = true;
    return options;
}

TEST_F(CGridFindTest, DownAndUpStayInTheStartColumnAndWrap) {
    Fill({{"cat", "", "cat"}, {"", "cat", ""}, {"cat", "", ""}, {"dog", "", ""}});
    EXPECT_EQ(Next({0, 0}, "cat", Down()), Position(0, 2));
    EXPECT_EQ(Next({0, 2}, "cat", Down()), Position(0, 0)) << "wraps past the last row";
    EXPECT_EQ(Next({0, 0}, "cat", Up()), Position(0, 2)) << "wraps above row 0";
    EXPECT_EQ(Next({0, 2}, "cat", Up()), Position(0, 0));
    EXPECT_EQ(Next({2, 1}, "cat", Down()), Position(2, 0)) << "the other columns are not searched";
    EXPECT_EQ(Next({1, 1}, "cat", Down()), Position(1, 1)) << "a lone match is the start cell";
}

TEST_F(CGridFindTest, AcrossWalksTheRowsAndWraps) {
    Fill({{"cat", "", "cat"}, {"", "cat", ""}, {"dog", "", "cat"}});
    EXPECT_EQ(Next({0, 0}, "cat", Across()), Position(2, 0));
    EXPECT_EQ(Next({2, 0}, "cat", Across()), Position(1, 1)) << "on to the next row";
    EXPECT_EQ(Next({2, 2}, "cat", Across()), Position(0, 0)) << "wraps to the top";
    EXPECT_EQ(Next({1, 1}, "cat", Across(false)), Position(2, 0)) << "leftwards, up a row";
    EXPECT_EQ(Next({0, 0}, "cat", Across(false)), Position(2, 2)) << "wraps to the bottom";
}

TEST_F(CGridFindTest, CaseIsIgnoredForAsciiUnlessAsked) {
    Fill({{"x"}, {"Read Me"}, {"read me"}, {"ÉTÉ"}, {"straße"}});
    EXPECT_EQ(Next({0, 0}, "READ", Down()), Position(0, 1));
    EXPECT_EQ(Next({0, 0}, "read", MatchCase()), Position(0, 2));
    EXPECT_EQ(Next({0, 0}, "READ", MatchCase()), kNowhere);
    EXPECT_EQ(Next({0, 0}, "TÉ", Down()), Position(0, 3)) << "the same non-ASCII bytes";
    EXPECT_EQ(Next({0, 0}, "été", Down()), kNowhere) << "non-ASCII letters are not folded";
    EXPECT_EQ(Next({0, 0}, "STRAßE", Down()), Position(0, 4));
}

TEST_F(CGridFindTest, WholeTextMustBeTheCellsWholeText) {
    Fill({{"x"}, {"foo.txt"}, {" foo"}, {"foo,"}, {"(foo)"}, {"a foo b"}, {"Foo"}});
    EXPECT_EQ(Next({0, 0}, "foo", WholeText()), Position(0, 6))
        << "neither next to punctuation nor to a blank, at either edge";
    EXPECT_EQ(Next({0, 0}, "foo", WholeText(true)), kNowhere);
    EXPECT_EQ(Next({0, 0}, "foo.txt", WholeText()), Position(0, 1));
    EXPECT_EQ(Next({0, 0}, "foo", Down()), Position(0, 1)) << "any part of the text";
    EXPECT_EQ(Next({0, 1}, "foo", Down()), Position(0, 2));
}

TEST_F(CGridFindTest, NothingMatchesAnUnknownOrEmptyText) {
    EXPECT_EQ(Next({0, 0}, "cat", Down()), kNowhere) << "an empty store";
    Fill({{"cat", "dog"}, {"", "cat"}});
    EXPECT_EQ(Next({0, 0}, "bird", Across()), kNowhere);
    EXPECT_EQ(Next({0, 0}, "", Across()), kNowhere);
    EXPECT_EQ(Next({0, 0}, "", WholeText()), kNowhere) << "an empty cell is not a match";
    int column = 0;
    int row = 0;
    EXPECT_EQ(CGridFind(store, "", "x", Across()).ReplaceAll(column, row), 0);
    EXPECT_EQ(TextAt(store, 1, 0), "dog");
}

TEST_F(CGridFindTest, ReplacingChangesOnlyTheMatchesInTheCell) {
    Fill({{"a.TXT.txt"}, {"notes"}, {"txt"}});
    CGridFind find(store, "txt", "log", Down());
    EXPECT_TRUE(find.ReplaceIn(0, 0));
    EXPECT_EQ(TextAt(store, 0, 0), "a.log.log") << "the rest of the text is kept";
    EXPECT_FALSE(find.ReplaceIn(0, 1)) << "a cell that does not match";
    EXPECT_EQ(TextAt(store, 0, 1), "notes");
    EXPECT_FALSE(find.ReplaceIn(0, 7)) << "a cell that does not exist";
    EXPECT_EQ(TextAt(store, 0, 7), "-");

    CGridFind whole(store, "TXT", "", WholeText());
    EXPECT_FALSE(whole.ReplaceIn(0, 0));
    EXPECT_TRUE(whole.ReplaceIn(0, 2));
    CGridCell emptied = CGridCell::Blank();
    ASSERT_EQ(store.GetCell(0, 2, emptied), 0);
    EXPECT_FALSE(emptied.HasMask(CGridCell::kText)) << "replaced by nothing, the cell has no text";
}

TEST_F(CGridFindTest, ReplacingKeepsTheCellsOtherProperties) {
    CGridCell cell = TextCell("12");
    cell.SetDataType(CGridCell::kTypePlainNumber);
    cell.SetTextColour(*wxRED);
    store.SetCell(0, 0, cell);
    EXPECT_TRUE(CGridFind(store, "1", "3", Down()).ReplaceIn(0, 0));
    CGridCell stored = CGridCell::Blank();
    ASSERT_EQ(store.GetCell(0, 0, stored), 0);
    EXPECT_EQ(stored.GetText(), "32");
    EXPECT_EQ(stored.GetDataType(), CGridCell::kTypePlainNumber);
    EXPECT_EQ(stored.GetTextColour(), *wxRED);
}

TEST_F(CGridFindTest, ReplaceAllCountsTheCellsAndEndsOnTheLast) {
    Fill({{"cat", "dog", "cats"}, {"", "Cat", ""}, {"bird", "", "cat cat"}});
    int column = 0;
    int row = 0;
    EXPECT_EQ(CGridFind(store, "cat", "dog", Across()).ReplaceAll(column, row), 4);
    EXPECT_EQ(Position(column, row), Position(0, 0)) << "the start cell comes last";
    EXPECT_EQ(TextAt(store, 2, 0), "dogs");
    EXPECT_EQ(TextAt(store, 1, 1), "dog");
    EXPECT_EQ(TextAt(store, 2, 2), "dog dog");
    EXPECT_EQ(TextAt(store, 0, 2), "bird");

    column = 1;
    row = 0;
    EXPECT_EQ(CGridFind(store, "dog", "x", WholeText()).ReplaceAll(column, row), 2)
        << "down the start column only";
    EXPECT_EQ(Position(column, row), Position(1, 0));
    EXPECT_EQ(TextAt(store, 0, 0), "dog");
    EXPECT_EQ(CGridFind(store, "dog", "x", Across()).ReplaceAll(column, row), 3);
    EXPECT_EQ(Position(column, row), Position(0, 0));
    column = 1;
    row = 1;
    EXPECT_EQ(CGridFind(store, "dog", "x", Across()).ReplaceAll(column, row), 0);
    EXPECT_EQ(Position(column, row), Position(1, 1)) << "nothing replaced, nothing moved";
}

TEST_F(CGridFindTest, ReplaceAllReplacesEachCellOnceWhenTheReplacementStillMatches) {
    Fill({{"a", "ab"}, {"b", "A"}});
    int column = 0;
    int row = 0;
    EXPECT_EQ(CGridFind(store, "a", "aa", Across()).ReplaceAll(column, row), 3);
    EXPECT_EQ(TextAt(store, 0, 0), "aa");
    EXPECT_EQ(TextAt(store, 1, 0), "aab");
    EXPECT_EQ(TextAt(store, 1, 1), "aa");
    EXPECT_EQ(CGridFind(store, "a", "A", Across()).ReplaceAll(column, row), 3)
        << "a change of case only, the case ignored";
    EXPECT_EQ(TextAt(store, 1, 0), "AAb");
}

TEST_F(CGridFindTest, FindingIsNotHeldBackByTheReplacementText) {
    Fill({{"a"}, {"xa"}});
    CGridFind find(store, "a", "ab", Down());
    int column = 0;
    int row = 0;
    ASSERT_TRUE(find.FindNext(column, row));
    EXPECT_EQ(Position(column, row), Position(0, 1));
}

}  // namespace
