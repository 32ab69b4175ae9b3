#include "TraceLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <vector>

#include <sys/stat.h>

#include "FileQueries.h"
#include "TempTree.h"
#include "Unprivileged.h"

namespace {

std::vector<std::string> LogLines() {
    std::istringstream log(ReadWholeFile(TraceLogPath()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) {
        lines.push_back(line);
    }
    return lines;
}

double ElapsedOf(const std::string& line) {
    return std::stod(line.substr(line.find("  ") + 2));
}

}  // namespace

TEST(TraceLog, LivesBesideTheProgramUnderItsBaseNameWithLogExtension) {
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    EXPECT_EQ(TraceLogPath(), program + ".LOG");
}

// An installed program's folder is not the user's to write: the log goes
// to the user's state folder, which is made for it.
TEST(TraceLog, GoesBesideAWritableProgramElseIntoTheUsersStateFolder) {
    TempTree tree;
    EXPECT_EQ(PlaceTraceLog(tree.MakeDir("own") + "/Vantrel", "/state", "/home"),
              tree.Path("own/Vantrel.LOG"));

    const std::string installed = tree.MakeDir("bin") + "/Vantrel";
    const std::string state = tree.MakeDir("state");
    const std::string home = tree.MakeDir("home");
    for (const std::string& folder : {state, home}) {
        ASSERT_EQ(chmod(folder.c_str(), 0777), 0);  // for whoever runs the check
    }
    ASSERT_EQ(chmod(tree.Path("bin").c_str(), 0555), 0);
    const std::string places = RunUnprivileged([&] {
        std::string text;
        for (const char* stateHome :
             {state.c_str(), "", "relative/state", static_cast<const char*>(nullptr)}) {
            text += PlaceTraceLog(installed, stateHome, home) + "\n";
        }
        return text;
    });
    const std::string inHome = home + "/.local/state/vantrel/Vantrel.LOG\n";
    EXPECT_EQ(places, state + "/vantrel/Vantrel.LOG\n" + inHome + inHome + inHome);
    struct stat info {};
    ASSERT_EQ(stat((state + "/vantrel").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(FileExists(home + "/.local/state/vantrel"));
}

TEST(TraceLog, ResetRemovesTheLogUntilTheFirstMessage) {
    TraceLog("before reset");
    ResetTraceLog();
    EXPECT_FALSE(FileExists(TraceLogPath()));
    TraceLog("first");
    EXPECT_TRUE(FileExists(TraceLogPath()));
}

TEST(TraceLog, WritesOneTimeStampedLinePerMessageInOrder) {
    ResetTraceLog();
    TraceLog("copied %d files", 3);
    TraceLog("second");
    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    const std::regex shape(R"(\(\d\d/\d\d/\d{4} \d\d:\d\d:\d\d  \d+\.\d{9}\) copied 3 files)");
    EXPECT_TRUE(std::regex_match(lines[0], shape)) << lines[0];
    EXPECT_TRUE(lines[1].ends_with(") second"));
    EXPECT_LT(ElapsedOf(lines[0]), ElapsedOf(lines[1]));
}

TEST(TraceLog, CutsLongMessagesAndWritesPercentSignsLiterally) {
    ResetTraceLog();
    TraceLog("%s", std::string(600, 'x').c_str());
    TraceLogText(std::string(600, 'y'));
    TraceLogText("file 100%s.txt %d");
    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].ends_with(") " + std::string(511, 'x')));
    EXPECT_TRUE(lines[1].ends_with(") " + std::string(511, 'y')));
    EXPECT_TRUE(lines[2].ends_with(") file 100%s.txt %d"));
}
