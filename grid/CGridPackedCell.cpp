#include "CGridPackedCell.h"

#include <cstring>

namespace {

// Numbers are kept only where the data type makes them the cell's value.
bool KeepsNumber(const CGridCell& cell) {
    const short type = cell.GetDataType();
    return cell.HasMask(CGridCell::kDataType) &&
           (type == CGridCell::kTypeNumber || type == CGridCell::kTypeDateTime ||
            type == CGridCell::kTypeCurrency);
}

// Writes values one after another; without a block it only counts bytes.
class BlockWriter {
  public:
    explicit BlockWriter(std::byte* block) : m_pBlock(block) {}
    template <class T>
    void Put(const T& value) {
        PutBytes(&value, sizeof value);
    }
    void PutString(const std::string& text) {
        Put(static_cast<uint32_t>(text.size()));
        PutBytes(text.data(), text.size());
    }
    void PutBytes(const void* data, size_t length) {
        if (m_pBlock != nullptr && length > 0) {
            std::memcpy(m_pBlock + m_nSize, data, length);
        }
        m_nSize += length;
    }
    size_t Size() const { return m_nSize; }

  private:
    std::byte* m_pBlock;
    size_t m_nSize = 0;
};

class BlockReader {
  public:
    explicit BlockReader(const std::byte* block) : m_pAt(block) {}
    template <class T>
    T Get() {
        T value;
        std::memcpy(&value, m_pAt, sizeof value);
        m_pAt += sizeof value;
        return value;
    }
    std::string_view GetString() {
        const auto length = Get<uint32_t>();
        const std::string_view text(reinterpret_cast<const char*>(m_pAt), length);
        m_pAt += length;
        return text;
    }

  private:
    const std::byte* m_pAt;
};

}  // namespace

// The layout after the block's size, in this order: mask, then each set
// property. The text comes
// first so that searches read it without decoding the rest.
class CGridPackedCellLayout {
  public:
    static void Write(BlockWriter& out, const CGridCell& cell) {
        const uint32_t mask = cell.m_nMask;
        out.Put(mask);
        if (mask & CGridCell::kText)
            out.PutString(cell.m_strText);
        if (mask & CGridCell::kDataType)
            out.Put(cell.m_nDataType);
        if (KeepsNumber(cell))
            out.Put(cell.m_dNumber);
        if (mask & CGridCell::kLabel)
            out.PutString(cell.m_strLabel);
        if (mask & CGridCell::kInputMask)
            out.PutString(cell.m_strInputMask);
        if (mask & CGridCell::kReadOnly)
            out.Put(cell.m_bReadOnly);
        if (mask & CGridCell::kReservedValue)
            out.Put(cell.m_nReservedValue);
        if (mask & CGridCell::kDecimalPlaces)
            out.Put(cell.m_nDecimalPlaces);
        if (mask & CGridCell::kCellType)
            out.Put(cell.m_nCellTypeIndex);
        if (mask & CGridCell::kCellTypeStyle)
            out.Put(cell.m_nCellTypeStyle);
        if (mask & CGridCell::kTextColour)
            out.Put(cell.m_clrText);
        if (mask & CGridCell::kBackColour)
            out.Put(cell.m_clrBack);
        if (mask & CGridCell::kHighlightTextColour)
            out.Put(cell.m_clrHighlightText);
        if (mask & CGridCell::kHighlightBackColour)
            out.Put(cell.m_clrHighlightBack);
        if (mask & CGridCell::kBorderStyle)
            out.Put(cell.m_nBorderStyle);
        if (mask & CGridCell::kBorderPen)
            out.Put(cell.m_pBorderPen);
        if (mask & CGridCell::kFont)
            out.Put(cell.m_pFont);
        if (mask & CGridCell::kBitmap)
            out.Put(cell.m_pBitmap);
        if (mask & CGridCell::kAlignment)
            out.Put(cell.m_nAlignment);
        if (mask & CGridCell::kExtraData) {
            out.Put(static_cast<uint32_t>(cell.m_extraData.size()));
            out.PutBytes(cell.m_extraData.data(), cell.m_extraData.size());
        }
        if (mask & CGridCell::kJoin)
            out.Put(cell.m_join);
        if (mask & CGridCell::kAttachmentA)
            out.Put(cell.m_pAttachmentA);
        if (mask & CGridCell::kAttachmentB)
            out.Put(cell.m_pAttachmentB);
    }

    static void Merge(BlockReader in, CGridCell& cell) {
        const auto mask = in.Get<uint32_t>();
        cell.m_nMask |= mask;
        if (mask & CGridCell::kText)
            cell.m_strText = in.GetString();
        if (mask & CGridCell::kDataType) {
            cell.m_nDataType = in.Get<short>();
            cell.m_dNumber = 0.0;
        }
        if (KeepsNumber(cell) && (mask & CGridCell::kDataType))
            cell.m_dNumber = in.Get<double>();
        if (mask & CGridCell::kLabel)
            cell.m_strLabel = in.GetString();
        if (mask & CGridCell::kInputMask)
            cell.m_strInputMask = in.GetString();
        if (mask & CGridCell::kReadOnly)
            cell.m_bReadOnly = in.Get<bool>();
        if (mask & CGridCell::kReservedValue)
            cell.m_nReservedValue = in.Get<int>();
        if (mask & CGridCell::kDecimalPlaces)
            cell.m_nDecimalPlaces = in.Get<int>();
        if (mask & CGridCell::kCellType)
            cell.m_nCellTypeIndex = in.Get<int>();
        if (mask & CGridCell::kCellTypeStyle)
            cell.m_nCellTypeStyle = in.Get<int>();
        if (mask & CGridCell::kTextColour)
            cell.m_clrText = in.Get<CGridCell::Rgb>();
        if (mask & CGridCell::kBackColour)
            cell.m_clrBack = in.Get<CGridCell::Rgb>();
        if (mask & CGridCell::kHighlightTextColour) {
            cell.m_clrHighlightText = in.Get<CGridCell::Rgb>();
        }
        if (mask & CGridCell::kHighlightBackColour) {
            cell.m_clrHighlightBack = in.Get<CGridCell::Rgb>();
        }
        if (mask & CGridCell::kBorderStyle)
            cell.m_nBorderStyle = in.Get<uint16_t>();
        if (mask & CGridCell::kBorderPen)
            cell.m_pBorderPen = in.Get<const wxPen*>();
        if (mask & CGridCell::kFont)
            cell.m_pFont = in.Get<const wxFont*>();
        if (mask & CGridCell::kBitmap)
            cell.m_pBitmap = in.Get<const wxBitmap*>();
        if (mask & CGridCell::kAlignment)
            cell.m_nAlignment = in.Get<uint16_t>();
        if (mask & CGridCell::kExtraData) {
            const std::string_view data = in.GetString();
            cell.m_extraData.assign(data.begin(), data.end());
        }
        if (mask & CGridCell::kJoin)
            cell.m_join = in.Get<CGridCell::Join>();
        if (mask & CGridCell::kAttachmentA) {
            cell.m_pAttachmentA = in.Get<CGridCellAttachment*>();
        }
        if (mask & CGridCell::kAttachmentB) {
            cell.m_pAttachmentB = in.Get<CGridCellAttachment*>();
        }
    }
};

// The block starts with its own size, so that it can be given back.
CGridPackedCell::CGridPackedCell(const CGridCell& cell, CGridBlockPool& pool) {
    BlockWriter measure(nullptr);
    measure.Put(uint32_t{0});
    CGridPackedCellLayout::Write(measure, cell);
    const auto size = static_cast<uint32_t>(measure.Size());
    m_pBlock = pool.Allocate(size);
    BlockWriter out(m_pBlock);
    out.Put(size);
    CGridPackedCellLayout::Write(out, cell);
}

void CGridPackedCell::Release(CGridBlockPool& pool) {
    if (m_pBlock != nullptr) {
        pool.Free(m_pBlock, BlockReader(m_pBlock).Get<uint32_t>());
        m_pBlock = nullptr;
    }
}

void CGridPackedCell::MergeInto(CGridCell& cell) const {
    if (m_pBlock != nullptr) {
        BlockReader in(m_pBlock);
        in.Get<uint32_t>();
        CGridPackedCellLayout::Merge(in, cell);
    }
}

CGridCell CGridPackedCell::Unpack() const {
    CGridCell cell = CGridCell::Blank();
    MergeInto(cell);
    return cell;
}

std::string_view CGridPackedCell::Text() const {
    if (m_pBlock == nullptr) {
        return {};
    }
    BlockReader in(m_pBlock);
    in.Get<uint32_t>();
    return (in.Get<uint32_t>() & CGridCell::kText) ? in.GetString() : std::string_view();
}
