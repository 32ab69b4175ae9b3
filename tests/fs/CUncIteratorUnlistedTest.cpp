// Folders a walk cannot list whole are noted with the system's reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "CUncIterator.h"
#include "TempTree.h"
#include "TooDeepFolders.h"
#include "Unprivileged.h"

namespace {

struct WalkResult {
    std::vector<std::string> files;
    std::vector<CUncIterator::UnlistedFolder> unlisted;
};

WalkResult WalkAll(const std::string& folder, COXUNCStandardActor* actor = nullptr) {
    WalkResult result;
    CUncIterator iterator(folder + "/*.*");
    if (actor != nullptr) {
        iterator.m_pActor = actor;
    }
    iterator.Start(true, false, true, false);
    for (; !iterator.IsEmpty(); iterator.Next()) {
        result.files.push_back(iterator.Full());
    }
    result.unlisted = iterator.UnlistedFolders();
    return result;
}

// The noted folders as "folder: reason" lines.
std::string Describe(const std::vector<CUncIterator::UnlistedFolder>& unlisted) {
    std::string text;
    for (const CUncIterator::UnlistedFolder& folder : unlisted) {
        text += folder.folder + ": " + std::strerror(folder.error) + "\n";
    }
    return text;
}

// Searches as the real actor does, but a search of `failing` breaks off
// with an I/O error after its first entry.
class FailingPartWayActor : public COXUNCStandardActor {
  public:
    explicit FailingPartWayActor(std::string failing) : m_failing(std::move(failing)) {}

    HResult FindFirst(CUncPath path, FindHandle& handle, FindData& data, Scan scan) override {
        const HResult result = COXUNCStandardActor::FindFirst(path, handle, data, scan);
        if (result == kResultOk && path.GetDirectory() == m_failing) {
            m_failingHandles.push_back(handle);
        }
        return result;
    }
    HResult FindNext(FindHandle handle, FindData& data) override {
        for (FindHandle failing : m_failingHandles) {
            if (failing == handle) {
                return ResultFromErrno(EIO);
            }
        }
        return COXUNCStandardActor::FindNext(handle, data);
    }
    HResult FindClose(FindHandle handle) override {
        std::erase(m_failingHandles, handle);
        return COXUNCStandardActor::FindClose(handle);
    }

  private:
    std::string m_failing;
    std::vector<FindHandle> m_failingHandles;
};

}  // namespace

TEST(CUncIteratorUnlisted, NotesFoldersWithoutReadOrSearchPermissionOnceEachAndListsTheRest) {
    TempTree tree;
    tree.WriteFile("A/a.txt", "");
    tree.WriteFile("NoRead/secret.txt", "");
    tree.WriteFile("NoSearch/hidden.txt", "");
    tree.WriteFile("NoSearch/inner/deeper.txt", "");
    tree.WriteFile("Z/z.txt", "");
    chmod(tree.Path("NoRead").c_str(), 0300);
    chmod(tree.Path("NoSearch").c_str(), 0644);
    const std::string root = tree.Root();
    const std::string walked = RunUnprivileged([&] {
        const WalkResult result = WalkAll(root);
        std::string text;
        for (const std::string& file : result.files) {
            text += file + "\n";
        }
        return text + "--\n" + Describe(result.unlisted);
    });
    const std::string unlisted = walked.substr(walked.find("--\n") + 3);
    EXPECT_NE(walked.find(tree.Path("A/a.txt") + "\n"), std::string::npos);
    EXPECT_NE(walked.find(tree.Path("Z/z.txt") + "\n"), std::string::npos);
    EXPECT_EQ(walked.find("secret.txt"), std::string::npos);
    EXPECT_EQ(walked.find("hidden.txt"), std::string::npos);
    EXPECT_NE(unlisted.find(tree.Path("NoRead/") + ": Permission denied\n"), std::string::npos)
        << unlisted;
    EXPECT_NE(unlisted.find(tree.Path("NoSearch/") + ": Permission denied\n"), std::string::npos)
        << unlisted;
    EXPECT_EQ(std::count(unlisted.begin(), unlisted.end(), '\n'), 2) << unlisted;
}

TEST(CUncIteratorUnlisted, NotesAFolderWhosePathIsTooLongAndOneThatFailsPartWay) {
    TempTree tree;
    tree.WriteFile("first.txt", "");
    tree.WriteFile("broken/one.txt", "");
    tree.WriteFile("broken/two.txt", "");
    tree.WriteFile("broken/three.txt", "");
    tree.MakeDir("deep");
    const TooDeepFolders deep(tree.Path("deep"));

    FailingPartWayActor actor(tree.Path("broken/"));
    const WalkResult result = WalkAll(tree.Root(), &actor);
    const std::string unlisted = Describe(result.unlisted);
    EXPECT_NE(unlisted.find(tree.Path("broken/") + ": Input/output error\n"), std::string::npos)
        << unlisted;
    EXPECT_NE(unlisted.find(deep.FirstUnreachable() + ": File name too long\n"), std::string::npos)
        << unlisted;
    EXPECT_EQ(result.unlisted.size(), 2u) << unlisted;
    EXPECT_NE(std::find(result.files.begin(), result.files.end(), tree.Path("first.txt")),
              result.files.end());
}

TEST(CUncIteratorUnlisted, AMissingFolderIsEmptyAndNothingIsNoted) {
    TempTree tree;
    const WalkResult result = WalkAll(tree.Path("missing"));
    EXPECT_TRUE(result.files.empty());
    EXPECT_TRUE(result.unlisted.empty());

    tree.WriteFile("readable/a.txt", "");
    EXPECT_TRUE(WalkAll(tree.Root()).unlisted.empty());
}

// A link whose target cannot even be looked up leaves its own place unknown,
// not its folder's; each place is noted once however often the walk passes.
TEST(CUncIteratorUnlisted, ALinkThatCannotBeFollowedIsNotedByItselfOnce) {
    TempTree tree;
    tree.WriteFile("kept.txt", "");
    tree.WriteFile("sub/also-kept.txt", "");
    const std::string tooLongName = std::string(300, 'x');
    for (const char* link : {"unknown", "sub/unknown2", "zz-unknown"}) {
        ASSERT_EQ(symlink(tooLongName.c_str(), tree.Path(link).c_str()), 0);
    }
    const WalkResult result = WalkAll(tree.Root());
    EXPECT_EQ(result.files.size(), 2u);
    std::vector<std::string> noted;
    for (const CUncIterator::UnlistedFolder& folder : result.unlisted) {
        noted.push_back(folder.folder + ": " + std::strerror(folder.error));
    }
    std::sort(noted.begin(), noted.end());
    EXPECT_EQ(noted, (std::vector<std::string>{tree.Path("sub/unknown2/") + ": File name too long",
                                               tree.Path("unknown/") + ": File name too long",
                                               tree.Path("zz-unknown/") + ": File name too long"}));
}
