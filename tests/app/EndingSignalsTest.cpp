// The real program asked to end by a signal while its window is up.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "TempTree.h"

namespace {

using namespace std::chrono_literals;

class EndingSignalsTest : public ::testing::Test {
  protected:
    // Starts Vantrel on the tests' display, with its settings and state in
    // this test's folder and its signals at their default actions.
    pid_t StartVantrel() {
        const pid_t child = SpawnChild(
            {VANTREL_PATH}, nullptr,
            {"XDG_CONFIG_HOME=" + m_tree.Path("config"), "XDG_STATE_HOME=" + m_tree.Path("state")});
        EXPECT_GT(child, 0);
        return child;
    }

    // True once the program's window is shown.
    static bool WindowIsUp(pid_t child) {
        const std::string search =
            "xdotool search --onlyvisible --pid " + std::to_string(child) + " >/dev/null 2>&1";
        return std::system(search.c_str()) == 0;
    }

    // The child's wait status once it ended; one that does not end in time
    // is killed and reported as -1.
    static int WaitForEnd(pid_t child) {
        int status = 0;
        if (!YieldUntil([&] { return waitpid(child, &status, WNOHANG) == child; }, 10s)) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        return status;
    }

    std::string SettingsPath() const { return m_tree.Path("config/Vantrel.INI"); }

    TempTree m_tree;
};

}  // namespace

TEST_F(EndingSignalsTest, SigtermAndSighupSaveTheSettingsAsExitDoesThenEndTheProgram) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        std::remove(SettingsPath().c_str());
        const pid_t child = StartVantrel();
        ASSERT_TRUE(YieldUntil([&] { return WindowIsUp(child); }, 20s)) << strsignal(signal);
        kill(child, signal);
        const int status = WaitForEnd(child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal);
        const std::vector<std::string> lines = FileLines(SettingsPath());
        ASSERT_FALSE(lines.empty()) << strsignal(signal);
        EXPECT_EQ(lines[0], "[Defaults]");
        EXPECT_NE(std::find(lines.begin(), lines.end(), "Initial Folder 1=/"), lines.end());
    }
}

TEST_F(EndingSignalsTest, CtrlCEndsTheProgramAtOnceWithoutSaving) {
    const pid_t child = StartVantrel();
    ASSERT_TRUE(YieldUntil([&] { return WindowIsUp(child); }, 20s));
    kill(child, SIGINT);
    const int status = WaitForEnd(child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_FALSE(m_tree.Exists("config/Vantrel.INI"));
}
