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

// Pairs spread over many folders, interleaved, shared out among lanes:
// each pair is read from its own two files and keeps its own answer.
TEST(ContentJob, PairsInManyFoldersSharedAmongLanesKeepTheirOwnAnswers) {
    TempTree tree;
    const size_t kPairs = 700;
    const auto differs = [](size_t i) { return i % 3 == 0; };
    std::vector<std::string> paths[2];
    std::vector<uint64_t> sizes;
    for (size_t i = 0; i < kPairs; ++i) {
        const std::string name = "d" + std::to_string(i % 11) + "/f" + std::to_string(i);
        const size_t size = i % 97 == 5 ? ContentBatch::kLargestFile + i : 10 + i % 50;
        std::string content(size, static_cast<char>('a' + i % 26));
        paths[0].push_back(tree.WriteFile("L/" + name, content));
        if (differs(i)) {
            content[size / 2] = '#';
        }
        paths[1].push_back(tree.WriteFile("R/" + name, content));
        sizes.push_back(size);
    }
    for (const unsigned lanes : {1u, 3u}) {
        ContentJob job(lanes);
        for (size_t i = 0; i < kPairs; ++i) {
            job.Add(2 * i, paths[0][i], paths[1][i], sizes[i]);
        }
        std::atomic<bool> stop{false};
        job.Compare(stop);
        for (size_t i = 0; i < kPairs; ++i) {
            EXPECT_EQ(job.Differs(2 * i), differs(i)) << "pair " << i << ", lanes " << lanes;
        }
    }
}
