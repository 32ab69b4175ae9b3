#include "ZipWriter.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <fstream>

#include "TempTree.h"

namespace {

// Offsets inside a local header of a ZIP archive.
constexpr size_t kLocalNameLength = 26;
constexpr size_t kLocalExtraLength = 28;
constexpr size_t kLocalName = 30;

// Offsets inside a central-directory record.
constexpr char kCentralSignature[] = "PK\x01\x02";
constexpr size_t kMadeByHost = 5;
constexpr size_t kNameLength = 28;
constexpr size_t kExternalAttributes = 38;
constexpr size_t kName = 46;
constexpr uint8_t kHostMsDos = 0;

uint16_t ReadLittle16(const std::string& bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 static_cast<uint8_t>(bytes[at + 1]) << 8);
}

void WriteLittle32(std::string& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

}  // namespace

ZipWriter::ZipWriter(const std::string& path) : m_path(path), m_writer(archive_write_new()) {
    archive_write_set_format_zip(m_writer);
    EXPECT_EQ(archive_write_open_filename(m_writer, path.c_str()), ARCHIVE_OK)
        << archive_error_string(m_writer);
}

ZipWriter::~ZipWriter() {
    Finish();
}

ZipWriter& ZipWriter::File(const std::string& name, const std::string& content, int permissions) {
    Add(name, AE_IFREG | static_cast<mode_t>(permissions), content, "");
    return *this;
}

ZipWriter& ZipWriter::Folder(const std::string& name) {
    Add(name, AE_IFDIR | 0755, "", "");
    return *this;
}

ZipWriter& ZipWriter::Symlink(const std::string& name, const std::string& target) {
    Add(name, AE_IFLNK | 0777, "", target);
    return *this;
}

ZipWriter& ZipWriter::Special(const std::string& name, mode_t fileType) {
    Add(name, AE_IFREG | 0644, "", "");
    m_marks.push_back({name, true, fileType | 0644});
    return *this;
}

ZipWriter& ZipWriter::FileWithoutUnixModes(const std::string& name, const std::string& content) {
    Add(name, AE_IFREG | 0644, content, "");
    m_marks.push_back({name, false, 0});
    return *this;
}

void ZipWriter::Add(const std::string& name, mode_t mode, const std::string& content,
                    const std::string& symlinkTarget) {
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, name.c_str());
    archive_entry_set_mode(entry, mode);
    archive_entry_set_size(entry, static_cast<la_int64_t>(content.size()));
    archive_entry_set_mtime(entry, TempTree::kWrittenTime, 0);
    if (!symlinkTarget.empty()) {
        archive_entry_set_symlink(entry, symlinkTarget.c_str());
    }
    EXPECT_EQ(archive_write_header(m_writer, entry), ARCHIVE_OK) << archive_error_string(m_writer);
    if (!content.empty()) {
        EXPECT_EQ(archive_write_data(m_writer, content.data(), content.size()),
                  static_cast<la_ssize_t>(content.size()));
    }
    archive_entry_free(entry);
}

void ZipWriter::Finish() {
    if (m_writer == nullptr) {
        return;
    }
    EXPECT_EQ(archive_write_close(m_writer), ARCHIVE_OK);
    archive_write_free(m_writer);
    m_writer = nullptr;
    ApplyMarks();
}

void ZipWriter::ApplyMarks() const {
    if (m_marks.empty()) {
        return;
    }
    std::string bytes = ReadWholeFile(m_path);
    for (const Mark& mark : m_marks) {
        bool found = false;
        for (size_t at = bytes.find(kCentralSignature); at != std::string::npos;
             at = bytes.find(kCentralSignature, at + 1)) {
            if (bytes.compare(at + kName, ReadLittle16(bytes, at + kNameLength), mark.name) != 0) {
                continue;
            }
            found = true;
            if (mark.unixModes) {
                WriteLittle32(bytes, at + kExternalAttributes,
                              static_cast<uint32_t>(mark.mode) << 16);
            } else {
                bytes[at + kMadeByHost] = static_cast<char>(kHostMsDos);
                WriteLittle32(bytes, at + kExternalAttributes, 0);
            }
        }
        EXPECT_TRUE(found) << "no central-directory record for " << mark.name;
    }
    WriteBytes(m_path, bytes);
}

size_t FirstEntryDataOffset(const std::string& archiveBytes) {
    return kLocalName + ReadLittle16(archiveBytes, kLocalNameLength) +
           ReadLittle16(archiveBytes, kLocalExtraLength);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
}
