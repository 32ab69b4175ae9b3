#include "FileQueries.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "TempTree.h"

TEST(FileQueries, ExistenceAndSizeOfFilesFoldersAndBrokenLinks) {
    TempTree tree;
    const std::string file = tree.WriteFile("f.txt", "12345");
    ASSERT_EQ(symlink("nowhere", tree.Path("broken").c_str()), 0);
    uint64_t size = 99;
    EXPECT_TRUE(FileExists(file, &size));
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(GetFileSize64(file), 5);
    EXPECT_TRUE(FileExists(tree.Root()));
    EXPECT_FALSE(FileExists(tree.Path("missing"), &size));
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(GetFileSize64(tree.Path("missing")), -1);
    EXPECT_FALSE(FileExists(tree.Path("broken")));
    EXPECT_TRUE(PathExists(tree.Path("broken")));
    EXPECT_TRUE(PathExists(tree.Root() + "/"));
    EXPECT_FALSE(PathExists(""));
}

TEST(FileQueries, CreateFolderChainCreatesEveryMissingLevel) {
    TempTree tree;
    EXPECT_TRUE(CreateFolderChain(tree.Path("a/b/c/")));
    EXPECT_TRUE(tree.Exists("a/b/c"));
    EXPECT_TRUE(CreateFolderChain(tree.Path("a/x/y")));
    EXPECT_TRUE(tree.Exists("a/x/y"));
    EXPECT_TRUE(CreateFolderChain(tree.Path("a/b/c")));
    EXPECT_TRUE(CreateFolderChain("/"));
    EXPECT_FALSE(CreateFolderChain(""));
}

TEST(FileQueries, CreateFolderChainWorksForRelativePaths) {
    TempTree tree;
    const int previous = open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(chdir(tree.Root().c_str()), 0);
    const bool created = CreateFolderChain("rel/one/two");
    ASSERT_EQ(fchdir(previous), 0);
    close(previous);
    EXPECT_TRUE(created);
    EXPECT_TRUE(tree.Exists("rel/one/two"));
}

TEST(FileQueries, CreateFolderChainFailsWhereALevelIsAFile) {
    TempTree tree;
    tree.WriteFile("file", "");
    EXPECT_FALSE(CreateFolderChain(tree.Path("file/sub/")));
    // The last level too: a file there is no folder.
    EXPECT_FALSE(CreateFolderChain(tree.Path("file/")));
    EXPECT_FALSE(CreateFolderChain(tree.Path("file")));
}
