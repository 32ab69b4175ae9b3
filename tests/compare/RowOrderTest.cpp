// The rows come in name order without regard to letter case, and a name pairs
// with its twin in the other case on the other side, whatever its letters.
#include <gtest/gtest.h>

#include <string>

#include "RecordingHost.h"
#include "TempTree.h"

namespace {

class RowOrderTest : public ::testing::Test {
  protected:
    TempTree tree;
    RecordingHost host;
};

}  // namespace

TEST_F(RowOrderTest, ARightOnlyRowSortsAmongLeftRowsWithoutRegardToCase) {
    tree.WriteFile("L/b.txt", "");
    tree.WriteFile("L/C.txt", "");
    tree.WriteFile("R/a.txt", "");
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    ASSERT_EQ(host.rows.size(), 3u);
    EXPECT_EQ(host.rows[0].row.szRightName, "a.txt");
    EXPECT_EQ(host.rows[1].row.szLeftName, "b.txt");
    EXPECT_EQ(host.rows[2].row.szLeftName, "C.txt");
}

TEST_F(RowOrderTest, EveryLetterPairsWithItsTwinInTheOtherCase) {
    for (char upper = 'A'; upper <= 'Z'; ++upper) {
        const char lower = static_cast<char>(upper - 'A' + 'a');
        tree.WriteFile("L/" + std::string(1, upper), "same");
        tree.WriteFile("R/" + std::string(1, lower), "same");
    }
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    ASSERT_EQ(host.rows.size(), 26u);
    for (int letter = 0; letter < 26; ++letter) {
        const ResultRow& row = host.rows[letter].row;
        EXPECT_EQ(row.szLeftName, std::string(1, static_cast<char>('A' + letter)));
        EXPECT_EQ(row.szRightName, std::string(1, static_cast<char>('a' + letter)));
    }
    EXPECT_EQ(host.engine.m_counts.missing, 0);
    EXPECT_EQ(host.engine.m_strVerdict, "Folders SAME");
}
