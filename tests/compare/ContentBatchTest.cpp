#include "ContentBatch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include "TempTree.h"

namespace {

using Batching = ContentBatch::Batching;

// `size` bytes that differ from one seed to the next.
std::string Content(size_t seed, size_t size) {
    std::string text(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        text[i] = static_cast<char>('a' + (seed * 7 + i) % 26);
    }
    return text;
}

// Every case runs with the kernel's batching and without it, so that both
// ways of comparing give the same answers.
class ContentBatchTest : public ::testing::TestWithParam<Batching> {
  protected:
    // Writes `left` and `right` as L/name and R/name.
    void Pair(const std::string& name, const std::string& left, const std::string& right) {
        tree.WriteFile("L/" + name, left);
        tree.WriteFile("R/" + name, right);
    }
    void Add(size_t id, const std::string& name, uint64_t size) {
        batch.Add(id, tree.Path("L/" + name), tree.Path("R/" + name), size);
    }
    // Differs() of ids 0 .. count-1.
    std::vector<bool> Answers(size_t count) const {
        std::vector<bool> answers;
        for (size_t id = 0; id < count; ++id) {
            answers.push_back(batch.Differs(id).value());
        }
        return answers;
    }

    void SetUp() override {
        if (GetParam() == Batching::WhenAvailable && !batch.UsesKernelBatching()) {
            GTEST_SKIP() << "the kernel's batching (io_uring) is not available here";
        }
    }

    TempTree tree;
    ContentBatch batch{GetParam()};
};

// Sends SIGUSR1 to the thread that made it every few milliseconds while it
// lives, each signal cutting short whatever system call that thread waits in.
class InterruptingSignals {
  public:
    InterruptingSignals() : m_target(pthread_self()) {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigaction(SIGUSR1, &action, &m_previous);  // no SA_RESTART: calls return EINTR
        m_sender = std::thread([this] {
            while (!m_done) {
                pthread_kill(m_target, SIGUSR1);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~InterruptingSignals() {
        m_done = true;
        m_sender.join();
        sigaction(SIGUSR1, &m_previous, nullptr);
    }

  private:
    pthread_t m_target;
    struct sigaction m_previous {};
    std::atomic<bool> m_done{false};
    std::thread m_sender;
};

}  // namespace

TEST_P(ContentBatchTest, EqualContentsAreSameAndAnyDifferingByteDiffers) {
    const std::string text = Content(1, 1000), largest = Content(2, ContentBatch::kLargestFile);
    std::string lastChanged = text, firstChanged = text, largestChanged = largest;
    lastChanged.back() = '!';
    firstChanged.front() = '!';
    largestChanged.back() = '!';
    Pair("same", text, text);
    Pair("last", text, lastChanged);
    Pair("first", firstChanged, text);
    Pair("empty", "", "");
    Pair("one", "x", "x");
    Pair("largest", largest, largest);
    Pair("largest-last", largest, largestChanged);
    const std::vector<std::pair<std::string, uint64_t>> pairs = {
        {"same", 1000},
        {"last", 1000},
        {"first", 1000},
        {"empty", 0},
        {"one", 1},
        {"largest", ContentBatch::kLargestFile},
        {"largest-last", ContentBatch::kLargestFile}};
    for (size_t id = 0; id < pairs.size(); ++id) {
        Add(id, pairs[id].first, pairs[id].second);
    }
    batch.Compare();
    EXPECT_EQ(Answers(pairs.size()),
              (std::vector<bool>{false, true, true, false, false, false, true}));
}

TEST_P(ContentBatchTest, AFileThatGrewOrShrankSinceItsSizeWasTakenDiffers) {
    Pair("left-grew", "0123456789A", "0123456789");
    Pair("right-shrank", "0123456789", "012345678");
    Pair("both-grew", "0123456789A", "0123456789A");
    Pair("both-shrank", "012345678", "012345678");
    Pair("was-empty", "x", "x");
    Pair("now-empty", "", "");
    Add(0, "left-grew", 10);
    Add(1, "right-shrank", 10);
    Add(2, "both-grew", 10);
    Add(3, "both-shrank", 10);
    Add(4, "was-empty", 0);
    Add(5, "now-empty", 1);
    batch.Compare();
    EXPECT_EQ(Answers(6), std::vector<bool>(6, true));
}

TEST_P(ContentBatchTest, MissingFoldersAndFifosDifferWithoutStalling) {
    tree.WriteFile("L/right-missing", "abcd");
    tree.WriteFile("R/left-missing", "abcd");
    tree.WriteFile("L/empty-right-missing", "");
    tree.MakeDir("L/folder");
    tree.MakeDir("R/folder");
    tree.WriteFile("R/fifo", "abcd");
    ASSERT_EQ(mkfifo(tree.Path("L/fifo").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo(tree.Path("L/held-fifo").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo(tree.Path("R/held-fifo").c_str(), 0644), 0);
    // With a writer that writes nothing, a blocking read would wait forever.
    const int writer = open(tree.Path("L/held-fifo").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    const std::vector<std::pair<std::string, uint64_t>> pairs = {
        {"right-missing", 4}, {"left-missing", 4}, {"both-missing", 4}, {"empty-right-missing", 0},
        {"folder", 0},        {"fifo", 4},         {"held-fifo", 4}};
    for (size_t id = 0; id < pairs.size(); ++id) {
        Add(id, pairs[id].first, pairs[id].second);
    }
    // A compare that stalls ends the test run instead of hanging it.
    alarm(20);
    batch.Compare();
    alarm(0);
    close(writer);
    EXPECT_EQ(Answers(pairs.size()), std::vector<bool>(pairs.size(), true));
}

// The stall limit counts from the start of the wait: signals arriving more
// often than the limit must not keep a stalled batch waiting for ever.
TEST_P(ContentBatchTest, AStallEndsThoughSignalsKeepInterruptingTheWait) {
    tree.WriteFile("R/held-fifo", "abcd");
    tree.MakeDir("L");
    ASSERT_EQ(mkfifo(tree.Path("L/held-fifo").c_str(), 0644), 0);
    const int writer = open(tree.Path("L/held-fifo").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    Add(0, "held-fifo", 4);
    {
        const InterruptingSignals signals;
        alarm(20);
        batch.Compare();
        alarm(0);
    }
    close(writer);
    EXPECT_EQ(batch.Differs(0), true);
}

TEST_P(ContentBatchTest, AFailedOpenNeverReadsAFileAnEarlierBatchLeftInItsSlot) {
    for (size_t id = 0; id < ContentBatch::kMostPairs; ++id) {
        Pair(std::to_string(id), "same", "same");
        Add(id, std::to_string(id), 4);
    }
    batch.Compare();
    EXPECT_EQ(Answers(ContentBatch::kMostPairs),
              std::vector<bool>(ContentBatch::kMostPairs, false));

    // The same slots again, now with one or both files gone.
    batch.Clear();
    for (size_t id = 0; id < ContentBatch::kMostPairs; ++id) {
        const std::string name = std::to_string(id);
        batch.Add(id, tree.Path(id % 2 == 0 ? "gone/" + name : "L/" + name),
                  tree.Path("gone/" + name), 4);
    }
    batch.Compare();
    EXPECT_EQ(Answers(ContentBatch::kMostPairs), std::vector<bool>(ContentBatch::kMostPairs, true));

    // And the slots still serve files that open after that.
    batch.Clear();
    for (size_t id = 0; id < ContentBatch::kMostPairs; ++id) {
        Add(id, std::to_string(id), 4);
    }
    batch.Compare();
    EXPECT_EQ(Answers(ContentBatch::kMostPairs),
              std::vector<bool>(ContentBatch::kMostPairs, false));
}

TEST_P(ContentBatchTest, FitsStopsAtTheMostPairsOrTheContentsBudget) {
    constexpr uint64_t kLargest = ContentBatch::kLargestFile;
    EXPECT_TRUE(batch.Fits(kLargest));
    EXPECT_FALSE(batch.Fits(kLargest + 1));  // larger files are compared one pair at a time

    for (size_t id = 0; id + 1 < ContentBatch::kMostPairs; ++id) {
        batch.Add(id, "", "", 1);
    }
    EXPECT_TRUE(batch.Fits(1));
    batch.Add(ContentBatch::kMostPairs - 1, "", "", 1);
    EXPECT_FALSE(batch.Fits(0));

    // A pair takes both files whole plus one byte each from the batch's
    // budget: as many pairs of the largest files as fit, then one that
    // fills the budget to its last byte.
    constexpr size_t kPairBytes = 2 * (kLargest + 1);
    constexpr size_t kWholePairs = ContentBatch::kContentsBudget / kPairBytes;
    constexpr size_t kLastSize = (ContentBatch::kContentsBudget - kWholePairs * kPairBytes) / 2 - 1;
    static_assert(kWholePairs + 1 < ContentBatch::kMostPairs && kLastSize < kLargest);
    batch.Clear();
    const std::string largest = Content(3, kLargest);
    std::string changed = largest;
    changed.back() = '!';
    Pair("largest", largest, largest);
    Pair("changed", largest, changed);
    std::vector<bool> expected;
    for (size_t id = 0; id < kWholePairs; ++id) {
        EXPECT_TRUE(batch.Fits(kLargest)) << id;
        Add(id, id % 2 == 0 ? "largest" : "changed", kLargest);
        expected.push_back(id % 2 != 0);
    }
    EXPECT_FALSE(batch.Fits(kLargest));
    EXPECT_FALSE(batch.Fits(kLastSize + 1));
    EXPECT_TRUE(batch.Fits(kLastSize));
    Pair("last", Content(4, kLastSize), Content(4, kLastSize));
    Add(kWholePairs, "last", kLastSize);
    expected.push_back(false);
    batch.Compare();
    EXPECT_EQ(Answers(kWholePairs + 1), expected);
}

TEST_P(ContentBatchTest, AFullBatchAnswersEveryPairInItsPlace) {
    std::vector<bool> expected;
    for (size_t id = 0; id < ContentBatch::kMostPairs; ++id) {
        const size_t size = id * 523 % 4000;
        const std::string left = Content(id, size);
        std::string right = left;
        const bool differs = size > 0 && id % 3 == 1;
        if (differs) {
            right[id * 31 % size] = '!';
        }
        Pair(std::to_string(id), left, right);
        ASSERT_TRUE(batch.Fits(size));
        Add(id, std::to_string(id), size);
        expected.push_back(differs);
    }
    batch.Compare();
    EXPECT_EQ(Answers(ContentBatch::kMostPairs), expected);
}

INSTANTIATE_TEST_SUITE_P(Batching, ContentBatchTest,
                         ::testing::Values(Batching::WhenAvailable, Batching::Never),
                         [](const ::testing::TestParamInfo<Batching>& mode) {
                             return mode.param == Batching::Never ? "OnePairAtATime"
                                                                  : "InOneKernelCall";
                         });
