#include "MessageLines.h"

#include <gtest/gtest.h>

TEST(MessageLines, ShowsTheFirstLinesAndCountsTheRest) {
    MessageLines lines(2);
    EXPECT_TRUE(lines.Empty());
    lines.Add("one");
    lines.Add("two");
    EXPECT_EQ(lines.Text(), "one\ntwo\n");
    lines.Add("three");
    lines.Add("four");
    EXPECT_FALSE(lines.Empty());
    EXPECT_EQ(lines.Text(), "one\ntwo\nand 2 more\n");
}

TEST(PathForMessage, KeepsShortPathsAndShortensLongOnesToOneLine) {
    EXPECT_EQ(PathForMessage("/home/ann/report.txt"), "/home/ann/report.txt");

    const std::string folders = "/" + std::string(200, 'f') + "/docs/report.txt";
    EXPECT_EQ(PathForMessage(folders), "/.../docs/report.txt");
    EXPECT_EQ(PathForMessage("/" + std::string(200, 'f') + "/docs/"), "/.../docs/");

    const std::string name = "/data/" + std::string(300, 'n') + "z";
    const std::string shortened = PathForMessage(name);
    EXPECT_LE(shortened.size(), 120u);
    EXPECT_TRUE(shortened.starts_with("/data/nnn")) << shortened;
    EXPECT_TRUE(shortened.ends_with("nnnz")) << shortened;
    EXPECT_NE(shortened.find("..."), std::string::npos);
}
