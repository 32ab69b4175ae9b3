#include "COXVersionInfo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ElfSection.h"
#include "ProgramFile.h"
#include "TempTree.h"
#include "VersionRecord.h"

namespace {

void ExpectEverythingEmpty(const COXVersionInfo& info) {
    EXPECT_FALSE(info.m_bValid);
    EXPECT_EQ(info.m_dwLangCharset, 0u);
    EXPECT_EQ(info.m_FixedInfo.dwSignature, 0u);
    EXPECT_EQ(info.m_FixedInfo.dwFileVersionMS, 0u);
    EXPECT_EQ(info.m_sLanguageName, "");
    EXPECT_EQ(info.m_sFileVersion, "");
    EXPECT_EQ(info.m_sCompanyName, "");
    EXPECT_EQ(info.m_sComments, "");
    EXPECT_EQ(info.m_sInternalName, "");
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void PutLittleEndian(std::string& bytes, size_t offset, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes[offset + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// Changes the current folder for one test and goes back afterwards.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::string& folder)
        : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(m_previous); }

  private:
    std::filesystem::path m_previous;
};

}  // namespace

TEST(COXVersionInfo, ReadsTheRecordTheBuildPutIntoThisProgram) {
    COXVersionInfo info;
    ASSERT_TRUE(info.ReadInfo(ProgramFilePath()));
    EXPECT_TRUE(info.m_bValid);
    EXPECT_EQ(info.m_sFileVersion, "1.00");
    EXPECT_EQ(info.m_sProductVersion, "1.00");
    EXPECT_EQ(info.m_sProductName, "Vantrel");
    EXPECT_EQ(info.m_sCompanyName, "Tarnwick LLC");
    EXPECT_EQ(info.m_sInternalName, "app_tests");
    EXPECT_EQ(info.m_sOriginalFilename, "app_tests");
    EXPECT_EQ(info.m_sComments, "") << "a key the record lacks stays empty";
    EXPECT_EQ(info.m_dwLangCharset, 0x040904E4u);
    EXPECT_EQ(info.m_sLanguageName, "English (United States)");
    EXPECT_EQ(info.m_FixedInfo.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.m_FixedInfo.dwStrucVersion, 0x00010000u);
    EXPECT_EQ(info.m_FixedInfo.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(info.m_FixedInfo.dwFileVersionLS, 0u);
    EXPECT_EQ(info.m_FixedInfo.dwFileType, 1u);
}

TEST(COXVersionInfo, ReadsTextsUnderTheRecordsOwnTranslation) {
    COXVersionInfo info;
    ASSERT_TRUE(info.ReadInfo(GERMAN_FIXTURE));
    EXPECT_EQ(info.m_dwLangCharset, 0x040704E4u);
    EXPECT_EQ(info.m_sLanguageName, "German (Germany)");
    EXPECT_EQ(info.m_sComments, "Kommentar");
    // The text is what counts, whatever the fixed record says (7.6.5.4).
    EXPECT_EQ(info.m_sFileVersion, "1.04");
    EXPECT_EQ(info.m_FixedInfo.dwFileVersionMS, 0x00070006u);
    EXPECT_EQ(info.m_FixedInfo.dwFileVersionLS, 0x00050004u);
}

TEST(COXVersionInfo, ReadsARecordWithoutTranslationUnderUsEnglish) {
    COXVersionInfo info;
    ASSERT_TRUE(info.ReadInfo(UNTRANSLATED_FIXTURE));
    EXPECT_EQ(info.m_dwLangCharset, 0u);
    EXPECT_EQ(info.m_sLanguageName, "");
    EXPECT_EQ(info.m_sFileVersion, "2.00");
    EXPECT_EQ(info.m_sInternalName, "version_fixture_untranslated");
}

TEST(COXVersionInfo, ReadsOtherElfClassesAndByteOrders) {
    for (const char* format : {"elf32-little", "elf32-big", "elf64-big"}) {
        SCOPED_TRACE(format);
        COXVersionInfo info;
        ASSERT_TRUE(
            info.ReadInfo(std::string(CONVERTED_RECORDS_DIR) + "/german_record_" + format + ".o"));
        EXPECT_EQ(info.m_sFileVersion, "1.04");
        EXPECT_EQ(info.m_dwLangCharset, 0x040704E4u);
        EXPECT_EQ(info.m_FixedInfo.dwFileVersionMS, 0x00070006u);
    }
}

TEST(COXVersionInfo, FilesWithoutARecordHaveNoVersion) {
    TempTree tree;
    const std::string text = tree.WriteFile("notes.txt", "FileVersion 1.00");
    const std::string fifo = tree.Path("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    COXVersionInfo info;
    for (const std::string& path : {std::string(PLAIN_FIXTURE), text, tree.MakeDir("folder"), fifo,
                                    tree.Path("missing"), std::string()}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(info.ReadInfo(GERMAN_FIXTURE));
        // A FIFO is refused without waiting for a writer.
        EXPECT_FALSE(info.ReadInfo(path));
        ExpectEverythingEmpty(info);
    }
}

TEST(COXVersionInfo, FindsABareNameBesideTheProgramThenInTheCurrentFolder) {
    TempTree tree;
    std::filesystem::copy_file(UNTRANSLATED_FIXTURE, tree.Path("copied_fixture"));
    CurrentFolder here(tree.Root());
    COXVersionInfo info;
    ASSERT_TRUE(info.ReadInfo("app_tests"));
    EXPECT_EQ(info.m_sInternalName, "app_tests");
    ASSERT_TRUE(info.ReadInfo("copied_fixture"));
    EXPECT_EQ(info.m_sFileVersion, "2.00");
}

TEST(COXVersionInfo, RefusesTruncatedFilesWithoutCrashing) {
    TempTree tree;
    const std::string whole = ReadBytes(GERMAN_FIXTURE);
    const std::string path = tree.Path("truncated");
    COXVersionInfo info;
    for (size_t length : {size_t{0}, size_t{4}, size_t{16}, size_t{40}, size_t{63},
                          whole.size() / 2, whole.size() - 1}) {
        SCOPED_TRACE(length);
        WriteBytes(path, whole.substr(0, length));
        EXPECT_FALSE(info.ReadInfo(path));
        ExpectEverythingEmpty(info);
    }
}

TEST(COXVersionInfo, RefusesHeadersThatPointOutsideTheFile) {
    TempTree tree;
    const std::string whole = ReadBytes(GERMAN_FIXTURE);
    ASSERT_EQ(whole[4], 2) << "the fixture is a 64-bit little-endian ELF file";
    struct Damage {
        const char* what;
        size_t offset;
        uint64_t value;
        int width;
    };
    const Damage damages[] = {
        {"section table far past the end", 40, 0x7FFFFFFFFFFF0000, 8},
        {"section table ending past the end", 40, whole.size() - 64, 8},
        {"too many sections", 60, 0xFFF0, 2},
        {"name table index out of range", 62, 0xFFF0, 2},
        {"section entries too small", 58, 8, 2},
    };
    COXVersionInfo info;
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        std::string bytes = whole;
        PutLittleEndian(bytes, damage.offset, damage.value, damage.width);
        const std::string path = tree.Path("damaged");
        WriteBytes(path, bytes);
        EXPECT_FALSE(info.ReadInfo(path));
        ExpectEverythingEmpty(info);
    }
}

TEST(COXVersionInfo, RefusesARecordWhoseBlockRunsPastItsEnd) {
    TempTree tree;
    std::string bytes = ReadBytes(GERMAN_FIXTURE);
    const size_t marker = bytes.find("VTRLVER1");
    ASSERT_NE(marker, std::string::npos);
    PutLittleEndian(bytes, marker + 8, 0xFFFFFF00, 4);
    const std::string path = tree.Path("damaged");
    WriteBytes(path, bytes);
    COXVersionInfo info;
    EXPECT_FALSE(info.ReadInfo(path));
    ExpectEverythingEmpty(info);
}

TEST(VersionRecord, AcceptsTrailingPaddingAndRefusesOtherData) {
    const std::vector<unsigned char> record = {'V', 'T', 'R', 'L', 'V', 'E', 'R', '1', 1, 0, 0,
                                               0,   'x', 2,   0,   0,   0,   'o', 'k', 0, 0, 0};
    const auto parsed = VersionRecord::Parse(record);
    ASSERT_TRUE(parsed);
    ASSERT_NE(parsed->Find("x"), nullptr);
    EXPECT_EQ(*parsed->Find("x"), "ok");
    EXPECT_EQ(parsed->Find("y"), nullptr);

    std::vector<unsigned char> strayByte = record;
    strayByte.push_back(7);
    EXPECT_FALSE(VersionRecord::Parse(strayByte));
    std::vector<unsigned char> otherMarker = record;
    otherMarker[7] = '2';
    EXPECT_FALSE(VersionRecord::Parse(otherMarker));
}

TEST(ReadElfSection, ReadsSectionsWithContentsOnly) {
    std::vector<unsigned char> contents;
    EXPECT_TRUE(ReadElfSection(ProgramFilePath(), ".text", contents));
    EXPECT_FALSE(contents.empty());
    EXPECT_FALSE(ReadElfSection(ProgramFilePath(), ".bss", contents))
        << "a section without contents";
    EXPECT_FALSE(ReadElfSection(ProgramFilePath(), ".no.such.section", contents));
    EXPECT_TRUE(contents.empty());
}
