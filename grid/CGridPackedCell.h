#pragma once

#include <cstddef>
#include <string_view>

#include "CGridBlockPool.h"
#include "CGridCell.h"

// A cell as the memory store keeps it: one block holding the mask and only
// the properties the mask marks as set, so that a cell with a short text
// costs little more than the text. An empty packed cell stands for a place
// that holds no cell.
//
// The block comes from the store's pool and goes back to it through
// Release; a packed cell only refers to it.
class CGridPackedCell {
  public:
    CGridPackedCell() = default;
    // A full copy of `cell`, in a block from `pool`.
    CGridPackedCell(const CGridCell& cell, CGridBlockPool& pool);
    CGridPackedCell(CGridPackedCell&& other) noexcept : m_pBlock(other.m_pBlock) {
        other.m_pBlock = nullptr;
    }
    // The target must be empty (released) first.
    CGridPackedCell& operator=(CGridPackedCell&& other) noexcept {
        std::swap(m_pBlock, other.m_pBlock);
        return *this;
    }
    CGridPackedCell(const CGridPackedCell&) = delete;
    CGridPackedCell& operator=(const CGridPackedCell&) = delete;

    // Gives the block back to `pool`; the cell is then empty.
    void Release(CGridBlockPool& pool);

    bool IsEmpty() const { return m_pBlock == nullptr; }
    // Merges the stored cell into `cell` (see CGridCell::MergeFrom).
    void MergeInto(CGridCell& cell) const;
    // A cell with every stored property.
    CGridCell Unpack() const;
    // The stored text; empty when the text bit is clear.
    std::string_view Text() const;

  private:
    std::byte* m_pBlock = nullptr;
};
