#include "ContentJob.h"

#include <gtest/gtest.h>

#include "TempTree.h"

TEST(ContentJob, TakesUpToItsPairsAndBytesButAlwaysOnePair) {
    ContentJob job;
    EXPECT_TRUE(job.Fits(uint64_t{5} << 30)) << "one pair of any size";
    job.Add(0, "a", "b", ContentJob::kMostBytes - 10);
    EXPECT_TRUE(job.Fits(10));
    EXPECT_FALSE(job.Fits(11));
    job.Clear();
    for (size_t i = 0; i < ContentJob::kMostPairs; ++i) {
        ASSERT_TRUE(job.Fits(1));
        job.Add(i, "a", "b", 1);
    }
    EXPECT_FALSE(job.Fits(1));
}

// Small and large pairs mixed, in one job: each keeps its own answer.
TEST(ContentJob, ComparesSmallAndLargePairsAndGivesUpWhenStopped) {
    TempTree tree;
    const std::string small(100, 's'), large(ContentBatch::kLargestFile + 1000, 'l');
    std::string largeChanged = large;
    largeChanged[500] = '!';
    const struct {
        const std::string& left;
        const std::string& right;
    } pairs[] = {{small, small},
                 {large, largeChanged},
                 {small, small + ""},
                 {large, large},
                 {small, std::string(100, 't')}};
    ContentJob job;
    for (size_t i = 0; i < std::size(pairs); ++i) {
        const std::string name = std::to_string(i);
        job.Add(10 * i, tree.WriteFile("L/" + name, pairs[i].left),
                tree.WriteFile("R/" + name, pairs[i].right), pairs[i].left.size());
    }
    std::atomic<bool> stop{false};
    job.Compare(stop);
    const bool expected[] = {false, true, false, false, true};
    for (size_t i = 0; i < std::size(pairs); ++i) {
        EXPECT_EQ(job.Differs(10 * i), expected[i]) << i;
    }
    EXPECT_EQ(job.Differs(7), std::nullopt);

    // Left behind: nothing is read, and no pair passes for the same.
    ContentJob leftBehind;
    leftBehind.Add(0, tree.Path("L/0"), tree.Path("R/0"), small.size());
    leftBehind.Add(1, tree.Path("L/3"), tree.Path("R/3"), large.size());
    stop = true;
    leftBehind.Compare(stop);
    EXPECT_EQ(leftBehind.Differs(0), true);
    EXPECT_EQ(leftBehind.Differs(1), true);
}
