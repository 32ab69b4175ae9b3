#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "RecordingHost.h"
#include "TempTree.h"

namespace {

using Names = std::vector<std::pair<std::string, std::string>>;

// The (left name, right name) of every row, in row order.
Names RowNames(const RecordingHost& host) {
    Names names;
    for (const auto& [row, status] : host.rows) {
        names.emplace_back(row.szLeftName, row.szRightName);
    }
    return names;
}

class PairingTest : public ::testing::Test {
  protected:
    TempTree tree;
    RecordingHost host;
};

}  // namespace

TEST_F(PairingTest, PairsByRelativeNameAndSortsRightOnlyRowsIntoPlace) {
    tree.WriteFile("L/b.txt", "");
    tree.WriteFile("L/sub/c.txt", "");
    tree.WriteFile("L/only-left.txt", "");
    tree.WriteFile("R/0first.txt", "");
    tree.WriteFile("R/b.txt", "");
    tree.WriteFile("R/sub/c.txt", "");
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_EQ(RowNames(host), (Names{{"", "0first.txt"},
                                     {"b.txt", "b.txt"},
                                     {"only-left.txt", ""},
                                     {"sub/c.txt", "sub/c.txt"}}));
    const ResultRow& rightOnly = host.rows[0].row;
    EXPECT_EQ(host.engine.RightPath(rightOnly), tree.Path("R/0first.txt"));
    EXPECT_TRUE(host.engine.LeftPath(rightOnly).empty());
    EXPECT_EQ(rightOnly.nLeftSize, 0u);
    EXPECT_EQ(host.engine.m_counts.missing, 2);
    EXPECT_EQ(host.engine.m_counts.equal, 2);
}

TEST_F(PairingTest, WithoutSubfoldersOnlyTheTopFilesAreListed) {
    tree.WriteFile("L/top.txt", "");
    tree.WriteFile("L/sub/deep.txt", "");
    tree.WriteFile("R/.hidden", "");
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R"), false));
    EXPECT_EQ(RowNames(host), (Names{{"", ".hidden"}, {"top.txt", ""}}));
}

TEST_F(PairingTest, NamesDifferingOnlyInCaseAcrossSidesPair) {
    tree.WriteFile("L/A.TXT", "x");
    tree.WriteFile("R/a.txt", "x");
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_EQ(RowNames(host), (Names{{"A.TXT", "a.txt"}}));
    EXPECT_EQ(host.rows[0].status, RowStatus::Identical);
}

TEST_F(PairingTest, NamesCollidingInCaseOnOneSideEachGetOneRowAndExactNamesPairFirst) {
    tree.WriteFile("L/a.txt", "lower");
    tree.WriteFile("R/A.txt", "upper");
    tree.WriteFile("R/a.txt", "lower");
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    auto names = RowNames(host);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{{"", "A.txt"}, {"a.txt", "a.txt"}}));
    EXPECT_EQ(host.StatusOf("a.txt"), RowStatus::Identical);

    tree.WriteFile("L/A.txt", "upper");
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    names = RowNames(host);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{{"A.txt", "A.txt"}, {"a.txt", "a.txt"}}));
    EXPECT_EQ(host.engine.m_counts.equal, 2);
}

TEST_F(PairingTest, NamesWithUnusualBytesPairUnchanged) {
    for (const std::string name :
         {"a|b \"c\" <d>.txt", " lead.txt", "trail.txt ", "back\\slash.txt", "bad\xff\xfe.txt"}) {
        tree.WriteFile("L/" + name, name);
        tree.WriteFile("R/" + name, name);
    }
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_EQ(host.rows.size(), 5u);
    EXPECT_EQ(host.engine.m_counts.equal, 5);
    EXPECT_EQ(host.StatusOf("bad\xff\xfe.txt"), RowStatus::Identical);
}

TEST_F(PairingTest, AMissingFolderListsAsEmpty) {
    tree.WriteFile("L/x.txt", "");
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("nowhere")));
    EXPECT_EQ(RowNames(host), (Names{{"x.txt", ""}}));
    EXPECT_EQ(host.engine.m_strVerdict, "Folders DIFFERENT");
}

// The rows come in name order without regard to letter case, and a name pairs
// with its twin in the other case on the other side, whatever its letters.
TEST_F(PairingTest, ARightOnlyRowSortsAmongLeftRowsWithoutRegardToCase) {
    tree.WriteFile("L/b.txt", "");
    tree.WriteFile("L/C.txt", "");
    tree.WriteFile("R/a.txt", "");
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    ASSERT_EQ(host.rows.size(), 3u);
    EXPECT_EQ(host.rows[0].row.szRightName, "a.txt");
    EXPECT_EQ(host.rows[1].row.szLeftName, "b.txt");
    EXPECT_EQ(host.rows[2].row.szLeftName, "C.txt");
}

TEST_F(PairingTest, EveryLetterPairsWithItsTwinInTheOtherCase) {
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
