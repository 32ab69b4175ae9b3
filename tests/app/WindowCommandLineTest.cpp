// The window program's arguments.

#include "WindowCommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Action = WindowCommandLine::Action;

WindowCommandLine Parse(std::vector<const char*> words) {
    words.insert(words.begin(), "Vantrel");
    return WindowCommandLine::Parse(static_cast<int>(words.size()), words.data(), "/home/u");
}

TEST(WindowCommandLineTest, TwoFoldersAreMadeAbsoluteEndingInASlash) {
    const struct {
        const char* left;
        const char* right;
        const char* expectedLeft;
        const char* expectedRight;
    } cases[] = {
        {"/data/a", "/data/b/", "/data/a/", "/data/b/"},
        {"a", "./b//c/.", "/home/u/a/", "/home/u/b/c/"},
        {"../x", "/", "/home/u/../x/", "/"},  // ".." may climb out of a link: kept
        {"with blank", "\xff\xfe", "/home/u/with blank/", "/home/u/\xff\xfe/"},
    };
    for (const auto& each : cases) {
        const WindowCommandLine line = Parse({each.left, each.right});
        EXPECT_EQ(line.action, Action::Open) << each.left;
        EXPECT_EQ(line.leftFolder, each.expectedLeft);
        EXPECT_EQ(line.rightFolder, each.expectedRight);
    }
    const WindowCommandLine dashed = Parse({"--", "-left", "right"});
    EXPECT_EQ(dashed.action, Action::Open);
    EXPECT_EQ(dashed.leftFolder, "/home/u/-left/");
}

TEST(WindowCommandLineTest, HelpVersionNothingAndEverythingElse) {
    EXPECT_EQ(Parse({}).action, Action::Open);
    EXPECT_EQ(Parse({}).leftFolder, "");
    EXPECT_EQ(Parse({"--help"}).action, Action::Help);
    EXPECT_EQ(Parse({"--version"}).action, Action::Version);
    for (const std::vector<const char*>& words :
         std::vector<std::vector<const char*>>{{"one"},
                                               {"a", "b", "c"},
                                               {"-x", "a", "b"},
                                               {"a", "--help"},
                                               {"--help", "a"},
                                               {"--verbose"},
                                               {"", "b"},
                                               {"--", "a"}}) {
        EXPECT_EQ(Parse(words).action, Action::UsageError) << words.size() << " " << words[0];
    }
}

}  // namespace
