#include "PathText.h"

#include <gtest/gtest.h>

TEST(PathText, RemoveTrailingBackslashSparesTheRootUnlessForced) {
    std::string root = "/";
    RemoveTrailingBackslash(root, false);
    EXPECT_EQ(root, "/");
    RemoveTrailingBackslash(root, true);
    EXPECT_EQ(root, "");
    std::string folder = "/data/";
    RemoveTrailingBackslash(folder, false);
    EXPECT_EQ(folder, "/data");
    RemoveTrailingBackslash(folder, false);
    EXPECT_EQ(folder, "/data");
    std::string empty;
    RemoveTrailingBackslash(empty, true);
    EXPECT_EQ(empty, "");
}

TEST(PathText, AppendBackslashAddsExactlyOne) {
    std::string empty, folder = "/data", ended = "/data/";
    AppendBackslash(empty);
    AppendBackslash(folder);
    AppendBackslash(ended);
    EXPECT_EQ(empty, "/");
    EXPECT_EQ(folder, "/data/");
    EXPECT_EQ(ended, "/data/");
}

TEST(PathText, SplitsFolderBaseNameAndExtension) {
    const std::string path = "/data/sub.d/report.final.txt";
    EXPECT_EQ(GetFolderOfPath(path), "/data/sub.d/");
    EXPECT_EQ(GetBaseName(path), "report.final");
    EXPECT_EQ(GetExtension(path), ".txt");
    EXPECT_EQ(GetFolderOfPath("bare.txt"), "");
    EXPECT_EQ(GetExtension("/data/sub.d/noext"), "");
    EXPECT_EQ(GetBaseName("/home/.profile"), ".profile");
    EXPECT_EQ(GetExtension("/home/.profile"), "");
    EXPECT_EQ(GetBaseName("back\\slash.txt"), "back\\slash");
}

TEST(PathText, ReplaceExtensionAddsTheDotWhenMissing) {
    EXPECT_EQ(ReplaceExtension("/prog/Vantrel", ".LOG"), "/prog/Vantrel.LOG");
    EXPECT_EQ(ReplaceExtension("/prog/Vantrel", "CHM"), "/prog/Vantrel.CHM");
    EXPECT_EQ(ReplaceExtension("/prog/Vantrel.old", "CHM"), "/prog/Vantrel.CHM");
    EXPECT_EQ(ReplaceExtension("/prog/a.b", ""), "/prog/a");
}
