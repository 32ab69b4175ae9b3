// Folders are read several at a time, yet a listing gives exactly what a
// walk of one folder at a time gives: the same files in the same order, and
// the same folders noted as unlisted, in the same order.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <thread>

#include "CUncIterator.h"
#include "FolderListing.h"
#include "NameList.h"
#include "TempTree.h"
#include "TemporaryFile.h"
#include "Unprivileged.h"

namespace {

using namespace std::chrono_literals;

struct Listed {
    std::vector<std::string> files;  // "path size"
    std::vector<std::string> unlisted;
};

std::string Describe(const CUncIterator::UnlistedFolder& folder) {
    return folder.folder + ": " + std::strerror(folder.error);
}

// What the listing of `folder` gives, as text.
Listed ListInParallel(const std::string& folder, bool recurse) {
    FolderListing listing(folder, recurse);
    while (!listing.WaitUntilDone(10ms)) {
    }
    Listed listed;
    for (const CFileStatus& file : listing.Take()) {
        listed.files.push_back(file.m_szFullName + " " + std::to_string(file.m_size));
    }
    for (const CUncIterator::UnlistedFolder& unlisted : listing.UnlistedFolders()) {
        listed.unlisted.push_back(Describe(unlisted));
    }
    return listed;
}

// The same through a walk of one folder at a time, sorted as a listing sorts.
Listed ListOneAtATime(const std::string& folder, bool recurse) {
    CUncIterator iterator(folder + "*.*");
    iterator.Start(true, false, recurse, false);
    std::vector<CFileStatus> files;
    for (; !iterator.IsEmpty(); iterator.Next()) {
        if (!TemporaryFile::IsTemporaryName(iterator.GetFindData().name)) {
            files.push_back(CFileStatus::FromStat(iterator.Full(), iterator.GetFindData().status));
        }
    }
    SortNamesNoCase(
        files, [](const CFileStatus& file) -> const std::string& { return file.m_szFullName; });
    Listed listed;
    for (const CFileStatus& file : files) {
        listed.files.push_back(file.m_szFullName + " " + std::to_string(file.m_size));
    }
    for (const CUncIterator::UnlistedFolder& unlisted : iterator.UnlistedFolders()) {
        listed.unlisted.push_back(Describe(unlisted));
    }
    return listed;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// Names that sort across folders: "/" falls between "-" and "0", so files of
// a folder interleave with names beside it; case twins in twin folders.
void WriteAwkwardTree(const TempTree& tree) {
    const char* names[] = {
        "d1/x", "d1.txt",  "d1-a/y",  "D1/x", "d1/sub/z",   "d1/sub.b", "e/f/g/h/i",
        "E/F",  "a b/c d", "a b.txt", "d1/X", "ZZ/.hidden", "zz/plain", "e/.vantrel-Ab12Cd"};
    int size = 1;
    for (const char* name : names) {
        tree.WriteFile(std::string("L/") + name, std::string(size++, 'x'));
    }
    for (int folder = 0; folder < 40; ++folder) {
        for (int file = 0; file < 30; ++file) {
            tree.WriteFile("L/many/m" + std::to_string(folder % 7) + "/" + std::to_string(folder) +
                               (file % 2 ? "/F" : "/f") + std::to_string(file),
                           std::string(file % 5, 'y'));
        }
    }
    // A link to a folder beside it, a link back up the chain (not followed),
    // a link to a file, one that leads nowhere and one that cannot be looked up.
    symlink("../d1", tree.Path("L/e/to-d1").c_str());
    symlink("../..", tree.Path("L/e/f/up").c_str());
    symlink("../d1.txt", tree.Path("L/e/file-link").c_str());
    symlink("nowhere", tree.Path("L/e/broken").c_str());
    symlink(std::string(300, 'x').c_str(), tree.Path("L/e/f/too-long").c_str());
    mkfifo(tree.Path("L/e/fifo").c_str(), 0600);
}

}  // namespace

TEST(ParallelListing, GivesTheFilesAndFailuresOfAWalkOfOneFolderAtATime) {
    TempTree tree;
    WriteAwkwardTree(tree);
    for (const bool recurse : {true, false}) {
        const Listed parallel = ListInParallel(tree.Path("L/"), recurse);
        const Listed single = ListOneAtATime(tree.Path("L/"), recurse);
        EXPECT_EQ(Joined(parallel.files), Joined(single.files)) << "recurse " << recurse;
        EXPECT_EQ(Joined(parallel.unlisted), Joined(single.unlisted)) << "recurse " << recurse;
    }
    // The awkward names but the copy's temporary file, the file behind the
    // file link, and the four files reached through the folder link.
    EXPECT_EQ(ListInParallel(tree.Path("L/"), true).files.size(), 1200u + 13u + 1u + 4u);
}

// Folders without read or search permission, and one too deep to open by
// its path, are noted as a walk of one folder at a time notes them.
TEST(ParallelListing, NotesTheFoldersItCannotReadInTheOrderOfAWalk) {
    TempTree tree;
    WriteAwkwardTree(tree);
    for (const char* name : {"L/b/NoRead/x", "L/b/NoSearch/y", "L/b/NoSearch/inner/z",
                             "L/many/m3/NoRead2/w", "L/a b/NoSearch/v"}) {
        tree.WriteFile(name, "secret");
    }
    chmod(tree.Path("L/b/NoRead").c_str(), 0300);
    chmod(tree.Path("L/many/m3/NoRead2").c_str(), 0300);
    chmod(tree.Path("L/b/NoSearch").c_str(), 0644);
    chmod(tree.Path("L/a b/NoSearch").c_str(), 0644);
    const std::string folder = tree.Path("L/");
    const std::string compared = RunUnprivileged([&] {
        const Listed parallel = ListInParallel(folder, true);
        const Listed single = ListOneAtATime(folder, true);
        return Joined(parallel.files) == Joined(single.files)
                   ? Joined(parallel.unlisted) + "--\n" + Joined(single.unlisted)
                   : std::string("files differ");
    });
    const size_t split = compared.find("--\n");
    ASSERT_NE(split, std::string::npos) << compared;
    EXPECT_EQ(compared.substr(0, split), compared.substr(split + 3));
    // Four folders, and the link that cannot be looked up; the link that
    // leads nowhere is simply not there.
    EXPECT_EQ(std::count(compared.begin(), compared.begin() + split, '\n'), 4 + 1) << compared;
}

// A folder removed while it is being read ends the listing as one that was
// never there: no failure is noted, and every file listed is one that was.
TEST(ParallelListing, AFolderRemovedWhileItIsReadIsNoFailure) {
    TempTree tree;
    for (int folder = 0; folder < 20; ++folder) {
        for (int file = 0; file < 200; ++file) {
            tree.WriteFile("L/" + std::to_string(folder) + "/" + std::to_string(file), "abc");
        }
    }
    for (int round = 0; round < 5; ++round) {
        std::atomic<bool> removing{true};
        std::thread remover([&] {
            for (int folder = 19; folder >= 0 && removing; folder -= 2) {
                std::filesystem::remove_all(tree.Path("L/" + std::to_string(folder)));
            }
        });
        FolderListing listing(tree.Path("L/"), true);
        while (!listing.WaitUntilDone(10ms)) {
        }
        removing = false;
        remover.join();
        for (const CFileStatus& file : listing.Take()) {
            EXPECT_EQ(file.m_size, 3u) << file.m_szFullName;
        }
        EXPECT_TRUE(listing.UnlistedFolders().empty());
    }
}
