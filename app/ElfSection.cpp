#include "ElfSection.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "UniqueFd.h"

namespace {

constexpr unsigned char kElfMagic[] = {0x7F, 'E', 'L', 'F'};
constexpr unsigned char kClass32 = 1;
constexpr unsigned char kClass64 = 2;
constexpr unsigned char kLittleEndian = 1;
constexpr unsigned char kBigEndian = 2;
constexpr uint32_t kSectionWithoutContents = 8;   // SHT_NOBITS
constexpr uint64_t kIndexInSectionZero = 0xFFFF;  // SHN_XINDEX

struct SectionHeader {
    uint32_t name = 0;
    uint32_t type = 0;
    uint64_t offset = 0;
    uint64_t size = 0;
    uint32_t link = 0;
};

// The headers of one open ELF file, read on demand and checked against the
// file's size before anything is allocated or read.
class ElfHeaders {
  public:
    ElfHeaders(int fd, uint64_t fileSize) : m_fd(fd), m_fileSize(fileSize) {}

    bool ReadFileHeader() {
        unsigned char header[64];
        if (!ReadAt(0, header, 16) || std::memcmp(header, kElfMagic, sizeof kElfMagic) != 0) {
            return false;
        }
        const unsigned char elfClass = header[4];
        const unsigned char byteOrder = header[5];
        if ((elfClass != kClass32 && elfClass != kClass64) ||
            (byteOrder != kLittleEndian && byteOrder != kBigEndian)) {
            return false;
        }
        m_is64 = elfClass == kClass64;
        m_bigEndian = byteOrder == kBigEndian;
        if (!ReadAt(0, header, m_is64 ? 64 : 52)) {
            return false;
        }
        m_tableOffset = m_is64 ? Number(header + 40, 8) : Number(header + 32, 4);
        m_entrySize = Number(header + (m_is64 ? 58 : 46), 2);
        m_count = Number(header + (m_is64 ? 60 : 48), 2);
        m_namesIndex = Number(header + (m_is64 ? 62 : 50), 2);
        if (m_tableOffset == 0 || m_tableOffset >= m_fileSize ||
            m_entrySize < (m_is64 ? 64u : 40u)) {
            return false;
        }
        // Files with many sections keep the real count and the index of the
        // name table in section 0.
        if (m_count == 0 || m_namesIndex == kIndexInSectionZero) {
            const bool countInSectionZero = m_count == 0;
            m_count = std::max<uint64_t>(m_count, 1);
            const std::optional<SectionHeader> first = Section(0);
            if (!first) {
                return false;
            }
            if (countInSectionZero) {
                m_count = first->size;
            }
            if (m_namesIndex == kIndexInSectionZero) {
                m_namesIndex = first->link;
            }
        }
        return m_count <= (m_fileSize - m_tableOffset) / m_entrySize;
    }

    uint64_t SectionCount() const { return m_count; }
    uint64_t NamesIndex() const { return m_namesIndex; }

    std::optional<SectionHeader> Section(uint64_t index) const {
        if (index >= m_count) {
            return std::nullopt;
        }
        unsigned char entry[64];
        if (!ReadAt(m_tableOffset + index * m_entrySize, entry, m_is64 ? 64 : 40)) {
            return std::nullopt;
        }
        SectionHeader section;
        section.name = static_cast<uint32_t>(Number(entry, 4));
        section.type = static_cast<uint32_t>(Number(entry + 4, 4));
        section.offset = m_is64 ? Number(entry + 24, 8) : Number(entry + 16, 4);
        section.size = m_is64 ? Number(entry + 32, 8) : Number(entry + 20, 4);
        section.link = static_cast<uint32_t>(Number(entry + (m_is64 ? 40 : 24), 4));
        return section;
    }

    bool ReadContents(const SectionHeader& section, std::vector<unsigned char>& contents) const {
        if (section.type == kSectionWithoutContents || section.offset > m_fileSize ||
            section.size > m_fileSize - section.offset) {
            return false;
        }
        contents.resize(section.size);
        return ReadAt(section.offset, contents.data(), section.size);
    }

  private:
    uint64_t Number(const unsigned char* bytes, int width) const {
        uint64_t value = 0;
        for (int i = 0; i < width; ++i) {
            const int index = m_bigEndian ? i : width - 1 - i;
            value = (value << 8) | bytes[index];
        }
        return value;
    }

    bool ReadAt(uint64_t offset, unsigned char* buffer, uint64_t size) const {
        if (offset > m_fileSize || size > m_fileSize - offset) {
            return false;
        }
        uint64_t done = 0;
        while (done < size) {
            const ssize_t got =
                pread(m_fd, buffer + done, size - done, static_cast<off_t>(offset + done));
            if (got <= 0) {
                return false;
            }
            done += static_cast<uint64_t>(got);
        }
        return true;
    }

    int m_fd;
    uint64_t m_fileSize;
    bool m_is64 = false;
    bool m_bigEndian = false;
    uint64_t m_tableOffset = 0;
    uint64_t m_entrySize = 0;
    uint64_t m_count = 0;
    uint64_t m_namesIndex = 0;
};

// The NUL-terminated name at `offset` of a section-name table; nothing when
// it does not end inside the table.
std::optional<std::string> NameAt(const std::vector<unsigned char>& names, uint32_t offset) {
    if (offset >= names.size()) {
        return std::nullopt;
    }
    const auto* start = names.data() + offset;
    const void* end = std::memchr(start, 0, names.size() - offset);
    if (end == nullptr) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(start),
                       static_cast<const unsigned char*>(end) - start);
}

}  // namespace

bool ReadElfSection(const std::string& path, const std::string& sectionName,
                    std::vector<unsigned char>& contents) {
    contents.clear();
    // Non-blocking, so that a FIFO does not hang the open; only regular files
    // are read.
    UniqueFd file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info {};
    if (!file.IsOpen() || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    ElfHeaders headers(file.Get(), static_cast<uint64_t>(info.st_size));
    if (!headers.ReadFileHeader()) {
        return false;
    }
    const std::optional<SectionHeader> namesSection = headers.Section(headers.NamesIndex());
    std::vector<unsigned char> names;
    if (!namesSection || !headers.ReadContents(*namesSection, names)) {
        return false;
    }
    for (uint64_t index = 0; index < headers.SectionCount(); ++index) {
        const std::optional<SectionHeader> section = headers.Section(index);
        if (!section) {
            return false;
        }
        if (NameAt(names, section->name) == sectionName) {
            return headers.ReadContents(*section, contents);
        }
    }
    return false;
}
