#include "CUncIterator.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "TempTree.h"
#include "Unprivileged.h"

namespace {

// More entries than any test's tree holds: a walk that gets this far has
// left its tree (through a link it should not have followed) and fails at
// once instead of walking the whole file system.
constexpr size_t kMostEntries = 5000;

std::vector<std::string> Walk(const std::string& searchPattern, bool files, bool dirs,
                              bool recursive, bool depthFirst = false) {
    std::vector<std::string> entries;
    CUncIterator iterator(searchPattern);
    iterator.Start(files, dirs, recursive, depthFirst);
    while (!iterator.IsEmpty()) {
        if (entries.size() == kMostEntries) {
            ADD_FAILURE() << "the walk of " << searchPattern << " left its tree; it passed "
                          << entries.back();
            break;
        }
        entries.push_back(iterator.Full());
        iterator++;
    }
    EXPECT_TRUE(iterator.End());
    return entries;
}

std::vector<std::string> Sorted(std::vector<std::string> entries) {
    std::sort(entries.begin(), entries.end());
    return entries;
}

// The order in which the system lists a folder's entries.
std::vector<std::string> SearchOrder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    while (const dirent* entry = readdir(directory)) {
        names.emplace_back(entry->d_name);
    }
    closedir(directory);
    return names;
}

class CUncIteratorTest : public ::testing::Test {
  protected:
    TempTree tree;
};

}  // namespace

TEST_F(CUncIteratorTest, ListsAFoldersFilesThenEachSubfoldersFilesAsFullPaths) {
    tree.WriteFile("a.txt", "a");
    tree.WriteFile("b.txt", "b");
    tree.WriteFile("S/c.txt", "c");
    std::vector<std::string> expected;
    for (const std::string& name : SearchOrder(tree.Root())) {
        if (name == "a.txt" || name == "b.txt") {
            expected.push_back(tree.Path(name));
        }
    }
    expected.push_back(tree.Path("S/c.txt"));
    EXPECT_EQ(Walk(tree.Path("*.*"), true, false, true), expected);
    expected.pop_back();
    EXPECT_EQ(Walk(tree.Path("*.*"), true, false, false), expected);
}

TEST_F(CUncIteratorTest, WalksPreOrderOrDepthFirst) {
    tree.WriteFile("top.txt", "");
    tree.WriteFile("A/a.txt", "");
    tree.WriteFile("A/Deep/d.txt", "");
    const auto preOrder = Walk(tree.Path("*.*"), true, false, true);
    EXPECT_EQ(preOrder, (std::vector<std::string>{tree.Path("top.txt"), tree.Path("A/a.txt"),
                                                  tree.Path("A/Deep/d.txt")}));
    const auto depthFirst = Walk(tree.Path("*.*"), true, false, true, true);
    EXPECT_EQ(depthFirst, (std::vector<std::string>{tree.Path("A/Deep/d.txt"), tree.Path("A/a.txt"),
                                                    tree.Path("top.txt")}));
}

TEST_F(CUncIteratorTest, ReportsFoldersWithATrailingSeparatorWhenAskedFor) {
    tree.WriteFile("f.txt", "");
    tree.WriteFile("S/inner.txt", "");
    EXPECT_EQ(Walk(tree.Path("*.*"), false, true, false),
              (std::vector<std::string>{tree.Path("S/")}));
    EXPECT_EQ(
        Sorted(Walk(tree.Path("*.*"), true, true, true)),
        (std::vector<std::string>{tree.Path("S/"), tree.Path("S/inner.txt"), tree.Path("f.txt")}));
}

TEST_F(CUncIteratorTest, EmptyMissingOrNonFolderStartsYieldNothing) {
    tree.MakeDir("empty");
    const std::string file = tree.WriteFile("file.txt", "");
    for (const std::string& searchPattern :
         {tree.Path("empty/*.*"), tree.Path("missing/*.*"), file + "/*.*", std::string()}) {
        CUncIterator iterator(searchPattern);
        EXPECT_FALSE(iterator.Start(true, false, true, false)) << searchPattern;
        EXPECT_TRUE(iterator.IsEmpty()) << searchPattern;
        EXPECT_LT(iterator.m_hrLast, 0) << searchPattern;
    }
}

TEST_F(CUncIteratorTest, ListsHiddenFilesAndNamesExactlyAsOnDisk) {
    const std::vector<std::string> names = {".hidden",    "a|b \"c\" <d>.txt", " lead.txt",
                                            "trail.txt ", "back\\slash.txt",   "bad\xff\xfe.txt"};
    std::vector<std::string> expected;
    for (const auto& name : names) {
        expected.push_back(tree.WriteFile("sub/" + name, name));
    }
    EXPECT_EQ(Sorted(Walk(tree.Path("*.*"), true, false, true)), Sorted(expected));
}

TEST_F(CUncIteratorTest, SkipsAnUnreadableFolderAndListsItsSiblings) {
    tree.WriteFile("A/a.txt", "");
    tree.WriteFile("Locked/secret.txt", "");
    tree.WriteFile("Z/z.txt", "");
    chmod(tree.Path("Locked").c_str(), 0);
    const std::string searchPattern = tree.Path("*.*");
    const std::string listed = RunUnprivileged([&] {
        std::string text;
        for (const auto& entry : Sorted(Walk(searchPattern, true, false, true))) {
            text += entry + "\n";
        }
        return text;
    });
    EXPECT_EQ(listed, tree.Path("A/a.txt") + "\n" + tree.Path("Z/z.txt") + "\n");
}

TEST_F(CUncIteratorTest, WalksFortyFoldersDeepWithHundredByteNames) {
    std::string relative;
    for (int level = 0; level < 40; ++level) {
        relative += std::string(97, 'n') + std::to_string(100 + level) + "/";
    }
    relative += "f";
    ASSERT_GT(tree.Path(relative).size(), 4000u);
    tree.WriteFile(relative, "deep");
    EXPECT_EQ(Walk(tree.Path("*.*"), true, false, true),
              (std::vector<std::string>{tree.Path(relative)}));
}

TEST_F(CUncIteratorTest, FollowsFolderLinksButEndsOnLinksBackIntoItsOwnChain) {
    TempTree outside;
    outside.WriteFile("elsewhere.txt", "");
    tree.WriteFile("S/c.txt", "");
    ASSERT_EQ(symlink(".", tree.Path("S/self").c_str()), 0);
    ASSERT_EQ(symlink("..", tree.Path("S/parent").c_str()), 0);
    ASSERT_EQ(symlink("/", tree.Path("S/root").c_str()), 0);
    ASSERT_EQ(symlink(outside.Root().c_str(), tree.Path("S/out").c_str()), 0);
    EXPECT_EQ(Sorted(Walk(tree.Path("*.*"), true, false, true)),
              (std::vector<std::string>{tree.Path("S/c.txt"), tree.Path("S/out/elsewhere.txt")}));
}

TEST_F(CUncIteratorTest, ALinkToAFolderWhoseNameBeginsLikeTheWalkedOnesIsFollowed) {
    tree.WriteFile("a/f.txt", "");
    tree.MakeDir("ab");
    ASSERT_EQ(symlink("../a", tree.Path("ab/toA").c_str()), 0);
    EXPECT_EQ(Sorted(Walk(tree.Path("*.*"), true, false, true)),
              (std::vector<std::string>{tree.Path("a/f.txt"), tree.Path("ab/toA/f.txt")}));
}

TEST_F(CUncIteratorTest, NeverListsOrOpensAFifo) {
    tree.WriteFile("a.txt", "");
    ASSERT_EQ(mkfifo(tree.Path("pipe").c_str(), 0644), 0);
    EXPECT_EQ(Walk(tree.Path("*.*"), true, true, true),
              (std::vector<std::string>{tree.Path("a.txt")}));
}

TEST_F(CUncIteratorTest, PostfixAdvanceReturnsTheEntryItStoodOn) {
    tree.WriteFile("only.txt", "");
    CUncIterator iterator(tree.Path("*.*"));
    ASSERT_TRUE(iterator.Start(true, false, false, false));
    EXPECT_EQ(iterator.GetFindData().name, "only.txt");
    CUncIterator previous = iterator++;
    EXPECT_EQ(previous.Full(), tree.Path("only.txt"));
    EXPECT_TRUE(iterator.IsEmpty());
    EXPECT_FALSE(iterator.Next());
    EXPECT_TRUE(iterator.IsEmpty());
}

TEST_F(CUncIteratorTest, EndClosesAnAbandonedWalkAndMayBeCalledTwiceThenStartBeginsAnew) {
    tree.WriteFile("a/1.txt", "");
    tree.WriteFile("b/2.txt", "");
    CUncIterator iterator(tree.Path("*.*"));
    ASSERT_TRUE(iterator.Start(true, false, true, false));
    const std::string first = iterator.Full();
    EXPECT_TRUE(iterator.End());
    EXPECT_TRUE(iterator.End());
    EXPECT_FALSE(iterator.IsEmpty());

    CUncIterator again(tree.Path("*.*"));
    again.Start(true, false, true, false);
    while (!again.IsEmpty()) {
        again++;
    }
    again = tree.Path("*.*");
    ASSERT_TRUE(again.Start(true, false, true, false));
    EXPECT_EQ(again.Full(), first);
}
