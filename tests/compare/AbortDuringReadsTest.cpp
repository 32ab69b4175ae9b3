// An abort is seen while files are read, even a read that never returns,
// and an aborted run is never reported as a result.
#include <gtest/gtest.h>

#include "CompareFileContents.h"
#include "HangingReads.h"
#include "RecordingHost.h"
#include "TempTree.h"

TEST(AbortDuringReads, AbortEndsTheRunWhileAReadHangsAndTheNextRunWorks) {
    TempTree tree;
    // Larger than a content batch takes, so the pair is read block by block.
    const std::string content(200000, 'c');
    tree.WriteFile("L/big.bin", content);
    tree.WriteFile("R/big.bin", content);
    RecordingHost host;
    {
        HangingReads reads;
        host.onPump = [&] {
            if (reads.Started()) {
                host.engine.m_bAbort = true;
            }
        };
        EXPECT_FALSE(host.Compare(tree.Path("L"), tree.Path("R")));
        EXPECT_TRUE(reads.Hanging()) << "the run waited for the read to end";
        EXPECT_FALSE(host.engine.m_bAbort);
        EXPECT_TRUE(host.rows.empty());
        host.onPump = nullptr;
    }
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_EQ(host.StatusOf("big.bin"), RowStatus::Identical);
}

// Abort pressed just as the pairing begins: no rows were made yet, which
// must not pass for two folders found the same.
TEST(AbortDuringReads, AnAbortAtTheFirstPairingStepIsNoResult) {
    TempTree tree;
    for (int i = 0; i < 25; ++i) {
        tree.WriteFile("L/f" + std::to_string(i), "x");
        tree.WriteFile("R/f" + std::to_string(i), "y");
    }
    RecordingHost host;
    host.onPump = [&] {
        if (!host.progress.empty() && host.statuses.back().starts_with("Checking TARGET")) {
            host.engine.m_bAbort = true;  // the first pump after the progress bar went to 0
            host.onPump = nullptr;
        }
    };
    EXPECT_FALSE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_TRUE(host.rows.empty());
    EXPECT_NE(host.engine.m_strVerdict, "Folders SAME");
    EXPECT_FALSE(host.engine.m_bAbort);

    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_EQ(host.engine.m_counts.different, 25);
}

TEST(AbortDuringReads, ALargePairStopsBetweenBlocksWhenAskedTo) {
    TempTree tree;
    const std::string content(3 << 20, 'z');
    const std::string left = tree.WriteFile("L/big.bin", content);
    const std::string right = tree.WriteFile("R/big.bin", content);
    std::atomic<bool> stop{false};
    EXPECT_EQ(CompareFileContents(left, right, content.size(), &stop), 0);
    stop = true;
    EXPECT_EQ(CompareFileContents(left, right, content.size(), &stop), -1);
}
