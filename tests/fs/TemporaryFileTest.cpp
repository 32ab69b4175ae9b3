#include "TemporaryFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <set>

#include "StaleTemporaryFiles.h"
#include "TempTree.h"
#include "ZrFileCopy.h"

namespace {

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

}  // namespace

TEST(TemporaryFile, TheNamesItMakesAreExactlyTheOnesItOwns) {
    TempTree tree;
    {
        const TemporaryFile file(tree.Path("target"));
        ASSERT_TRUE(file.IsOpen());
        const std::set<std::string> made = Names(tree.Root());
        ASSERT_EQ(made.size(), 1u);
        EXPECT_TRUE(TemporaryFile::IsTemporaryName(*made.begin())) << *made.begin();
    }
    EXPECT_TRUE(Names(tree.Root()).empty()) << "removed when not committed";

    for (const char* name : {".vantrel-AbC019", ".vantrel-zzzzzz", ".vantrel-000000"}) {
        EXPECT_TRUE(TemporaryFile::IsTemporaryName(name)) << name;
    }
    for (const char* name :
         {".vantrel-AbC01", ".vantrel-AbC0123", ".vantrel-AbC-01", ".vantrel-AbC 01",
          ".vantrel-AbC\xc3\xa9", "vantrel-AbC0123", ".Vantrel-AbC012", "x.vantrel-AbC012",
          ".vantrel-", ".vantrel_AbC012"}) {
        EXPECT_FALSE(TemporaryFile::IsTemporaryName(name)) << name;
    }
}

TEST(StaleTemporaryFiles, RemovesOnlyOldRegularTemporaryFilesOfTheFolderItself) {
    TempTree tree;
    const int64_t recently = std::time(nullptr) - 600;
    tree.WriteFile("to/.vantrel-Old001", "left by a crash");  // written in 2020
    tree.WriteFile("to/.vantrel-New001", "a copy at work");
    tree.SetTimes("to/.vantrel-New001", recently);
    tree.WriteFile("to/.vantrel-Old0012", "not the pattern");
    tree.WriteFile("to/keep.txt", "the user's");
    tree.MakeDir("to/.vantrel-Dir001");
    tree.SetTimes("to/.vantrel-Dir001", TempTree::kWrittenTime);
    tree.WriteFile("to/sub/.vantrel-Sub001", "in a subfolder");
    ASSERT_EQ(symlink("keep.txt", tree.Path("to/.vantrel-Lnk001").c_str()), 0);
    tree.SetTimes("to/.vantrel-Lnk001", TempTree::kWrittenTime);

    StaleTemporaryFiles().RemoveFrom(tree.Path("to/"));
    EXPECT_EQ(Names(tree.Path("to")),
              (std::set<std::string>{".vantrel-New001", ".vantrel-Old0012", "keep.txt",
                                     ".vantrel-Dir001", "sub", ".vantrel-Lnk001"}));
    EXPECT_TRUE(tree.Exists("to/sub/.vantrel-Sub001"));
}

// Another copy may be at work, with its file's time already set to its
// source's: the lock it holds keeps the file.
TEST(StaleTemporaryFiles, AFileACopyHoldsIsKeptHoweverOld) {
    TempTree tree;
    tree.MakeDir("to");
    const TemporaryFile inUse(tree.Path("to/x"));
    ASSERT_TRUE(inUse.IsOpen());
    const std::string name = Names(tree.Path("to")).begin()->c_str();
    tree.SetTimes("to/" + name, TempTree::kWrittenTime);
    StaleTemporaryFiles().RemoveFrom(tree.Path("to/"));
    EXPECT_EQ(Names(tree.Path("to")), (std::set<std::string>{name}));
}

TEST(StaleTemporaryFiles, ACopyIntoAFolderClearsItsStaleTemporaryFiles) {
    TempTree tree;
    tree.WriteFile("to/.vantrel-Old001", "left by a crash");
    const std::string source = tree.WriteFile("from/x", "x");
    ASSERT_EQ(ZrFileCopy(source, tree.Path("to/x"), true, true), 1);
    EXPECT_EQ(Names(tree.Path("to")), (std::set<std::string>{"x"}));
}
