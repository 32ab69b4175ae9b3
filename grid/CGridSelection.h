#pragma once

#include <vector>

#include "CGridRedrawList.h"

// The selected blocks of cells of one sheet. Each block runs from an anchor
// cell to a moving cell; in whole-row mode every block spans all columns.
// The grid itself only uses whole-row mode for row highlight; a program that
// turns multiple selection on gets the blocks the mouse and keys make.
class CGridSelection {
  public:
    // Mode bits.
    static constexpr int kWholeRows = 0x2;
    // The first block that holds a cell decides whether it is selected
    // (else the last one does).
    static constexpr int kFirstBlockDecides = 0x10;

    struct Block {
        int nAnchorColumn;
        int nMovingColumn;
        int nAnchorRow;
        int nMovingRow;
        bool bSelected = true;
    };

    void Clear();
    // A new block of the one cell.
    void StartBlock(int column, int row);
    // The last block's moving cell goes to (column, row); starts a block
    // when there is none.
    void ExtendBlock(int column, int row);
    // A single-cell block of the cell flips between selected and not;
    // other cells get a new block.
    void ToggleCell(int column, int row);
    // Whether the cell is selected, and the number of the block that says so.
    bool IsSelected(int column, int row, int* blockNumber = nullptr) const;
    bool IsColumnSelected(int column) const;
    bool IsRowSelected(int row) const;
    // The range of a block, normalised (whole rows spread over the columns).
    CGridRange RangeOf(const Block& block) const;
    // The range all blocks lie in; empty (right < left) without blocks.
    CGridRange Bounds() const;
    const std::vector<Block>& Blocks() const { return m_blocks; }
    int BlockCount() const { return static_cast<int>(m_blocks.size()); }
    // The anchor of the last block, where keyboard moves start again.
    bool LastAnchor(int& column, int& row) const;

    int GetMode() const { return m_nMode; }
    void SetMode(int mode) { m_nMode = mode; }
    // Whole rows span this many columns.
    void SetColumnCount(int count) { m_nColumnCount = count; }

  private:
    std::vector<Block> m_blocks;
    int m_nMode = 0;
    int m_nColumnCount = 0;
};
