// A compare that could not list every folder says so, and says which.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "RecordingHost.h"
#include "TempTree.h"
#include "TooDeepFolders.h"
#include "UnlistedFolders.h"
#include "Unprivileged.h"

TEST(UnlistedFolders, CoverTheFilesInAndBelowThemOnEitherSideWithoutRegardToCase) {
    UnlistedFolders unlisted;
    EXPECT_FALSE(unlisted.Covers("anything"));
    unlisted.Add({"/l/Docs/Old/", "Docs/Old/", "Permission denied"});
    EXPECT_TRUE(unlisted.Covers("Docs/Old/a.txt"));
    EXPECT_TRUE(unlisted.Covers("docs/OLD/deeper/b.txt"));
    EXPECT_FALSE(unlisted.Covers("Docs/Older/a.txt"));
    EXPECT_FALSE(unlisted.Covers("Docs/a.txt"));
    EXPECT_TRUE(unlisted.Covers("Docs/Old")) << "a file where the folder was";
    EXPECT_FALSE(unlisted.Covers("Docs/Ol"));

    unlisted.Add({"/r/", "", "Input/output error"});
    EXPECT_TRUE(unlisted.Covers("top.txt"));
    unlisted.Clear();
    EXPECT_FALSE(unlisted.Covers("Docs/Old/a.txt"));
}

// Two trees the same in every file that could be listed: the run reports the
// folder it could not list, with the system's reason, and its verdict is not
// "Folders SAME".
TEST(IncompleteCompare, AFolderThatCannotBeListedIsReportedAndTheVerdictSaysIncomplete) {
    TempTree tree;
    for (const char* side : {"L", "R"}) {
        tree.WriteFile(std::string(side) + "/same.txt", "x");
    }
    tree.WriteFile("L/locked/only-left.txt", "hidden");
    chmod(tree.Path("L/locked").c_str(), 0);
    const std::string left = tree.Path("L"), right = tree.Path("R");
    const std::string report = RunUnprivileged([&] {
        RecordingHost host;
        const bool finished = host.Compare(left, right);
        std::string text = std::string(finished ? "finished" : "aborted") + "\n" +
                           host.engine.m_strVerdict + "\n" +
                           std::to_string(host.engine.m_counts.missing) + " missing\n";
        for (const UnlistedFolders::Folder& folder : host.unlisted) {
            text += folder.path + "|" + folder.relative + "|" + folder.reason + "\n";
        }
        return text;
    });
    EXPECT_EQ(report, "finished\nCompare incomplete\n0 missing\n" + tree.Path("L/locked/") +
                          "|locked/|Permission denied\n");
}

TEST(IncompleteCompare, ARunThatListedEverythingIsComplete) {
    TempTree tree;
    tree.WriteFile("L/a.txt", "x");
    tree.MakeDir("R");
    RecordingHost host;
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_TRUE(host.engine.IsComplete());
    EXPECT_TRUE(host.unlisted.empty());
    EXPECT_EQ(host.engine.m_strVerdict, "Folders DIFFERENT");

    tree.MakeDir("L/deep");
    {
        const TooDeepFolders deep(tree.Path("L/deep"));
        ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
        ASSERT_EQ(host.unlisted.size(), 1u);
        EXPECT_EQ(host.unlisted[0].path, deep.FirstUnreachable());
        EXPECT_EQ(host.unlisted[0].reason, "File name too long");
        EXPECT_FALSE(host.engine.IsComplete());
    }
    // Each run starts afresh.
    ASSERT_TRUE(host.Compare(tree.Path("L"), tree.Path("R")));
    EXPECT_TRUE(host.engine.IsComplete());
}
