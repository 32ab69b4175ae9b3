#include "COXUNCStandardActor.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <set>

#include "TempTree.h"
#include "UniqueFd.h"

namespace {

// Every name a search of `pattern` returns, "." and ".." left out.
std::set<std::string> NamesFound(const std::string& pattern) {
    COXUNCStandardActor& actor = COXUNCStandardActor::Shared();
    std::set<std::string> names;
    FindHandle handle = nullptr;
    FindData data;
    HResult result =
        actor.FindFirst(CUncPath(pattern), handle, data, COXUNCStandardActor::Scan::ListEntries);
    while (result == kResultOk) {
        if (!data.IsDotEntry()) {
            names.insert(data.name);
        }
        result = actor.FindNext(handle, data);
    }
    if (handle != nullptr) {
        actor.FindClose(handle);
    }
    return names;
}

}  // namespace

TEST(COXUNCStandardActor, MapsSystemErrorsToNegativeCodes) {
    EXPECT_EQ(ResultFromErrno(ENOENT), static_cast<HResult>(0x80070002u));
    EXPECT_EQ(ResultFromErrno(0), 0);
    EXPECT_LT(ResultFromErrno(EACCES), 0);
}

TEST(COXUNCStandardActor, EndOfEntriesGivesNoMoreFilesAndKeepsTheHandleOpen) {
    TempTree tree;
    tree.WriteFile("only.txt", "x");
    COXUNCStandardActor& actor = COXUNCStandardActor::Shared();
    FindHandle handle = nullptr;
    FindData data;
    ASSERT_EQ(actor.FindFirst(CUncPath(tree.Path("*.txt")), handle, data,
                              COXUNCStandardActor::Scan::ListEntries),
              kResultOk);
    EXPECT_EQ(data.name, "only.txt");
    EXPECT_TRUE(data.hasStatus);
    EXPECT_EQ(data.status.st_size, 1);
    EXPECT_EQ(actor.FindNext(handle, data), kNoMoreFiles);
    EXPECT_EQ(actor.FindNext(handle, data), kNoMoreFiles);
    EXPECT_EQ(actor.FindClose(handle), kResultOk);
}

TEST(COXUNCStandardActor, FailedSearchesGiveANegativeCodeAndNoHandle) {
    TempTree tree;
    const std::string file = tree.WriteFile("f.txt", "x");
    COXUNCStandardActor& actor = COXUNCStandardActor::Shared();
    FindData data;
    for (const std::string& pattern :
         {tree.Path("*.none"), tree.Path("missing/*.*"), file + "/*.*", std::string()}) {
        FindHandle handle = reinterpret_cast<FindHandle>(1);
        EXPECT_LT(actor.FindFirst(CUncPath(pattern), handle, data,
                                  COXUNCStandardActor::Scan::ListEntries),
                  0)
            << pattern;
        EXPECT_EQ(handle, nullptr) << pattern;
    }
}

// A caller tells a folder that has no such entries from one it cannot search.
TEST(COXUNCStandardActor, AnEmptyMatchEndsAtOnceAndAFolderThatCannotBeSearchedSaysWhy) {
    TempTree tree;
    tree.WriteFile("f.txt", "x");
    COXUNCStandardActor& actor = COXUNCStandardActor::Shared();
    FindData data;
    FindHandle handle = nullptr;
    EXPECT_EQ(actor.FindFirst(CUncPath(tree.Path("*.none")), handle, data,
                              COXUNCStandardActor::Scan::ListEntries),
              kNoMoreFiles);
    EXPECT_EQ(actor.FindFirst(CUncPath(tree.Path("missing/*.*")), handle, data,
                              COXUNCStandardActor::Scan::ListEntries),
              ResultFromErrno(ENOENT));
    EXPECT_EQ(ErrnoFromResult(ResultFromErrno(EACCES)), EACCES);
}

TEST(COXUNCStandardActor, MasksMatchStarAndQuestionMarkAndStarDotStarMatchesAll) {
    EXPECT_TRUE(MatchesMask("noextension", "*.*"));
    EXPECT_TRUE(MatchesMask("a.txt", "?.txt"));
    EXPECT_FALSE(MatchesMask("ab.txt", "?.txt"));
    EXPECT_TRUE(MatchesMask("report-2024.csv", "report*.csv"));
    EXPECT_FALSE(MatchesMask("report.csvx", "*.csv"));
    EXPECT_TRUE(MatchesMask("[x].txt", "[x].*"));
    EXPECT_FALSE(MatchesMask("x.txt", "[x].*"));
}

TEST(COXUNCStandardActor, ListsFilesFoldersAndLinksButNeverSpecialFilesOrBrokenLinks) {
    TempTree tree;
    tree.WriteFile("file.txt", "x");
    tree.MakeDir("folder");
    ASSERT_EQ(symlink("file.txt", tree.Path("link-to-file").c_str()), 0);
    ASSERT_EQ(symlink("folder", tree.Path("link-to-folder").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", tree.Path("broken").c_str()), 0);
    ASSERT_EQ(mkfifo(tree.Path("fifo").c_str(), 0644), 0);
    UniqueFd socketFd(socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = tree.Path("socket");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(bind(socketFd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    EXPECT_EQ(NamesFound(tree.Path("*.*")),
              (std::set<std::string>{"file.txt", "folder", "link-to-file", "link-to-folder"}));
}
