#include "CProfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

#include "TempTree.h"
#include "Unprivileged.h"

namespace {

class CProfileTest : public testing::Test {
  protected:
    std::string Write(const std::string& content) {
        return m_tree.WriteFile("Vantrel.INI", content);
    }
    std::string Content() const { return m_tree.ReadFile("Vantrel.INI"); }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_tree.Root())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    TempTree m_tree;
    CProfile m_profile{m_tree.Path("Vantrel.INI")};
};

TEST_F(CProfileTest, MissingFileOrKeyGivesTheDefault) {
    EXPECT_EQ(m_profile.GetProfileString("Defaults", "Initial Folder 1", "/"), "/");
    EXPECT_EQ(m_profile.GetProfileInt("Defaults", "Recurse Directory", 7), 7);
    Write("[Defaults]\nRecurse Directory=1\n[Other]\nInitial Folder 1=/x/\n");
    EXPECT_EQ(m_profile.GetProfileString("Defaults", "Initial Folder 1", "/"), "/");
    EXPECT_EQ(m_profile.GetProfileString("Missing", "Recurse Directory", "d"), "d");
}

TEST_F(CProfileTest, FirstWriteCreatesFolderAndFileWithLiteralLines) {
    CProfile profile(m_tree.Path("new/folder/Vantrel.INI"));
    ASSERT_TRUE(profile.WriteProfileString("Defaults", "Initial Folder 1", "/data/"));
    ASSERT_TRUE(
        profile.WriteProfileString("Defaults", "Window Pos", "0,1,-1,-1,-1,-1,10,20,30,40"));
    ASSERT_TRUE(profile.WriteProfileInt("Defaults", "Recurse Directory", 1));
    EXPECT_EQ(m_tree.ReadFile("new/folder/Vantrel.INI"),
              "[Defaults]\nInitial Folder 1=/data/\nWindow Pos=0,1,-1,-1,-1,-1,10,20,30,40\n"
              "Recurse Directory=1\n");
    EXPECT_EQ(profile.GetProfileString("Defaults", "Window Pos", ""),
              "0,1,-1,-1,-1,-1,10,20,30,40");
}

TEST_F(CProfileTest, NamesMatchWithoutCaseAndBlanks) {
    Write("[defaults]\n  initial folder 1 = /a/ \n");
    EXPECT_EQ(m_profile.GetProfileString("DEFAULTS", "Initial Folder 1", ""), "/a/");
    ASSERT_TRUE(m_profile.WriteProfileString("Defaults", "INITIAL FOLDER 1", "/b/"));
    EXPECT_EQ(Content(), "[defaults]\nINITIAL FOLDER 1=/b/\n");
}

TEST_F(CProfileTest, WriteKeepsEveryOtherLine) {
    Write(
        "; comment\r\n[Other]\r\nKey=kept\r\nstray line\r\n\r\n[Defaults]\r\n"
        "Recurse Directory=0\r\n\r\n[Last]\r\nx=1");
    ASSERT_TRUE(m_profile.WriteProfileInt("Defaults", "Recurse Directory", 1));
    ASSERT_TRUE(m_profile.WriteProfileString("Defaults", "Initial Folder 2", "/t/"));
    ASSERT_TRUE(m_profile.WriteProfileString("Last", "y", "2"));
    ASSERT_TRUE(m_profile.WriteProfileString("New", "z", "3"));
    EXPECT_EQ(Content(),
              "; comment\r\n[Other]\r\nKey=kept\r\nstray line\r\n\r\n[Defaults]\r\n"
              "Recurse Directory=1\r\nInitial Folder 2=/t/\r\n\r\n[Last]\r\nx=1\r\ny=2\r\n"
              "[New]\r\nz=3\r\n");
}

TEST_F(CProfileTest, FirstOfRepeatedSectionsAndKeysCounts) {
    Write("[Defaults]\nk=first\nk=second\n[Defaults]\nk=third\n");
    EXPECT_EQ(m_profile.GetProfileString("Defaults", "k", ""), "first");
    ASSERT_TRUE(m_profile.WriteProfileString("Defaults", "k", "new"));
    EXPECT_EQ(Content(), "[Defaults]\nk=new\nk=second\n[Defaults]\nk=third\n");
}

TEST_F(CProfileTest, ValuesAreBytesWithoutEscaping) {
    const std::string path = "/data/caf\xE9/=x\\y;z\"q\"/";
    ASSERT_TRUE(m_profile.WriteProfileString("Defaults", "Initial Folder 1", path));
    EXPECT_EQ(m_profile.GetProfileString("Defaults", "Initial Folder 1", ""), path);
    EXPECT_EQ(Content(), "[Defaults]\nInitial Folder 1=" + path + "\n");
    ASSERT_TRUE(m_profile.WriteProfileString("Defaults", "Initial Folder 1", ""));
    EXPECT_EQ(m_profile.GetProfileString("Defaults", "Initial Folder 1", "default"), "");
}

TEST_F(CProfileTest, IntegersReadFromTheLeadingNumber) {
    Write("[D]\na=12abc\nb= -3\nc=+4\nd=abc\ne=\nf=99999999999\ng=+-1\nh=2147483647\n");
    EXPECT_EQ(m_profile.GetProfileInt("D", "a", 0), 12);
    EXPECT_EQ(m_profile.GetProfileInt("D", "b", 0), -3);
    EXPECT_EQ(m_profile.GetProfileInt("D", "c", 0), 4);
    EXPECT_EQ(m_profile.GetProfileInt("D", "h", 0), 2147483647);
    for (const char* key : {"d", "e", "f", "g"}) {
        EXPECT_EQ(m_profile.GetProfileInt("D", key, 5), 5) << key;
    }
}

TEST_F(CProfileTest, RefusesWhatTheLineFormatCannotHold) {
    Write("[Defaults]\nk=old\n");
    EXPECT_FALSE(m_profile.WriteProfileString("Defaults", "k", "a\n[Evil]\nx=1"));
    EXPECT_FALSE(m_profile.WriteProfileString("Defaults", "k", "a\rb"));
    EXPECT_FALSE(m_profile.WriteProfileString("Defaults", "a=b", "v"));
    EXPECT_FALSE(m_profile.WriteProfileString("Defaults", "[k]", "v"));
    EXPECT_FALSE(m_profile.WriteProfileString("Defaults", " ", "v"));
    EXPECT_FALSE(m_profile.WriteProfileString("De]faults", "k", "v"));
    EXPECT_FALSE(m_profile.WriteProfileString("", "k", "v"));
    EXPECT_EQ(Content(), "[Defaults]\nk=old\n");
}

TEST_F(CProfileTest, FailedWriteLeavesTheFileWholeAndNoLeftovers) {
    Write("[Defaults]\nk=old\n");
    std::filesystem::permissions(m_tree.Root(), std::filesystem::perms(0555));
    const std::string written = RunUnprivileged([this] {
        return m_profile.WriteProfileString("Defaults", "k", "new") ? "written" : "refused";
    });
    std::filesystem::permissions(m_tree.Root(), std::filesystem::perms(0755));
    EXPECT_EQ(written, "refused");
    EXPECT_EQ(Content(), "[Defaults]\nk=old\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"Vantrel.INI"});
}

TEST_F(CProfileTest, UnreadableFileIsNotOverwritten) {
    const std::string path = Write("[Defaults]\nk=old\n");
    chmod(path.c_str(), 0200);
    std::filesystem::permissions(m_tree.Root(), std::filesystem::perms(0777));
    const std::string written = RunUnprivileged([this] {
        return m_profile.WriteProfileString("Defaults", "other", "v") ? "written" : "refused";
    });
    chmod(path.c_str(), 0644);
    EXPECT_EQ(written, "refused");
    EXPECT_EQ(Content(), "[Defaults]\nk=old\n");
}

TEST_F(CProfileTest, WriteKeepsPermissionsAndReplacesNoSymbolicLink) {
    const std::string real = m_tree.WriteFile("real/Vantrel.INI", "[Defaults]\n");
    chmod(real.c_str(), 0640);
    const std::string link = m_tree.Path("link.INI");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(CProfile(link).WriteProfileInt("Defaults", "k", 1));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(m_tree.ReadFile("real/Vantrel.INI"), "[Defaults]\nk=1\n");
    struct stat status {};
    ASSERT_EQ(stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST_F(CProfileTest, FifoIsNeitherWaitedForNorReplaced) {
    const std::string path = m_tree.Path("Vantrel.INI");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    // Should the profile wait for a writer, this one comes after a while
    // with a text of its own, so that the test ends either way.
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::thread writer([&] {
        std::unique_lock lock(mutex);
        if (finished.wait_for(lock, std::chrono::seconds(10), [&] { return done; })) {
            return;
        }
        const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
        const std::string_view text = "[Defaults]\nk=from the fifo\n";
        EXPECT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        close(fd);
    });
    const bool written = m_profile.WriteProfileString("Defaults", "k", "new");
    const std::string value = m_profile.GetProfileString("Defaults", "k", "default");
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_one();
    writer.join();
    EXPECT_FALSE(written);
    EXPECT_EQ(value, "default");
    struct stat status {};
    ASSERT_EQ(lstat(path.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(CProfileTest, DeviceIsNeitherReadNorReplaced) {
    const std::string link = m_tree.Path("Vantrel.INI");
    std::filesystem::create_symlink("/dev/zero", link);
    EXPECT_EQ(m_profile.GetProfileInt("Defaults", "k", 7), 7);
    EXPECT_FALSE(m_profile.WriteProfileInt("Defaults", "k", 1));
    EXPECT_EQ(std::filesystem::read_symlink(link), "/dev/zero");
}

TEST_F(CProfileTest, FilesUpTo16MiBAreReadAndLargerOnesLeftAlone) {
    constexpr off_t kLimit = 16 * 1024 * 1024;
    const std::string path = Write("[Defaults]\nk=v\n");
    ASSERT_EQ(truncate(path.c_str(), kLimit), 0);
    EXPECT_EQ(m_profile.GetProfileString("Defaults", "k", "default"), "v");

    ASSERT_EQ(truncate(path.c_str(), kLimit + 1), 0);
    EXPECT_EQ(m_profile.GetProfileString("Defaults", "k", "default"), "default");
    EXPECT_FALSE(m_profile.WriteProfileString("Defaults", "k", "new"));
    EXPECT_EQ(std::filesystem::file_size(path), static_cast<uintmax_t>(kLimit + 1));
    EXPECT_EQ(Content().substr(0, 15), "[Defaults]\nk=v\n");
}

class DefaultPathTest : public testing::Test {
  protected:
    void SetUp() override {
        const char* value = std::getenv("XDG_CONFIG_HOME");
        m_saved = value == nullptr ? "" : value;
    }
    void TearDown() override { setenv("XDG_CONFIG_HOME", m_saved.c_str(), 1); }

    std::string m_saved;
};

TEST_F(DefaultPathTest, FollowsXdgConfigHomeElseHomeConfig) {
    setenv("XDG_CONFIG_HOME", "/cfg/here/", 1);
    EXPECT_EQ(CProfile::DefaultPath(), "/cfg/here/Vantrel.INI");
    const std::string home = std::getenv("HOME");
    const std::string fallback = home + "/.config/Vantrel.INI";
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(CProfile::DefaultPath(), fallback);
    setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(CProfile::DefaultPath(), fallback);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(CProfile::DefaultPath(), fallback);
}

}  // namespace
