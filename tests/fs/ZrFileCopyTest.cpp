#include "ZrFileCopy.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "FileQueries.h"
#include "SystemCalls.h"
#include "TempTree.h"
#include "TraceLog.h"
#include "UniqueFd.h"

namespace {

struct stat StatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info;
}

size_t CountEntries(const std::string& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

// Fails the copy's writes with `error` once `allowed` bytes went through;
// the in-kernel copy reports itself unsupported so that writes are used.
class FailingWrites : public SystemCalls {
  public:
    FailingWrites(int error, size_t allowed) : m_error(error), m_allowed(allowed) {
        m_previous = Install(this);
    }
    ~FailingWrites() override { Install(m_previous); }
    ssize_t CopyFileRange(int, int, size_t) override {
        errno = EXDEV;
        return -1;
    }
    ssize_t Write(int fd, const void* buffer, size_t count) override {
        if (count > m_allowed) {
            errno = m_error;
            return -1;
        }
        m_allowed -= count;
        return SystemCalls::Write(fd, buffer, count);
    }

  private:
    int m_error;
    size_t m_allowed;
    SystemCalls* m_previous;
};

class ZrFileCopyTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetTraceLog(); }

    std::string Log() const { return ReadWholeFile(TraceLogPath()); }
    size_t LogLines() const {
        const std::string log = Log();
        return static_cast<size_t>(std::count(log.begin(), log.end(), '\n'));
    }

    TempTree tree;
};

}  // namespace

TEST_F(ZrFileCopyTest, CopiesContentTimesToTheNanosecondAndPermissions) {
    const std::string content(100000, 'q');
    const std::string source = tree.WriteFile("src.bin", content);
    chmod(source.c_str(), 0750);
    tree.SetTimes("src.bin", 1234567890, 123456789);
    ASSERT_EQ(ZrFileCopy(source, tree.Path("dst.bin"), true, true), 1);
    const struct stat copied = StatOf(tree.Path("dst.bin"));
    EXPECT_EQ(tree.ReadFile("dst.bin"), content);
    EXPECT_EQ(copied.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(copied.st_mtim.tv_nsec, 123456789);
    EXPECT_EQ(copied.st_atim.tv_nsec, 123456789);
    EXPECT_EQ(copied.st_mode & 07777, 0750u);
    EXPECT_EQ(CountEntries(tree.Root()), 2u) << "no temporary file is left";
    EXPECT_FALSE(FileExists(TraceLogPath()));
}

TEST_F(ZrFileCopyTest, CopiesEmptyAndExactBlockSizedFilesAndReplacesAWritableTarget) {
    for (const size_t size : {size_t{0}, size_t{32768}, size_t{65536 + 1}}) {
        const std::string content(size, 'z');
        const std::string source = tree.WriteFile("src", content);
        tree.WriteFile("dst", "old content that is longer than nothing");
        ASSERT_EQ(ZrFileCopy(source, tree.Path("dst"), true, true), 1) << size;
        EXPECT_EQ(tree.ReadFile("dst"), content) << size;
    }
}

TEST_F(ZrFileCopyTest, AFileWithHolesKeepsItsHolesAndItsBytes) {
    constexpr off_t kSize = off_t{256} << 20;
    constexpr off_t kMiddle = off_t{100} << 20;
    const std::string source = tree.Path("sparse");
    const std::string target = tree.Path("copy");
    {
        const UniqueFd fd(open(source.c_str(), O_WRONLY | O_CREAT, 0644));
        ASSERT_TRUE(fd.IsOpen());
        ASSERT_EQ(pwrite(fd.Get(), "head", 4, 0), 4);
        ASSERT_EQ(pwrite(fd.Get(), "middle", 6, kMiddle), 6);
        ASSERT_EQ(ftruncate(fd.Get(), kSize), 0);  // ends in a hole
    }
    const struct stat original = StatOf(source);
    if (original.st_blocks * 512 >= kSize) {
        GTEST_SKIP() << "this file system keeps no holes";
    }
    ASSERT_EQ(ZrFileCopy(source, target, true, true), 1);
    const struct stat copied = StatOf(target);
    EXPECT_EQ(copied.st_size, kSize);
    EXPECT_LE(copied.st_blocks, original.st_blocks) << "no more disk than the source";
    const UniqueFd fd(open(target.c_str(), O_RDONLY));
    char bytes[8] = {};
    ASSERT_EQ(pread(fd.Get(), bytes, 6, 0), 6);
    EXPECT_EQ(std::string(bytes, 6), std::string("head\0\0", 6));
    ASSERT_EQ(pread(fd.Get(), bytes, 8, kMiddle - 1), 8);
    EXPECT_EQ(std::string(bytes, 8), std::string("\0middle\0", 8));
    ASSERT_EQ(pread(fd.Get(), bytes, 1, kSize - 1), 1);
    EXPECT_EQ(bytes[0], '\0');

    // A file that is one hole from end to end.
    ASSERT_EQ(truncate(source.c_str(), 0), 0);
    ASSERT_EQ(truncate(source.c_str(), kSize), 0);
    ASSERT_EQ(ZrFileCopy(source, target, true, true), 1);
    EXPECT_EQ(StatOf(target).st_size, kSize);
    EXPECT_EQ(StatOf(target).st_blocks, 0);
}

TEST_F(ZrFileCopyTest, WithoutKeepAttributesTheCopyGetsTheDefaultMode) {
    const std::string source = tree.WriteFile(".hidden-ro", "x");
    chmod(source.c_str(), 0400);
    const mode_t mask = umask(022);
    ASSERT_EQ(ZrFileCopy(source, tree.Path("copy"), true, false), 1);
    umask(mask);
    EXPECT_EQ(StatOf(tree.Path("copy")).st_mode & 07777, 0644u);
}

TEST_F(ZrFileCopyTest, CopiesNamesExactlyAsTheyAre) {
    for (const std::string name : {"a|b \"c\" <d>.txt", " lead.txt", "trail.txt ",
                                   "back\\slash.txt", "bad\xff\xfe.txt", "100%s.txt"}) {
        const std::string source = tree.WriteFile("from/" + name, name);
        tree.MakeDir("to");
        ASSERT_EQ(ZrFileCopy(source, tree.Path("to/" + name), true, true), 1) << name;
        EXPECT_EQ(tree.ReadFile("to/" + name), name);
    }
}

TEST_F(ZrFileCopyTest, EachDetectedFailureWritesOneLogLineAndReturnsZero) {
    const std::string source = tree.WriteFile("src", "new");
    const std::string existing = tree.WriteFile("existing", "old");
    const std::string readOnly = tree.WriteFile("readonly", "old");
    chmod(readOnly.c_str(), 0444);
    const std::string folder = tree.MakeDir("folder");

    // The system's reason for each failure goes back to the caller.
    const auto reasonOf = [](const std::string& from, const std::string& to, bool overwrite) {
        std::string reason = "none given";
        EXPECT_EQ(ZrFileCopy(from, to, overwrite, true, &reason), 0) << from << " " << to;
        return reason;
    };
    EXPECT_EQ(reasonOf(tree.Path("missing"), tree.Path("x"), true), "No such file or directory");
    EXPECT_EQ(reasonOf(source, existing, false), "File exists");
    EXPECT_EQ(reasonOf(folder, tree.Path("x"), true), "Is a directory");
    EXPECT_EQ(reasonOf(source, readOnly, true), "Permission denied");
    EXPECT_EQ(reasonOf(source, tree.Path("no/such/folder/x"), true), "No such file or directory");
    EXPECT_EQ(reasonOf(source, folder, true), "Is a directory");

    const std::string log = Log();
    EXPECT_EQ(LogLines(), 6u);
    EXPECT_NE(log.find(") ERROR: ZrFileCopy failed.  Source file does not exist: \"" +
                       tree.Path("missing") + "\"\n"),
              std::string::npos);
    EXPECT_NE(log.find("Target file exists and overwrite flag was not specified: \"" + existing),
              std::string::npos);
    EXPECT_NE(log.find("Unable to open source file \"" + folder + "\""), std::string::npos);
    EXPECT_NE(log.find("Unable to open/create target file \"" + readOnly + "\""),
              std::string::npos);
    EXPECT_NE(log.find("Unable to open/create target file \"" + tree.Path("no/such/folder/x")),
              std::string::npos);
    EXPECT_NE(log.find("Unable to open/create target file \"" + folder + "\""), std::string::npos);
    EXPECT_EQ(tree.ReadFile("existing"), "old");
    EXPECT_EQ(tree.ReadFile("readonly"), "old");
    EXPECT_FALSE(tree.Exists("x"));
}

TEST_F(ZrFileCopyTest, RefusesATargetLockedByAnotherCopy) {
    const std::string source = tree.WriteFile("src", "new");
    const std::string target = tree.WriteFile("dst", "old");
    UniqueFd holder(open(target.c_str(), O_RDONLY));
    ASSERT_EQ(flock(holder.Get(), LOCK_EX), 0);
    std::string reason;
    EXPECT_EQ(ZrFileCopy(source, target, true, true, &reason), 0);
    EXPECT_EQ(reason, "Locked by another program");
    EXPECT_EQ(tree.ReadFile("dst"), "old");
}

TEST_F(ZrFileCopyTest, AFifoSourceFailsAtOnceWithoutBeingOpened) {
    ASSERT_EQ(mkfifo(tree.Path("fifo").c_str(), 0644), 0);
    EXPECT_EQ(ZrFileCopy(tree.Path("fifo"), tree.Path("copy"), true, true), 0);
    EXPECT_NE(Log().find("Unable to open source file"), std::string::npos);
}

TEST_F(ZrFileCopyTest, CopyingOntoALinkReplacesTheFileItNamesAndKeepsTheLink) {
    const std::string source = tree.WriteFile("src", "new");
    tree.WriteFile("real", "old");
    ASSERT_EQ(symlink("real", tree.Path("link").c_str()), 0);
    ASSERT_EQ(ZrFileCopy(source, tree.Path("link"), true, true), 1);
    EXPECT_EQ(tree.ReadFile("real"), "new");
    struct stat info {};
    ASSERT_EQ(lstat(tree.Path("link").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST_F(ZrFileCopyTest, CopyLeavesTargetIntactWhenWritesFail) {
    const std::string source = tree.WriteFile("src", std::string(1 << 20, 'n'));
    const std::string target = tree.WriteFile("dst", "precious");
    tree.SetTimes("dst", 1000000000);
    for (const int error : {ENOSPC, EIO}) {
        FailingWrites failing(error, 300000);
        std::string reason;
        EXPECT_EQ(ZrFileCopy(source, target, true, true, &reason), 0);
        EXPECT_EQ(reason, std::strerror(error));
    }
    EXPECT_EQ(tree.ReadFile("dst"), "precious");
    EXPECT_EQ(StatOf(target).st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(CountEntries(tree.Root()), 2u) << "the temporary file is removed";
    EXPECT_EQ(LogLines(), 2u);
    EXPECT_NE(Log().find("No space left on device"), std::string::npos);
    EXPECT_NE(Log().find("Input/output error"), std::string::npos);
}

TEST_F(ZrFileCopyTest, CopyLeavesTargetIntactWhenRenameFails) {
    class FailingRename : public SystemCalls {
      public:
        int Rename(const char*, const char*) override {
            errno = EIO;
            return -1;
        }
    } failing;
    SystemCalls* previous = SystemCalls::Install(&failing);
    const int result =
        ZrFileCopy(tree.WriteFile("src", "new"), tree.WriteFile("dst", "old"), true, true);
    SystemCalls::Install(previous);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(tree.ReadFile("dst"), "old");
    EXPECT_EQ(CountEntries(tree.Root()), 2u);
    EXPECT_NE(Log().find("Unable to replace target file"), std::string::npos);
}

TEST_F(ZrFileCopyTest, CopyLeavesTargetIntactWhenTheDiskFills) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "a real full disk needs a small tmpfs, which only root can mount";
    }
    const std::string disk = tree.MakeDir("disk");
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    }
    const std::string source = tree.WriteFile("big", std::string(1 << 20, 'b'));
    const std::string target = tree.WriteFile("disk/target", "precious");
    const int result = ZrFileCopy(source, target, true, true);
    const std::string kept = ReadWholeFile(target);
    const size_t entries = CountEntries(disk);
    umount(disk.c_str());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(kept, "precious");
    EXPECT_EQ(entries, 1u);
    EXPECT_NE(Log().find("No space left on device"), std::string::npos);
}

// A file of known size goes over in one in-kernel request, not a second one
// only to find its end; a file that tells no size is still read to its end.
TEST_F(ZrFileCopyTest, AFileOfKnownSizeIsCopiedInOneRequest) {
    class CountingCopies : public SystemCalls {
      public:
        ssize_t CopyFileRange(int in, int out, size_t count) override {
            ++requests;
            return SystemCalls::CopyFileRange(in, out, count);
        }
        int requests = 0;
    } counting;
    SystemCalls* previous = SystemCalls::Install(&counting);
    const std::string content(5000, 'k');
    const int copied = ZrFileCopy(tree.WriteFile("src", content), tree.Path("dst"), true, true);
    const int sizedRequests = counting.requests;
    counting.requests = 0;
    const int empty = ZrFileCopy(tree.WriteFile("none", ""), tree.Path("none2"), true, true);
    SystemCalls::Install(previous);
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(tree.ReadFile("dst"), content);
    EXPECT_EQ(sizedRequests, 1);
    EXPECT_EQ(empty, 1);
    EXPECT_EQ(counting.requests, 1) << "an empty-looking file is asked for its content";
}

// One look at the target decides: a link to nothing is refused and stays a
// link, and a link to a read-only file is refused as that file is.
TEST_F(ZrFileCopyTest, ALinkToNothingOrToAReadOnlyFileIsRefusedAndKept) {
    const std::string source = tree.WriteFile("src", "new");
    ASSERT_EQ(symlink("nowhere", tree.Path("broken").c_str()), 0);
    std::string reason;
    EXPECT_EQ(ZrFileCopy(source, tree.Path("broken"), true, true, &reason), 0);
    EXPECT_EQ(reason, "No such file or directory");
    struct stat info {};
    ASSERT_EQ(lstat(tree.Path("broken").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));

    const std::string readOnly = tree.WriteFile("readonly", "old");
    chmod(readOnly.c_str(), 0444);
    ASSERT_EQ(symlink("readonly", tree.Path("toReadOnly").c_str()), 0);
    EXPECT_EQ(ZrFileCopy(source, tree.Path("toReadOnly"), true, true, &reason), 0);
    EXPECT_EQ(reason, "Permission denied");
    EXPECT_EQ(tree.ReadFile("readonly"), "old");
    // Without overwrite a link to nothing is no file in the way: still refused.
    EXPECT_EQ(ZrFileCopy(source, tree.Path("broken"), false, true, &reason), 0);
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_EQ(CountEntries(tree.Root()), 4u);
}
