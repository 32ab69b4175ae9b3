#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "CGridCell.h"

// A cell as the memory store keeps it: one block holding the mask and only
// the properties the mask marks as set, so that a cell with a short text
// costs little more than the text. An empty packed cell stands for a place
// that holds no cell.
class CGridPackedCell {
  public:
    CGridPackedCell() = default;
    // A full copy of `cell`.
    explicit CGridPackedCell(const CGridCell& cell);

    bool IsEmpty() const { return m_pBlock == nullptr; }
    // Merges the stored cell into `cell` (see CGridCell::MergeFrom).
    void MergeInto(CGridCell& cell) const;
    // A cell with every stored property.
    CGridCell Unpack() const;
    // The stored text; empty when the text bit is clear.
    std::string_view Text() const;

  private:
    std::unique_ptr<std::byte[]> m_pBlock;
};
