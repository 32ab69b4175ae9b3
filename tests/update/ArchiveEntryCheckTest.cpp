// Which archive entries may be installed, for the kinds a ZIP archive
// cannot carry to the reader (hard links, FIFOs) as much as for those it can.

#include "ArchiveEntryCheck.h"

#include <archive_entry.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct EntryDeleter {
    void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};
using Entry = std::unique_ptr<archive_entry, EntryDeleter>;

Entry MakeEntry(const char* name, unsigned fileType) {
    Entry entry(archive_entry_new());
    archive_entry_set_pathname(entry.get(), name);
    archive_entry_set_filetype(entry.get(), fileType);
    archive_entry_set_perm(entry.get(), 0644);
    return entry;
}

}  // namespace

TEST(ArchiveEntryCheckTest, RegularFilesAndFoldersWithInnerNamesPass) {
    EXPECT_EQ(RefusalOf(MakeEntry("Vantrel", AE_IFREG).get()), "");
    EXPECT_EQ(RefusalOf(MakeEntry("help/topics/", AE_IFDIR).get()), "");
    EXPECT_EQ(RefusalOf(MakeEntry("./a..b/..c", AE_IFREG).get()), "");
}

TEST(ArchiveEntryCheckTest, LinksAndSpecialFilesAreRefusedByName) {
    Entry hardLink = MakeEntry("copy.txt", AE_IFREG);
    archive_entry_set_hardlink(hardLink.get(), "/etc/passwd");
    const std::string hardLinkRefusal = RefusalOf(hardLink.get());
    EXPECT_NE(hardLinkRefusal.find("\"copy.txt\" is a hard link"), std::string::npos)
        << hardLinkRefusal;
    EXPECT_NE(RefusalOf(MakeEntry("pipe", AE_IFIFO).get()).find("\"pipe\" is a FIFO"),
              std::string::npos);
    EXPECT_NE(RefusalOf(MakeEntry("sock", AE_IFSOCK).get()).find("socket"), std::string::npos);
    EXPECT_NE(RefusalOf(MakeEntry("disk", AE_IFBLK).get()).find("device"), std::string::npos);
    EXPECT_NE(RefusalOf(MakeEntry("tty", AE_IFCHR).get()).find("device"), std::string::npos);
    EXPECT_NE(RefusalOf(MakeEntry("up", AE_IFLNK).get()).find("symbolic link"), std::string::npos);
}

TEST(ArchiveEntryCheckTest, NamesLeavingTheFolderAreRefused) {
    for (const char* name :
         {"", "/", ".", "./", "..", "../x", "a/../../x", "a/..", "/etc/x", "//x"}) {
        EXPECT_TRUE(SafeNameComponents(name).empty()) << name;
        EXPECT_NE(RefusalOf(MakeEntry(name, AE_IFREG).get()), "") << name;
    }
}
