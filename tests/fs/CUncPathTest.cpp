#include "CUncPath.h"

#include <gtest/gtest.h>

TEST(CUncPath, SplitsIntoDirectoryAndFileAndRebuildsUnchanged) {
    CUncPath path("/data/*.*");
    EXPECT_EQ(path.GetDirectory(), "/data/");
    EXPECT_EQ(path.GetFile(), "*.*");
    EXPECT_EQ(path.Full(), "/data/*.*");

    CUncPath root("/*.*");
    EXPECT_EQ(root.GetDirectory(), "/");
    EXPECT_EQ(root.GetFile(), "*.*");

    CUncPath relative("data/x.txt");
    EXPECT_EQ(relative.GetDirectory(), "data/");
    EXPECT_EQ(relative.GetFile(), "x.txt");
}

TEST(CUncPath, FileSystemNameDropsTheSeparatorOfABareFolderButNotOfTheRoot) {
    EXPECT_EQ(CUncPath("/").GetFileSystemName(), "/");
    EXPECT_EQ(CUncPath("/data/").GetFileSystemName(), "/data");
    EXPECT_EQ(CUncPath("/data/*.*").GetFileSystemName(), "/data/*.*");
}

TEST(CUncPath, NeverAltersAByteOfAName) {
    for (const std::string name : {"a|b \"c\" <d>.txt", " lead.txt", "trail.txt ",
                                   "back\\slash.txt", "bad\xff\xfe.txt", "\ttab\n"}) {
        CUncPath path("/dir/" + name);
        EXPECT_EQ(path.GetFile(), name);
        EXPECT_EQ(path.Full(), "/dir/" + name);
        path.Directory() += "sub/";
        EXPECT_EQ(path.Full(), "/dir/sub/" + name);
    }
}

TEST(CUncPath, AFolderNameGivenAsTheFilePartMovesIntoTheDirectory) {
    CUncPath path("/data/*.*");
    path.File() = "sub/";
    EXPECT_EQ(path.Full(), "/data/sub/");
    EXPECT_EQ(path.GetFile(), "");
}

TEST(CUncPath, ExtendingTheDirectoryAndEmptyingTheFileEndsInASeparator) {
    CUncPath path("/data/*.*");
    path.Directory() += "sub/";
    path.File().clear();
    EXPECT_EQ(path.Full(), "/data/sub/");

    CUncPath missingSeparator("/data/x");
    missingSeparator.Directory() = "/other";
    EXPECT_EQ(missingSeparator.Full(), "/other/x");
}

TEST(CUncPath, EmptyClearsBothForms) {
    CUncPath path("/data/x.txt");
    path.Empty();
    EXPECT_TRUE(path.IsEmpty());
    EXPECT_EQ(path.GetDirectory(), "");
    EXPECT_EQ(path.GetFile(), "");
    EXPECT_EQ(path.Full(), "");
    EXPECT_TRUE(CUncPath("").IsEmpty());
}

TEST(CUncPath, CopiesAreIndependentAndAssigningTextResetsTheResult) {
    CUncPath original("/a/b.txt");
    original.m_hrLast = -5;
    CUncPath copy(original);
    EXPECT_EQ(copy.m_hrLast, -5);
    copy.File() = "c.txt";
    EXPECT_EQ(original.Full(), "/a/b.txt");
    EXPECT_EQ(copy.Full(), "/a/c.txt");
    copy = std::string("/z");
    EXPECT_EQ(copy.m_hrLast, 0);
    EXPECT_EQ(copy.GetFile(), "z");
    EXPECT_EQ(copy.m_pActor, original.m_pActor);
}
