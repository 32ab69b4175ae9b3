// Runs the built vantrel-compare on real trees.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <vector>

#include "ChildProcess.h"
#include "TempTree.h"

namespace {

struct Outcome {
    int exitStatus = -1;  // -1 when ended by a signal
    int signal = 0;       // the signal that ended it
    std::string out;
    std::string err;
};

class VantrelCompareTest : public ::testing::Test {
  protected:
    // Runs vantrel-compare with `arguments`; its standard output goes to
    // `outFd` when given, else to a file that is read back. Signals have
    // their default actions, as from a shell.
    Outcome Run(std::vector<std::string> arguments, int outFd = -1) {
        arguments.insert(arguments.begin(), VANTREL_COMPARE_PATH);
        const std::string outPath = output.Path("out"), errPath = output.Path("err");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (outFd >= 0) {
            posix_spawn_file_actions_adddup2(&actions, outFd, 1);
        } else {
            posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        }
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        const pid_t child = SpawnChild(arguments, &actions);
        Outcome outcome;
        if (child > 0) {
            int status = 0;
            waitpid(child, &status, 0);
            outcome.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        }
        posix_spawn_file_actions_destroy(&actions);
        outcome.out = ReadWholeFile(outPath);
        outcome.err = ReadWholeFile(errPath);
        return outcome;
    }

    TempTree tree;
    TempTree output;
};

}  // namespace

TEST_F(VantrelCompareTest, PrintsEveryRowThenCountsAndVerdictAndExitsOneWhenDifferent) {
    tree.WriteFile("L/same.txt", "s");
    tree.WriteFile("R/same.txt", "s");
    tree.WriteFile("L/sub/changed.txt", "old");
    tree.WriteFile("R/sub/changed.txt", "new");
    tree.WriteFile("R/extra.txt", "e");
    const Outcome outcome = Run({"-r", tree.Path("L"), tree.Path("R")});
    EXPECT_EQ(outcome.exitStatus, 1);
    EXPECT_EQ(outcome.out,
              "Missing File\t\textra.txt\n"
              "Identical File\tsame.txt\tsame.txt\n"
              "Different Content\tsub/changed.txt\tsub/changed.txt\n"
              "Files Equal:\t1\nFiles Different:\t1\nFiles Missing:\t1\n"
              "Folders DIFFERENT\n");
    EXPECT_EQ(outcome.err, "") << "no progress when standard error is not a terminal";

    const Outcome brief = Run({"--brief", "--recurse", tree.Path("L"), tree.Path("R")});
    EXPECT_EQ(brief.out.find("Identical File"), std::string::npos);
    EXPECT_NE(brief.out.find("Different Content"), std::string::npos);

    const Outcome flat = Run({tree.Path("L"), tree.Path("R")});
    EXPECT_EQ(flat.out.find("sub/changed.txt"), std::string::npos);
}

TEST_F(VantrelCompareTest, ExitsZeroWhenSameAndHonoursDisregardAttributes) {
    tree.WriteFile("L/f", "x");
    tree.WriteFile("R/f", "x");
    tree.SetTimes("L/f", 1000);
    tree.SetTimes("R/f", 1000);
    chmod(tree.Path("R/f").c_str(), 0444);
    EXPECT_EQ(Run({tree.Path("L"), tree.Path("R")}).exitStatus, 1);
    const Outcome outcome = Run({"-a", tree.Path("L") + "/", tree.Path("R")});
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_TRUE(outcome.out.ends_with("Folders SAME\n"));
}

TEST_F(VantrelCompareTest, EscapesBackslashTabNewlineAndCarriageReturnInNames) {
    const std::string name = "a\\b\tc\nd\re";
    tree.WriteFile("L/" + name, "");
    tree.MakeDir("R");
    const Outcome outcome = Run({tree.Path("L"), tree.Path("R")});
    EXPECT_TRUE(outcome.out.starts_with("Missing File\ta\\\\b\\tc\\nd\\re\t\n")) << outcome.out;
}

TEST_F(VantrelCompareTest, AnUnreadableFolderOrBadUsageExitsTwoWithAMessage) {
    tree.MakeDir("L");
    const Outcome missing = Run({tree.Path("L"), tree.Path("missing")});
    EXPECT_EQ(missing.exitStatus, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find(tree.Path("missing")), std::string::npos);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);

    const std::string file = tree.WriteFile("file", "");
    EXPECT_EQ(Run({tree.Path("L"), file}).exitStatus, 2);
    EXPECT_EQ(Run({tree.Path("L")}).exitStatus, 2);
    const Outcome unknown = Run({"--frobnicate", tree.Path("L"), tree.Path("L")});
    EXPECT_EQ(unknown.exitStatus, 2);
    EXPECT_NE(unknown.err.find("--frobnicate"), std::string::npos);
}

TEST_F(VantrelCompareTest, AnswersHelpAndVersion) {
    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: vantrel-compare"));
    const Outcome version = Run({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out, "vantrel-compare (Vantrel) 1.00\n");
}

TEST_F(VantrelCompareTest, OutputThatCannotBeWrittenExitsTwoWithTheReason) {
    tree.WriteFile("L/a", "x");
    tree.WriteFile("R/b", "x");
    const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{tree.Path("L"), tree.Path("R")},
          std::vector<std::string>{"--help"}}) {
        const Outcome outcome = Run(arguments, full);
        EXPECT_EQ(outcome.exitStatus, 2) << arguments[0];
        EXPECT_EQ(outcome.err, "vantrel-compare: write error: No space left on device\n");
    }
    close(full);
}

TEST_F(VantrelCompareTest, AReaderThatWentAwayEndsItBySigpipe) {
    tree.WriteFile("L/a", "x");
    tree.WriteFile("R/b", "x");
    int channel[2];
    ASSERT_EQ(pipe2(channel, O_CLOEXEC), 0);
    close(channel[0]);
    const Outcome outcome = Run({tree.Path("L"), tree.Path("R")}, channel[1]);
    close(channel[1]);
    EXPECT_EQ(outcome.signal, SIGPIPE);
    EXPECT_EQ(outcome.err, "");
}
