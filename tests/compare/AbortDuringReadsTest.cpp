// An abort is seen while files are read, even a read that never returns,
// and an aborted run is never reported as a result.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "CompareFileContents.h"
#include "RecordingHost.h"
#include "SystemCalls.h"
#include "TempTree.h"

namespace {

using namespace std::chrono_literals;

// Reads that hang, as on a network share whose server stopped answering,
// until the test lets them go (or, so that no fault can hang the test, ten
// seconds pass and they fail).
class HangingReads : public SystemCalls {
  public:
    HangingReads() { m_previous = SystemCalls::Install(this); }
    ~HangingReads() override {
        Release();
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_inside == 0; });
        SystemCalls::Install(m_previous);
    }

    ssize_t Read(int, void*, size_t) override {
        std::unique_lock lock(m_mutex);
        ++m_inside;
        ++m_started;
        m_changed.notify_all();
        m_changed.wait_for(lock, 10s, [this] { return m_released; });
        --m_inside;
        m_changed.notify_all();
        errno = EIO;
        return -1;
    }

    bool Started() {
        const std::lock_guard lock(m_mutex);
        return m_started > 0;
    }
    bool Hanging() {
        const std::lock_guard lock(m_mutex);
        return m_inside > 0;
    }
    void Release() {
        const std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }

  private:
    SystemCalls* m_previous = nullptr;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_inside = 0;
    int m_started = 0;
    bool m_released = false;
};

}  // namespace

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
