#include "CCompareEngine.h"

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "TempTree.h"

namespace {

class CCompareEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 25; ++i) {
            tree.WriteFile("L/f" + std::to_string(i), "x");
            tree.WriteFile("R/f" + std::to_string(i), i == 3 ? "y" : "x");
        }
    }

    TempTree tree;
    RecordingHost host;
};

}  // namespace

TEST_F(CCompareEngineTest, ShowsProgressEveryTenItems) {
    TempTree ten;
    for (int i = 0; i < 10; ++i) {
        ten.WriteFile("L/f" + std::to_string(i), "x");
    }
    ASSERT_TRUE(host.Compare(ten.Path("L"), ten.Path("R")));
    EXPECT_EQ(host.StatusesStartingWith("Getting SOURCE"),
              std::vector<std::string>{"Getting SOURCE File Names... 10"});
    EXPECT_EQ(host.StatusesStartingWith("Checking SOURCE"),
              std::vector<std::string>{"Checking SOURCE File Status... 1 of 10"});
    EXPECT_EQ(host.StatusesStartingWith("Analyzing SOURCE"),
              std::vector<std::string>{"Analyzing SOURCE file 1 of 10"});
    EXPECT_EQ(host.StatusesStartingWith("Sorting"), std::vector<std::string>{"Sorting Results..."});
    EXPECT_EQ(host.StatusesStartingWith("Comparing files"),
              std::vector<std::string>{"Comparing files... 1 of 10"});
    EXPECT_EQ(host.engine.m_strCounts,
              "Files Equal:\t0\nFiles Different:\t0\nFiles Missing:\t10\n");
}

TEST_F(CCompareEngineTest, EqualFolderTextsShowSourceTextsForBothListings) {
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("L")));
    EXPECT_EQ(host.StatusesStartingWith("Getting SOURCE File Names... 20").size(), 2u);
    EXPECT_TRUE(host.StatusesStartingWith("Getting TARGET").empty());
    EXPECT_EQ(host.StatusesStartingWith("Checking TARGET File Status... 21 of 25").size(), 1u);
    EXPECT_EQ(host.engine.m_strVerdict, "Folders SAME");
}

TEST_F(CCompareEngineTest, AbortAtEveryStageEndsTheRunAndLeavesACleanNextRun) {
    for (const std::string stage :
         {"Getting SOURCE", "Checking SOURCE", "Getting TARGET", "Checking TARGET",
          "Analyzing SOURCE", "Analyzing TARGET", "Comparing files"}) {
        host.AbortWhenStatusStartsWith(stage);
        EXPECT_FALSE(host.Compare(tree.Path("L"), tree.Path("R"))) << stage;
        EXPECT_FALSE(host.engine.m_bAbort) << stage;
        EXPECT_LT(host.rows.size(), 25u) << stage;

        ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R"))) << stage;
        EXPECT_EQ(host.rows.size(), 25u) << stage;
        EXPECT_EQ(host.engine.m_counts.equal, 24) << stage;
        EXPECT_EQ(host.engine.m_counts.different, 1) << stage;
    }
}

// Both folders are listed at once, yet their texts keep the one order: every
// SOURCE step before any TARGET listing text, each ten files in turn.
TEST_F(CCompareEngineTest, ListingTextsKeepTheirOrderThoughBothFoldersAreListedAtOnce) {
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    std::vector<std::string> steps;
    for (const std::string& status : host.statuses) {
        if (status.starts_with("Getting") || status.starts_with("Checking")) {
            steps.push_back(status.substr(0, status.find(" File")) +
                            status.substr(status.find("...")));
        }
    }
    EXPECT_EQ(steps,
              (std::vector<std::string>{
                  "Getting SOURCE... 10", "Getting SOURCE... 20", "Checking SOURCE... 1 of 25",
                  "Checking SOURCE... 11 of 25", "Checking SOURCE... 21 of 25",
                  "Getting TARGET... 10", "Getting TARGET... 20", "Checking TARGET... 1 of 25",
                  "Checking TARGET... 11 of 25", "Checking TARGET... 21 of 25"}));
}

// A run keeps no second copy of the files once they are paired, and freeing
// the results gives their memory back: a window that compares a million
// files again must not carry the last run's lists and rows meanwhile.
TEST_F(CCompareEngineTest, PairedListsAndFreedResultsHoldNoMemory) {
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_EQ(host.engine.m_sourceFiles.capacity(), 0u);
    EXPECT_EQ(host.engine.m_targetFiles.capacity(), 0u);
    EXPECT_GE(host.engine.m_results.capacity(), 25u);
    host.engine.FreeResults();
    EXPECT_EQ(host.engine.m_results.capacity(), 0u);
}
