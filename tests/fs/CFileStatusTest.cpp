#include "CFileStatus.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FindData.h"
#include "TempTree.h"

TEST(CFileStatus, HoldsSizesAndTimesBeyond32Bits) {
    TempTree tree;
    const std::string path = tree.WriteFile("big.bin", "");
    ASSERT_EQ(truncate(path.c_str(), 5368709120LL), 0);  // sparse: takes no disk space
    const int64_t after2038 = 4102444800LL;              // 2100-01-01 00:00:00 UTC
    tree.SetTimes("big.bin", after2038);
    CFileStatus status;
    ASSERT_TRUE(CFileStatus::GetStatus(path, status));
    EXPECT_EQ(status.m_size, 5368709120ULL);
    EXPECT_EQ(status.m_mtime, after2038);
    EXPECT_EQ(status.m_szFullName, path);
}

TEST(CFileStatus, SetsReadOnlyHiddenAndFolderAttributes) {
    TempTree tree;
    const std::string readOnly = tree.WriteFile("ro.txt", "x");
    chmod(readOnly.c_str(), 0444);
    const std::string hidden = tree.WriteFile(".hidden", "x");
    const std::string folder = tree.MakeDir(".dir") + "/";
    CFileStatus status;
    ASSERT_TRUE(CFileStatus::GetStatus(readOnly, status));
    EXPECT_EQ(status.m_attribute, kAttributeReadOnly);
    ASSERT_TRUE(CFileStatus::GetStatus(hidden, status));
    EXPECT_EQ(status.m_attribute, kAttributeHidden);
    ASSERT_TRUE(CFileStatus::GetStatus(folder, status));
    EXPECT_EQ(status.m_attribute, kAttributeHidden | kAttributeDirectory);
}

TEST(CFileStatus, GivesTheAbsolutePathAsGivenWithoutResolvingLinks) {
    TempTree tree;
    tree.WriteFile("real.txt", "x");
    ASSERT_EQ(symlink("real.txt", tree.Path("link.txt").c_str()), 0);
    const int previous = open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(chdir(tree.Root().c_str()), 0);
    CFileStatus status;
    const bool found = CFileStatus::GetStatus("link.txt", status);
    ASSERT_EQ(fchdir(previous), 0);
    close(previous);
    ASSERT_TRUE(found);
    EXPECT_EQ(status.m_szFullName, tree.Path("link.txt"));
    EXPECT_EQ(status.m_size, 1u);
}

TEST(CFileStatus, FailsWithoutChangingTheRecordForMissingOrEmptyPaths) {
    TempTree tree;
    CFileStatus status;
    status.m_size = 7;
    EXPECT_FALSE(CFileStatus::GetStatus(tree.Path("vanished.txt"), status));
    EXPECT_FALSE(CFileStatus::GetStatus("", status));
    EXPECT_EQ(status.m_size, 7u);
}
