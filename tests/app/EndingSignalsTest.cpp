// The real program asked to end by a signal while its window is up.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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
        std::vector<std::string> environment = {"XDG_CONFIG_HOME=" + m_tree.Path("config"),
                                                "XDG_STATE_HOME=" + m_tree.Path("state")};
        for (char** variable = environ; *variable != nullptr; ++variable) {
            if (std::strncmp(*variable, "XDG_CONFIG_HOME=", 16) != 0 &&
                std::strncmp(*variable, "XDG_STATE_HOME=", 15) != 0) {
                environment.push_back(*variable);
            }
        }
        std::vector<char*> envp;
        for (auto& variable : environment) {
            envp.push_back(variable.data());
        }
        envp.push_back(nullptr);
        std::string program = VANTREL_PATH;
        char* argv[] = {program.data(), nullptr};
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        pid_t child = -1;
        EXPECT_EQ(posix_spawn(&child, argv[0], nullptr, &attributes, argv, envp.data()), 0);
        posix_spawnattr_destroy(&attributes);
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
