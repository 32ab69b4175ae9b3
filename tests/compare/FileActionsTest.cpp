#include "FileActions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempTree.h"
#include "Unprivileged.h"

namespace {

TEST(CopyCreatingFoldersTest, CreatesTheMissingFoldersOfTheTarget) {
    TempTree tree;
    const std::string source = tree.WriteFile("left/a/b/x.txt", "content");
    const std::string target = tree.Path("right/a/b/x.txt");
    EXPECT_EQ(CopyCreatingFolders(source, target), CopyOutcome::Copied);
    EXPECT_EQ(tree.ReadFile("right/a/b/x.txt"), "content");
}

TEST(CopyCreatingFoldersTest, AFileInPlaceOfAFolderStopsBeforeCopying) {
    TempTree tree;
    const std::string source = tree.WriteFile("left/sub/x.txt", "content");
    tree.WriteFile("right/sub", "a file, not a folder");
    EXPECT_EQ(CopyCreatingFolders(source, tree.Path("right/sub/x.txt")),
              CopyOutcome::FolderNotCreated);
    EXPECT_EQ(tree.ReadFile("right/sub"), "a file, not a folder");
}

TEST(CopyCreatingFoldersTest, AReadOnlyTargetIsRefusedAndKept) {
    TempTree tree;
    const std::string source = tree.WriteFile("left/x.txt", "new");
    const std::string target = tree.WriteFile("right/x.txt", "old");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    std::string reason;
    EXPECT_EQ(CopyCreatingFolders(source, target, &reason), CopyOutcome::NotCopied);
    EXPECT_EQ(reason, "Permission denied");
    EXPECT_EQ(tree.ReadFile("right/x.txt"), "old");
}

TEST(RemoveFileTest, RemovesAFileAndGivesTheReasonWhenItCannot) {
    TempTree tree;
    const std::string file = tree.WriteFile("x.txt", "x");
    EXPECT_EQ(RemoveFile(file), std::nullopt);
    EXPECT_FALSE(tree.Exists("x.txt"));
    EXPECT_EQ(RemoveFile(file).value_or(""), "No such file or directory");

    const std::string locked = tree.WriteFile("locked/y.txt", "y");
    ASSERT_EQ(chmod(tree.Path("locked").c_str(), 0777), 0);
    ASSERT_EQ(chmod(tree.Path("locked").c_str(), 0555), 0);
    EXPECT_EQ(RunUnprivileged([&] { return RemoveFile(locked).value_or("removed"); }),
              "Permission denied");
    EXPECT_TRUE(tree.Exists("locked/y.txt"));
}

}  // namespace
