// The rules of the include and exclude patterns, which the window and
// vantrel-compare share, and a compare that applies them.

#include "PathFilter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "RecordingHost.h"
#include "TempTree.h"

namespace {

bool Matches(const std::string& pattern, const std::string& path, bool isFolder = false) {
    std::string error;
    const std::optional<PathPattern> parsed = PathPattern::Parse(pattern, error);
    EXPECT_TRUE(parsed.has_value()) << pattern << ": " << error;
    return parsed && parsed->Matches(path, isFolder);
}

TEST(PathPatternTest, GlobsOnNamesAndPaths) {
    const struct {
        const char* pattern;
        const char* path;
        bool folder;
        bool expected;
    } cases[] = {
        // No "/": the name at any depth.
        {"*.o", "main.o", false, true},
        {"*.o", "src/deep/main.o", false, true},
        {"*.o", "main.obj", false, false},
        {"*.o", "o.d/x", false, false},  // "*" stays within one name
        {"a?c", "abc", false, true},
        {"a?c", "a/c", false, false},
        // A leading "/" or a "/" inside anchors at the compared folder.
        {"/build", "build", true, true},
        {"/build", "sub/build", true, false},
        {"doc/*.txt", "doc/a.txt", false, true},
        {"doc/*.txt", "x/doc/a.txt", false, false},
        // "**".
        {"**/cache", "cache", true, true},
        {"**/cache", "a/b/cache", true, true},
        {"logs/**", "logs/a/b.log", false, true},
        {"logs/**", "logs", true, false},
        {"a/**/z", "a/z", false, true},
        {"a/**/z", "a/b/c/z", false, true},
        {"a/**/z", "a/b/c/y", false, false},
        {"**", "any/thing", false, true},
        // A trailing "/": folders only.
        {"tmp/", "tmp", true, true},
        {"tmp/", "tmp", false, false},
        {"tmp/", "a/tmp", true, true},
        // Character classes.
        {"[ab]*.c", "b1.c", false, true},
        {"[ab]*.c", "c1.c", false, false},
        {"file[0-9]", "file7", false, true},
        {"file[!0-9]", "file7", false, false},
        {"file[^0-9]", "filex", false, true},
        {"[]x]", "]", false, true},
        {"caf[éè]", "café", false, true},  // a class member is a whole character
        {"caf?", "café", false, true},
        // Escapes, blanks and bytes that are not UTF-8.
        {"\\*.txt", "*.txt", false, true},
        {"\\*.txt", "a.txt", false, false},
        {"my file.txt", "dir/my file.txt", false, true},
        {"name\\ ", "name ", false, true},
        {"trailing   ", "trailing", false, true},
        {"bad\xff*", "bad\xff\xfe.bin", false, true},
        {"bad?.bin", "bad\xff.bin", false, true},
        {"[\xff]", "\xff", false, true},
        {"*.txt", "\xc3(.txt", false, true},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(Matches(each.pattern, each.path, each.folder), each.expected)
            << each.pattern << " on " << each.path;
    }
}

TEST(PathPatternTest, MalformedPatternsAreRefusedWithAReason) {
    for (const char* pattern : {"[abc", "a[/]b", "trail\\", "/", "[!]"}) {
        std::string error;
        EXPECT_FALSE(PathPattern::Parse(pattern, error).has_value()) << pattern;
        EXPECT_NE(error.find(pattern), std::string::npos) << error;
    }
}

TEST(PathPatternTest, ManyStarsAgainstALongNameEndQuickly) {
    const std::string name(5000, 'a');
    EXPECT_FALSE(Matches("*a*a*a*a*a*a*a*a*a*a*a*b", name));
    EXPECT_FALSE(Matches("**/**/**/**/**/**/b", std::string(2000, 'a') + "/x/y/z/w"));
}

TEST(PathFilterTest, IncludeExcludeAndBlankPatterns) {
    PathFilter filter;
    std::string error;
    EXPECT_TRUE(filter.IsEmpty());
    EXPECT_TRUE(filter.TakesFile("anything", true));
    ASSERT_TRUE(filter.AddInclude("*.cpp", error));
    ASSERT_TRUE(filter.AddInclude("/docs/", error));
    ASSERT_TRUE(filter.AddExclude("gen*", error));
    ASSERT_TRUE(filter.AddExclude("   ", error));
    EXPECT_FALSE(filter.AddExclude("[oops", error));
    EXPECT_TRUE(filter.TakesFile("src/a.cpp", false));
    EXPECT_FALSE(filter.TakesFile("src/a.h", false));
    EXPECT_TRUE(filter.IncludesFolder("docs"));
    EXPECT_TRUE(filter.TakesFile("docs/readme.md", true));
    EXPECT_FALSE(filter.TakesFile("src/generated.cpp", false));  // exclude wins
    EXPECT_FALSE(filter.EntersFolder("src/gen"));
    EXPECT_TRUE(filter.EntersFolder("src"));
}

// An excluded folder is never opened: one that cannot be read is not
// reported, and nothing in it shows on either side.
TEST(PathFilterTest, ACompareLeavesExcludedFilesAndFoldersOut) {
    TempTree tree;
    for (const char* side : {"left/", "right/"}) {
        tree.WriteFile(std::string(side) + "keep.txt", "same");
        tree.WriteFile(std::string(side) + "sub/keep.cpp", "same");
        tree.WriteFile(std::string(side) + "sub/skip.o", side);
        tree.WriteFile(std::string(side) + "node_modules/x.js", side);
    }
    tree.WriteFile("left/only left.log", "l");
    tree.WriteFile("right/sub/build/out.txt", "r");
    const std::string locked = tree.MakeDir("left/build");
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);

    auto filter = std::make_shared<PathFilter>();
    std::string error;
    for (const char* pattern : {"*.o", "node_modules/", "build/", "*.log"}) {
        ASSERT_TRUE(filter->AddExclude(pattern, error)) << error;
    }
    RecordingHost host;
    host.engine.m_pFilter = filter;
    ASSERT_TRUE(host.Compare(tree.Path("left"), tree.Path("right")));
    std::vector<std::string> names;
    for (const RecordingHost::Row& row : host.rows) {
        names.push_back(row.row.szLeftName + "|" + row.row.szRightName);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"keep.txt|keep.txt", "sub/keep.cpp|sub/keep.cpp"}));
    EXPECT_TRUE(host.unlisted.empty());
    EXPECT_EQ(host.engine.m_strVerdict, "Folders SAME");

    // Include: only .cpp files, found in subfolders.
    auto only = std::make_shared<PathFilter>();
    ASSERT_TRUE(only->AddInclude("*.cpp", error));
    ASSERT_TRUE(only->AddExclude("build/", error));
    host.rows.clear();
    host.engine.m_pFilter = only;
    ASSERT_TRUE(host.Compare(tree.Path("left"), tree.Path("right")));
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0].row.szLeftName, "sub/keep.cpp");
}

}  // namespace
