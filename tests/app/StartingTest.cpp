// Starting the window program: its arguments, from a terminal or from a
// file manager's "Open With".

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>

#include "COXStatic.h"
#include "ChildProcess.h"
#include "MainWindowFixture.h"

using namespace std::chrono_literals;

namespace {

// Runs Vantrel through the shell without a display; its exit status, and
// what it wrote to standard output and standard error.
struct Ended {
    int status;
    std::string output;
    std::string errors;
};

Ended RunWithoutDisplay(const TempTree& tree, const std::string& arguments) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY '" VANTREL_PATH "' " +
                                arguments + " >'" + tree.Path("out") + "' 2>'" + tree.Path("err") +
                                "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, tree.ReadFile("out"),
            tree.ReadFile("err")};
}

TEST(StartingTest, HelpVersionAndUsageErrorsPrintWithoutAWindow) {
    TempTree tree;
    const Ended help = RunWithoutDisplay(tree, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.output.starts_with("Usage: Vantrel [LEFT RIGHT]\n")) << help.output;
    EXPECT_EQ(help.errors, "");

    const Ended version = RunWithoutDisplay(tree, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "Vantrel 1.00\n");

    for (const char* wrong : {"only-one", "a b c", "--nonsense"}) {
        const Ended usage = RunWithoutDisplay(tree, wrong);
        EXPECT_EQ(usage.status, 2) << wrong;
        EXPECT_EQ(usage.output, "") << wrong;
        EXPECT_NE(usage.errors.find("Usage: Vantrel"), std::string::npos) << wrong;
    }
}

// The folders given arrive in the window: closing it (as the session's end
// does) keeps them as the last folders used.
TEST(StartingTest, TwoFoldersOpenTheWindowOnThem) {
    TempTree tree;
    const std::string left = tree.MakeDir("my left");
    const std::string right = tree.MakeDir("right");
    const pid_t child = SpawnChild({VANTREL_PATH, left + "/.", right}, nullptr,
                                   {"XDG_CONFIG_HOME=" + tree.Path("config")});
    ASSERT_GT(child, 0);
    const std::string search =
        "xdotool search --onlyvisible --pid " + std::to_string(child) + " >/dev/null 2>&1";
    ASSERT_TRUE(YieldUntil([&] { return std::system(search.c_str()) == 0; }, 20s));
    kill(child, SIGTERM);
    WaitForChild(child, 10s);
    const std::vector<std::string> lines = FileLines(tree.Path("config/Vantrel.INI"));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Initial Folder 1=" + left + "/"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Initial Folder 2=" + right + "/"),
              lines.end());
}

TEST_F(MainWindowTest, FoldersGivenAtStartAreComparedOnceTheWindowIsUp) {
    m_tree.WriteFile("left/a.txt", "a");
    CCompareDlg& window = Open();
    window.CompareAtStart(m_left, m_right);
    EXPECT_EQ(window.m_strLeftFolder, m_left);
    EXPECT_TRUE(YieldUntil([&] {
        return Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetLabel() == "Folders DIFFERENT";
    }));
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 1);
}

}  // namespace
