// Signals that end the program during a copy, in a child process that is
// copying (InterruptedCopyChild.cpp).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "TempTree.h"
#include "TemporaryFile.h"

namespace {

using namespace std::chrono_literals;
constexpr std::chrono::milliseconds kPatience = 10s;

class InterruptedCopyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_source = m_tree.WriteFile("from/big", std::string(1 << 20, 'b'));
        m_target = m_tree.WriteFile("to/big", "old");
    }

    void TearDown() override { CloseReadyChannel(); }

    // Starts a child copying `from/big` over `to/big`; `before` as the child
    // takes it. Its signals start with their default actions.
    pid_t StartCopy(const char* before) {
        CloseReadyChannel();
        int channel[2];
        EXPECT_EQ(pipe2(channel, O_CLOEXEC), 0);
        m_ready = channel[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
        const pid_t child =
            SpawnChild({INTERRUPTED_COPY_CHILD, m_source, m_target, before}, &actions);
        EXPECT_GT(child, 0);
        posix_spawn_file_actions_destroy(&actions);
        close(channel[1]);
        return child;
    }

    // The temporary files in the target's folder.
    std::vector<std::string> TemporaryFiles() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(m_tree.Path("to"))) {
            if (TemporaryFile::IsTemporaryName(entry.path().filename().string())) {
                found.push_back(entry.path().filename().string());
            }
        }
        return found;
    }

    // Waits until the child's copy is reading, its temporary file made.
    bool CopyIsUnderWay() const {
        pollfd ready{m_ready, POLLIN, 0};
        char said = 0;
        return poll(&ready, 1, static_cast<int>(kPatience.count())) == 1 &&
               read(m_ready, &said, 1) == 1 && said == 'r';
    }

    void CloseReadyChannel() {
        if (m_ready >= 0) {
            close(m_ready);
            m_ready = -1;
        }
    }

    TempTree m_tree;
    std::string m_source;
    std::string m_target;
    int m_ready = -1;  // the child says "r" here once its copy is reading
};

}  // namespace

TEST_F(InterruptedCopyTest, EachEndingSignalRemovesTheTemporaryFileAndEndsAsItsDefault) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const pid_t child = StartCopy("defaults");
        ASSERT_TRUE(CopyIsUnderWay()) << strsignal(signal);
        kill(child, signal);
        const int status = WaitForChild(child, kPatience);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal);
        EXPECT_TRUE(TemporaryFiles().empty()) << strsignal(signal);
        EXPECT_EQ(m_tree.ReadFile("to/big"), "old");
    }
}

TEST_F(InterruptedCopyTest, AHandlerThatWasThereRunsAfterwardsAndAnIgnoredSignalStaysIgnored) {
    pid_t child = StartCopy("handler");
    ASSERT_TRUE(CopyIsUnderWay());
    kill(child, SIGTERM);
    int status = WaitForChild(child, kPatience);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 42) << status;
    EXPECT_TRUE(TemporaryFiles().empty());

    // SIGHUP comes first: had it not been ignored, it would end the child.
    child = StartCopy("ignored");
    ASSERT_TRUE(CopyIsUnderWay());
    kill(child, SIGHUP);
    kill(child, SIGTERM);
    status = WaitForChild(child, kPatience);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(TemporaryFiles().empty());
}

// A program whose main thread is stuck (a read from a share that stopped
// answering) never acts on a signal it noted for later: a second one ends it.
TEST_F(InterruptedCopyTest, ASecondSignalEndsAProgramThatHasNotActedOnTheFirst) {
    const pid_t child = StartCopy("deferred");
    ASSERT_TRUE(CopyIsUnderWay());
    kill(child, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!TemporaryFiles().empty() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_TRUE(TemporaryFiles().empty());
    kill(child, SIGTERM);
    const int status = WaitForChild(child, kPatience);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
}
