#include "FolderListing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "TempTree.h"

namespace {

using namespace std::chrono_literals;

std::vector<CFileStatus> ListWhole(const std::string& folder) {
    FolderListing listing(folder, true);
    while (!listing.WaitUntilDone(10ms)) {
    }
    return listing.Take();
}

// The files' names relative to `folder`, in the listing's order.
std::vector<std::string> RelativeNames(const std::vector<CFileStatus>& files,
                                       const std::string& folder) {
    std::vector<std::string> names;
    for (const CFileStatus& file : files) {
        names.push_back(file.m_szFullName.substr(folder.size()));
    }
    return names;
}

}  // namespace

TEST(FolderListing, ListsTheWholeTreeSortedWithoutRegardToCase) {
    TempTree tree;
    for (const char* name : {"b.txt", "A.txt", "c/z", "C/y", "a.TXT"}) {
        tree.WriteFile(std::string("L/") + name, name);
    }
    const std::vector<CFileStatus> files = ListWhole(tree.Path("L/"));
    const std::vector<std::string> names = RelativeNames(files, tree.Path("L/"));
    // Equal but for case, names keep the order they were listed in.
    ASSERT_EQ(names.size(), 5u);
    EXPECT_EQ((std::set<std::string>{names[0], names[1]}),
              (std::set<std::string>{"A.txt", "a.TXT"}));
    EXPECT_EQ(names[2], "b.txt");
    EXPECT_EQ(names[3], "C/y");
    EXPECT_EQ(names[4], "c/z");
    EXPECT_EQ(files[2].m_size, 5u);
}

TEST(FolderListing, LeavesOutTheTemporaryFilesOfCopies) {
    TempTree tree;
    for (const char* name : {"a.txt", ".vantrel-Ab12Cd", "sub/.vantrel-XYZ789", ".vantrel-Ab12C",
                             ".vantrel-Ab12Cde", ".hidden"}) {
        tree.WriteFile(std::string("L/") + name, name);
    }
    EXPECT_EQ(RelativeNames(ListWhole(tree.Path("L/")), tree.Path("L/")),
              (std::vector<std::string>{".hidden", ".vantrel-Ab12C", ".vantrel-Ab12Cde", "a.txt"}));
}

// Stop hands over at once what was listed, and the listing adds nothing
// after it; listings dropped while running leave later ones whole.
TEST(FolderListing, StopHandsOverWhatWasListedAndNothingComesAfter) {
    TempTree tree;
    for (int i = 0; i < 2000; ++i) {
        tree.WriteFile("L/d" + std::to_string(i % 20) + "/f" + std::to_string(i), "x");
    }
    for (int dropped = 0; dropped < 5; ++dropped) {
        FolderListing listing(tree.Path("L/"), true);
    }

    FolderListing listing(tree.Path("L/"), true);
    while (listing.Count() < 10 && !listing.WaitUntilDone(1ms)) {
    }
    listing.Stop();
    const std::vector<CFileStatus> listed = listing.Take();
    EXPECT_GE(listed.size(), 10u);
    EXPECT_LE(listed.size(), 2000u);
    for (const CFileStatus& file : listed) {
        EXPECT_EQ(file.m_size, 1u) << file.m_szFullName;
    }
    const size_t countAtStop = listing.Count();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(listing.Count(), countAtStop);
    EXPECT_TRUE(listing.Take().empty());

    EXPECT_EQ(ListWhole(tree.Path("L/")).size(), 2000u);
}
