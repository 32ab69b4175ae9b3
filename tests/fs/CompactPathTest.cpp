#include "CompactPath.h"

#include <gtest/gtest.h>

TEST(CompactPath, KeepsAPathThatFitsAndShortensOneByteLonger) {
    std::string out;
    const std::string path = "/a/bb/ccc/d.txt";  // 15 bytes
    EXPECT_EQ(CompactPath(path, out, 16), 1);
    EXPECT_EQ(out, path);
    EXPECT_EQ(CompactPath(path, out, 15), 1);
    EXPECT_EQ(out, "/.../ccc/d.txt");
}

TEST(CompactPath, ChoosesTheLongestTailThatFits) {
    std::string out;
    EXPECT_EQ(CompactPath("/a/bb/ccc/d.txt", out, 14), 1);
    EXPECT_EQ(out, "/.../d.txt");
    EXPECT_EQ(CompactPath("/a/bb/ccc/d.txt", out, 10), 0);
    EXPECT_EQ(out, "");
}

TEST(CompactPath, RelativePathsGetADotPrefixAndMayNotFitAtAll) {
    std::string out;
    EXPECT_EQ(CompactPath("docs/reports/2024/q1.txt", out, 14), 1);
    EXPECT_EQ(out, ".../q1.txt");
    EXPECT_EQ(CompactPath(std::string(60, 'n'), out, 40), 0);
    EXPECT_EQ(CompactPath("/dir/" + std::string(40, 'n'), out, 40), 0);
}

TEST(CompactPath, CompactPathTextLeavesTheTextUnchangedOnFailure) {
    std::string text = "before";
    EXPECT_EQ(CompactPathText(std::string(60, 'n'), text, 40), 0);
    EXPECT_EQ(text, "before");
    EXPECT_EQ(CompactPathText("/home/ann/documents/reports/2024/summary-final.txt", text, 40), 1);
    EXPECT_EQ(text, "/.../reports/2024/summary-final.txt");
    EXPECT_LE(text.size(), 39u);
}
