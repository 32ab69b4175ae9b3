// Runs the built vantrel-compare on real trees.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "TempTree.h"
#include "TooDeepFolders.h"

namespace {

struct Outcome {
    int exitStatus = -1;  // -1 when ended by a signal
    int signal = 0;       // the signal that ended it
    std::string out;
    std::string err;
};

class VantrelCompareTest : public ::testing::Test {
  protected:
    // Runs vantrel-compare with `arguments` to its end; its standard output
    // goes to `outFd` when given, else to a file that is read back.
    Outcome Run(std::vector<std::string> arguments, int outFd = -1) {
        const pid_t child = Start(std::move(arguments), outFd);
        int status = 0;
        if (child > 0) {
            waitpid(child, &status, 0);
        }
        return Finish(child > 0 ? status : -1);
    }

    // Starts vantrel-compare as Run does, with every signal at its default
    // action, as from a shell; -1 when it cannot be started.
    pid_t Start(std::vector<std::string> arguments, int outFd = -1) {
        arguments.insert(arguments.begin(), VANTREL_COMPARE_PATH);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (outFd >= 0) {
            posix_spawn_file_actions_adddup2(&actions, outFd, 1);
        } else {
            posix_spawn_file_actions_addopen(&actions, 1, OutPath().c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        }
        posix_spawn_file_actions_addopen(&actions, 2, ErrPath().c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const pid_t child = SpawnChild(arguments, &actions);
        posix_spawn_file_actions_destroy(&actions);
        return child;
    }

    // The outcome of a child that ended with wait status `status` (-1: it
    // never ran).
    Outcome Finish(int status) {
        Outcome outcome;
        if (status != -1) {
            outcome.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        }
        outcome.out = ReadWholeFile(OutPath());
        outcome.err = ReadWholeFile(ErrPath());
        return outcome;
    }

    std::string OutPath() const { return output.Path("out"); }
    std::string ErrPath() const { return output.Path("err"); }

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

TEST_F(VantrelCompareTest, AFolderThatCannotBeListedIsNamedAndTheRunExitsTwo) {
    tree.WriteFile("L/same.txt", "s");
    tree.WriteFile("R/same.txt", "s");
    tree.MakeDir("L/deep");
    const TooDeepFolders deep(tree.Path("L/deep"));
    const Outcome outcome = Run({"-r", tree.Path("L"), tree.Path("R")});
    EXPECT_EQ(outcome.exitStatus, 2);
    EXPECT_EQ(outcome.err, "vantrel-compare: cannot list folder '" + deep.FirstUnreachable() +
                               "': File name too long\n");
    EXPECT_EQ(outcome.out,
              "Identical File\tsame.txt\tsame.txt\n"
              "Files Equal:\t1\nFiles Different:\t0\nFiles Missing:\t0\n"
              "Compare incomplete\n");
}

namespace {

// Whether `pid` holds a file whose path ends in `name` open.
bool HoldsOpen(pid_t pid, const std::string& name) {
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (target.ends_with(name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

// Ctrl-C while one pair of large files is compared block by block ends the
// run at once, as interrupted.
TEST_F(VantrelCompareTest, CtrlCDuringALargePairEndsTheRunAsInterrupted) {
    for (const char* side : {"L", "R"}) {
        const std::string path = tree.WriteFile(std::string(side) + "/huge.bin", "");
        ASSERT_EQ(truncate(path.c_str(), off_t{16} << 30), 0);
    }
    const pid_t child = Start({tree.Path("L"), tree.Path("R")});
    ASSERT_GT(child, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!HoldsOpen(child, "huge.bin") && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const bool readingThePair = HoldsOpen(child, "huge.bin");
    kill(child, SIGINT);
    const int status = WaitForChild(child, std::chrono::seconds(10));
    EXPECT_TRUE(readingThePair) << "the signal came while the large pair was read";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 130) << status;
    EXPECT_EQ(ReadWholeFile(OutPath()), "");
}

TEST_F(VantrelCompareTest, PatternsFromOptionsAndAFileKeepFilesAndFoldersOut) {
    for (const std::string side : {"L/", "R/"}) {
        tree.WriteFile(side + "a.cpp", "same");
        tree.WriteFile(side + "src/b.cpp", "same");
        tree.WriteFile(side + "src/b.o", side);
        tree.WriteFile(side + "cache/c.cpp", side);
        tree.WriteFile(side + "notes/d.txt", side);
    }
    tree.WriteFile("L/only here.log", "");
    const std::string patterns = tree.WriteFile("patterns", "# build output\n\n*.o\r\ncache/\n");
    const Outcome excluded = Run({"-r", "--exclude-from", patterns, "-x", "*.log", "--exclude",
                                  "notes/", tree.Path("L"), tree.Path("R")});
    EXPECT_EQ(excluded.exitStatus, 0) << excluded.out << excluded.err;
    EXPECT_EQ(excluded.out.find(".o\t"), std::string::npos);
    EXPECT_EQ(excluded.out.find("cache"), std::string::npos);
    EXPECT_NE(excluded.out.find("src/b.cpp"), std::string::npos);

    const Outcome included =
        Run({"-r", "--include", "notes/", "--include=a.*", tree.Path("L"), tree.Path("R")});
    EXPECT_EQ(included.exitStatus, 1);
    EXPECT_NE(included.out.find("notes/d.txt"), std::string::npos);
    EXPECT_NE(included.out.find("\ta.cpp"), std::string::npos);
    EXPECT_EQ(included.out.find("b.cpp"), std::string::npos);
}

TEST_F(VantrelCompareTest, APatternFileThatIsAFifoOrAMalformedPatternExitsTwoAtOnce) {
    tree.MakeDir("L");
    const std::string fifo = tree.Path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const Outcome fromFifo = Run({"--exclude-from", fifo, tree.Path("L"), tree.Path("L")});
    EXPECT_EQ(fromFifo.exitStatus, 2);
    EXPECT_NE(fromFifo.err.find("not a regular file"), std::string::npos) << fromFifo.err;

    const Outcome malformed = Run({"--include", "[abc", tree.Path("L"), tree.Path("L")});
    EXPECT_EQ(malformed.exitStatus, 2);
    EXPECT_NE(malformed.err.find("\"[abc\""), std::string::npos) << malformed.err;
    EXPECT_EQ(Run({tree.Path("L"), tree.Path("L"), "-x"}).exitStatus, 2);
}
