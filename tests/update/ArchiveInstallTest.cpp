// Installing update archives into a program folder: what lands where, what
// is refused or unreadable, and that a failure part-way puts every file back.

#include "ArchiveInstall.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "SystemCalls.h"
#include "TempTree.h"
#include "ZipWriter.h"

namespace fs = std::filesystem;

namespace {

// Everything under `folder`, by relative name: kind, permission bits and
// content (a link's target), links never followed.
std::map<std::string, std::string> Listing(const std::string& folder) {
    std::map<std::string, std::string> listing;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        const std::string path = item.path().string();
        struct stat status {};
        EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
        std::string description = std::to_string(status.st_mode & 07777) + " ";
        if (S_ISDIR(status.st_mode)) {
            description += "folder";
        } else if (S_ISLNK(status.st_mode)) {
            description += "link to " + fs::read_symlink(path).string();
        } else {
            // Long contents by size and hash, to keep failure messages short.
            const std::string content = ReadWholeFile(path);
            description += content.size() <= 64
                               ? "file " + content
                               : "file of " + std::to_string(content.size()) +
                                     " bytes hashing to " +
                                     std::to_string(std::hash<std::string>{}(content));
        }
        listing[fs::relative(item.path(), folder).string()] = description;
    }
    return listing;
}

mode_t PermissionsOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

std::string WorkingFolder() {
    return fs::current_path().string();
}

// Fails, with `error`, every rename that `fails` picks.
class FailingRenames : public SystemCalls {
  public:
    using Pick = std::function<bool(const std::string& from, const std::string& to)>;
    FailingRenames(int error, Pick fails) : m_error(error), m_fails(std::move(fails)) {
        m_previous = Install(this);
    }
    ~FailingRenames() override { Install(m_previous); }
    int Rename(const char* from, const char* to) override {
        if (m_fails(from, to)) {
            errno = m_error;
            return -1;
        }
        return SystemCalls::Rename(from, to);
    }

  private:
    int m_error;
    Pick m_fails;
    SystemCalls* m_previous;
};

// Fails every write with "No space left on device".
class FullDisk : public SystemCalls {
  public:
    FullDisk() { m_previous = Install(this); }
    ~FullDisk() override { Install(m_previous); }
    ssize_t Write(int, const void*, size_t) override {
        errno = ENOSPC;
        return -1;
    }

  private:
    SystemCalls* m_previous;
};

class ArchiveInstallTest : public ::testing::Test {
  protected:
    ArchiveInstallTest() : m_folder(m_tree.MakeDir("program") + "/") {}

    // The installed program as it stands before an update to 1.05.
    void WriteInstalledProgram() {
        m_tree.WriteFile("program/Vantrel", "program 1.04");
        chmod(Program("Vantrel").c_str(), 0755);
        m_tree.WriteFile("program/Vantrel.chm", "help 1.04");
        m_tree.WriteFile("program/notes/readme.txt", "readme 1.04");
    }
    std::string Program(const std::string& relative) const { return m_folder + relative; }
    std::string Archive() const { return m_tree.Path("update.zip"); }

    // Installs with `targetName` at `localVersion`; the process's working
    // folder is the same afterwards.
    InstallResult Install(const std::string& targetName = "Vantrel",
                          const std::string& localVersion = "1.04") {
        const std::string before = WorkingFolder();
        InstallResult result = InstallArchive(m_folder, targetName, localVersion, Archive());
        EXPECT_EQ(WorkingFolder(), before);
        return result;
    }

    // Installs an archive that must not change anything: the whole tree
    // (program folder, archive and all) is as it was, with no staging
    // folder left, and the outcome is `expected`. Returns the reason.
    std::string InstallChangingNothing(InstallOutcome expected) {
        const auto before = Listing(m_tree.Root());
        const InstallResult result = Install();
        EXPECT_EQ(result.outcome, expected) << result.reason;
        EXPECT_TRUE(result.restored);
        EXPECT_EQ(Listing(m_tree.Root()), before);
        return result.reason;
    }

    TempTree m_tree;
    std::string m_folder;
};

TEST_F(ArchiveInstallTest, InstallsEveryEntryAndKeepsTheOldTargetUnderItsBackupName) {
    WriteInstalledProgram();
    {
        ZipWriter zip(Archive());
        zip.File("Vantrel", "program 1.05", 0755)
            .File("notes/readme.txt", "readme 1.05")
            .File("./notes/new/changes.txt", "changes")
            .Folder("plugins/");
    }
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Installed) << result.reason;
    const std::map<std::string, std::string> expected = {
        {"Vantrel", "493 file program 1.05"},          {"Vantrel v1.04", "493 file program 1.04"},
        {"Vantrel.chm", "420 file help 1.04"},         {"notes", "493 folder"},
        {"notes/readme.txt", "420 file readme 1.05"},  {"notes/new", "493 folder"},
        {"notes/new/changes.txt", "420 file changes"}, {"plugins", "493 folder"},
    };
    EXPECT_EQ(Listing(m_folder), expected);
}

TEST_F(ArchiveInstallTest, BackupNamesKeepTheExtensionAndTheTargetsFolder) {
    EXPECT_EQ(BackupPathFor("/opt/v/", "Vantrel", "1.04"), "/opt/v/Vantrel v1.04");
    EXPECT_EQ(BackupPathFor("/opt/v/", "Vantrel.CHM", "20081201"), "/opt/v/Vantrel v20081201.CHM");
    EXPECT_EQ(BackupPathFor("/opt/v/", "help/Vantrel.chm", "1.00"),
              "/opt/v/help/Vantrel v1.00.chm");
}

TEST_F(ArchiveInstallTest, AnOlderBackupOfTheSameNameIsReplaced) {
    WriteInstalledProgram();
    m_tree.WriteFile("program/Vantrel v1.04", "an earlier 1.04");
    ZipWriter(Archive()).File("Vantrel", "program 1.05", 0755);
    EXPECT_EQ(Install().outcome, InstallOutcome::Installed);
    EXPECT_EQ(ReadWholeFile(Program("Vantrel v1.04")), "program 1.04");
    EXPECT_EQ(ReadWholeFile(Program("Vantrel")), "program 1.05");
}

TEST_F(ArchiveInstallTest, ATargetAtVersionZeroIsReplacedWithoutBackup) {
    WriteInstalledProgram();
    ZipWriter(Archive()).File("Vantrel.chm", "help 1.05");
    EXPECT_EQ(Install("Vantrel.chm", "0.0").outcome, InstallOutcome::Installed);
    EXPECT_EQ(ReadWholeFile(Program("Vantrel.chm")), "help 1.05");
    EXPECT_FALSE(fs::exists(Program("Vantrel v0.0.chm")));
    EXPECT_EQ(Listing(m_folder).size(), 4u) << "no backup, no staging folder";
}

TEST_F(ArchiveInstallTest, ReplacedFilesKeepTheirPermissionsAndNewOnesLoseSetuid) {
    WriteInstalledProgram();
    m_tree.WriteFile("program/tool.sh", "tool 1.04");
    chmod(Program("tool.sh").c_str(), 0750);
    {
        ZipWriter zip(Archive());
        zip.FileWithoutUnixModes("Vantrel", "program 1.05")
            .File("tool.sh", "tool 1.05", 0644)
            .File("helper", "helper", 04755)
            .File("private.txt", "private", 0600);
    }
    EXPECT_EQ(Install().outcome, InstallOutcome::Installed);
    EXPECT_EQ(PermissionsOf(Program("Vantrel")), 0755u) << "the program stays executable";
    EXPECT_EQ(PermissionsOf(Program("tool.sh")), 0750u);
    EXPECT_EQ(PermissionsOf(Program("helper")), 0755u);
    EXPECT_EQ(PermissionsOf(Program("private.txt")), 0600u);
}

TEST_F(ArchiveInstallTest, ALinkAtADestinationIsReplacedNotWrittenThrough) {
    WriteInstalledProgram();
    const std::string outside = m_tree.WriteFile("outside.txt", "not the program's");
    fs::create_symlink(outside, Program("library.txt"));
    ZipWriter(Archive()).File("library.txt", "library 1.05");
    EXPECT_EQ(Install().outcome, InstallOutcome::Installed);
    EXPECT_EQ(ReadWholeFile(outside), "not the program's");
    EXPECT_FALSE(fs::is_symlink(Program("library.txt")));
    EXPECT_EQ(ReadWholeFile(Program("library.txt")), "library 1.05");
}

TEST_F(ArchiveInstallTest, EntriesThatMustNotBeWrittenRefuseTheWholeArchive) {
    WriteInstalledProgram();
    const std::string absolute = m_tree.Path("escaped");
    const std::map<std::string, std::function<void(ZipWriter&)>> badEntries = {
        {"../x", [](ZipWriter& zip) { zip.File("../x", "escaped"); }},
        {"a/../../x", [](ZipWriter& zip) { zip.File("a/../../x", "escaped"); }},
        {absolute, [&](ZipWriter& zip) { zip.File(absolute, "escaped"); }},
        {"up", [](ZipWriter& zip) { zip.Symlink("up", ".."); }},
        {"tty", [](ZipWriter& zip) { zip.Special("tty", S_IFCHR); }},
        {"disk", [](ZipWriter& zip) { zip.Special("disk", S_IFBLK); }},
        {"sock", [](ZipWriter& zip) { zip.Special("sock", S_IFSOCK); }},
    };
    for (const auto& [name, addBadEntry] : badEntries) {
        SCOPED_TRACE(name);
        {
            ZipWriter zip(Archive());
            zip.File("Vantrel", "program 1.05", 0755);
            addBadEntry(zip);
            zip.File("notes/readme.txt", "readme 1.05");
        }
        const std::string reason = InstallChangingNothing(InstallOutcome::Refused);
        EXPECT_NE(reason.find("\"" + name + "\""), std::string::npos) << reason;
    }
}

TEST_F(ArchiveInstallTest, ATargetNameLeavingTheFolderIsRefused) {
    WriteInstalledProgram();
    m_tree.WriteFile("outside", "not the program's");
    ZipWriter(Archive()).File("Vantrel", "program 1.05", 0755);
    const auto before = Listing(m_tree.Root());
    const InstallResult result = Install("../outside", "1.04");
    EXPECT_EQ(result.outcome, InstallOutcome::Refused);
    EXPECT_NE(result.reason.find("../outside"), std::string::npos) << result.reason;
    EXPECT_EQ(Listing(m_tree.Root()), before);
}

TEST_F(ArchiveInstallTest, BrokenArchivesAreUnreadableAndChangeNothing) {
    WriteInstalledProgram();
    const std::string content(20000, 'v');
    {
        ZipWriter zip(Archive());
        zip.File("Vantrel", content, 0755).File("notes/readme.txt", content);
    }
    const std::string whole = ReadWholeFile(Archive());
    std::string corrupt = whole;
    corrupt[FirstEntryDataOffset(whole) + 8] ^= 0x55;
    const std::map<std::string, std::string> brokenArchives = {
        {"cut in the middle", whole.substr(0, whole.size() / 2)},
        {"without its central directory", whole.substr(0, whole.find("PK\x01\x02"))},
        {"without its last byte", whole.substr(0, whole.size() - 1)},
        {"with a damaged entry", corrupt},
        {"not an archive", "Vantrel,update.zip,1.05\n"},
        {"empty", ""},
    };
    for (const auto& [what, bytes] : brokenArchives) {
        SCOPED_TRACE(what);
        WriteBytes(Archive(), bytes);
        EXPECT_NE(InstallChangingNothing(InstallOutcome::Unreadable), "");
    }
    fs::remove(Archive());
    EXPECT_NE(InstallChangingNothing(InstallOutcome::Unreadable), "") << "a missing archive";
}

TEST_F(ArchiveInstallTest, AnEntryNamedTwiceFailsWithoutChangingAnything) {
    WriteInstalledProgram();
    {
        ZipWriter zip(Archive());
        zip.File("Vantrel", "program 1.05", 0755).File("./Vantrel", "another program");
    }
    const std::string reason = InstallChangingNothing(InstallOutcome::Failed);
    EXPECT_NE(reason.find("Vantrel: File exists"), std::string::npos) << reason;
}

TEST_F(ArchiveInstallTest, ADiskFullWhileExtractingChangesNothing) {
    WriteInstalledProgram();
    ZipWriter(Archive()).File("Vantrel", "program 1.05", 0755);
    FullDisk full;
    const std::string reason = InstallChangingNothing(InstallOutcome::Failed);
    EXPECT_NE(reason.find("No space left on device"), std::string::npos) << reason;
}

// An update whose placement fails part-way: the program and its backup of
// an earlier 1.04, then an archive that replaces the program, adds a folder
// and a file, replaces the readme, and lastly replaces the help file.
class FailedPlacementTest : public ArchiveInstallTest {
  protected:
    void SetUp() override {
        WriteInstalledProgram();
        m_tree.WriteFile("program/Vantrel v1.04", "an earlier 1.04");
        ZipWriter zip(Archive());
        zip.File("Vantrel", "program 1.05", 0755)
            .File("added/new.txt", "new")
            .File("notes/readme.txt", "readme 1.05")
            .File("Vantrel.chm", "help 1.05");
    }
};

TEST_F(FailedPlacementTest, AFailedMoveIntoPlacePutsEveryFileBack) {
    const auto before = Listing(m_tree.Root());
    const std::string help = Program("Vantrel.chm");
    bool failed = false;  // once: putting the old help file back works
    FailingRenames failing(EIO, [&](const std::string&, const std::string& to) {
        return to == help && !std::exchange(failed, true);
    });
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Failed);
    EXPECT_TRUE(result.restored);
    EXPECT_NE(result.reason.find(help + ": Input/output error"), std::string::npos)
        << result.reason;
    EXPECT_EQ(Listing(m_tree.Root()), before);
}

TEST_F(FailedPlacementTest, AFolderInTheWayPutsEveryFileBack) {
    fs::remove(Program("Vantrel.chm"));
    m_tree.WriteFile("program/Vantrel.chm/index.html", "help 1.04 in a folder");
    const auto before = Listing(m_tree.Root());
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Failed);
    EXPECT_TRUE(result.restored);
    EXPECT_NE(result.reason.find("Vantrel.chm: Is a directory"), std::string::npos)
        << result.reason;
    EXPECT_EQ(Listing(m_tree.Root()), before);
}

TEST_F(FailedPlacementTest, AFileThatCannotBePutBackIsKeptAndNamed) {
    const std::string help = Program("Vantrel.chm");
    const std::string readme = Program("notes/readme.txt");
    int renamesToReadme = 0;
    FailingRenames failing(EIO, [&](const std::string&, const std::string& to) {
        // The new readme moves into place; the old one cannot come back.
        return to == help || (to == readme && ++renamesToReadme > 1);
    });
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Failed);
    EXPECT_FALSE(result.restored);
    EXPECT_NE(result.reason.find("back to " + readme + ": Input/output error"), std::string::npos)
        << result.reason;
    EXPECT_EQ(ReadWholeFile(Program("Vantrel")), "program 1.04") << "the rest is put back";
    EXPECT_EQ(ReadWholeFile(Program("Vantrel v1.04")), "an earlier 1.04");
    int keptReadmes = 0;
    for (const auto& [name, description] : Listing(m_folder)) {
        if (description == "420 file readme 1.04") {
            ++keptReadmes;
            EXPECT_NE(result.reason.find(fs::path(m_folder + name).parent_path().string()),
                      std::string::npos)
                << "the reason says where the old readme is: " << result.reason;
        }
    }
    EXPECT_EQ(keptReadmes, 1);
}

}  // namespace
