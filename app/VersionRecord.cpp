#include "VersionRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr char kMarker[] = "VTRLVER1";
constexpr size_t kMarkerLength = sizeof kMarker - 1;

// Reads the blocks one after the other, refusing any length that reaches
// past the end.
class BlockCursor {
  public:
    explicit BlockCursor(const std::vector<unsigned char>& bytes)
        : m_bytes(bytes), m_position(kMarkerLength) {}

    bool OnlyPaddingLeft() const {
        return std::all_of(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position), m_bytes.end(),
                           [](unsigned char byte) { return byte == 0; });
    }

    bool ReadText(std::string& text) {
        uint32_t length = 0;
        if (!ReadLength(length) || length > m_bytes.size() - m_position) {
            return false;
        }
        text.assign(reinterpret_cast<const char*>(m_bytes.data() + m_position), length);
        m_position += length;
        return true;
    }

  private:
    bool ReadLength(uint32_t& length) {
        if (m_bytes.size() - m_position < 4) {
            return false;
        }
        length = 0;
        for (int i = 3; i >= 0; --i) {
            length = (length << 8) | m_bytes[m_position + static_cast<size_t>(i)];
        }
        m_position += 4;
        return true;
    }

    const std::vector<unsigned char>& m_bytes;
    size_t m_position;
};

}  // namespace

std::optional<VersionRecord> VersionRecord::Parse(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < kMarkerLength || std::memcmp(bytes.data(), kMarker, kMarkerLength) != 0) {
        return std::nullopt;
    }
    VersionRecord record;
    BlockCursor cursor(bytes);
    while (!cursor.OnlyPaddingLeft()) {
        std::string name;
        std::string value;
        if (!cursor.ReadText(name) || !cursor.ReadText(value)) {
            return std::nullopt;
        }
        record.m_blocks.emplace(std::move(name), std::move(value));
    }
    return record;
}

const std::string* VersionRecord::Find(const std::string& blockName) const {
    const auto found = m_blocks.find(blockName);
    return found == m_blocks.end() ? nullptr : &found->second;
}
