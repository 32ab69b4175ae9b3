#include "CGridSelection.h"

#include <algorithm>

void CGridSelection::Clear() {
    m_blocks.clear();
}

void CGridSelection::StartBlock(int column, int row) {
    m_blocks.push_back({column, column, row, row});
}

void CGridSelection::ExtendBlock(int column, int row) {
    if (m_blocks.empty()) {
        StartBlock(column, row);
        return;
    }
    m_blocks.back().nMovingColumn = column;
    m_blocks.back().nMovingRow = row;
}

void CGridSelection::ToggleCell(int column, int row) {
    for (Block& block : m_blocks) {
        if (block.nAnchorColumn == column && block.nMovingColumn == column &&
            block.nAnchorRow == row && block.nMovingRow == row) {
            block.bSelected = !block.bSelected;
            return;
        }
    }
    StartBlock(column, row);
}

CGridRange CGridSelection::RangeOf(const Block& block) const {
    if (m_nMode & kWholeRows) {
        return {0, std::min(block.nAnchorRow, block.nMovingRow), m_nColumnCount - 1,
                std::max(block.nAnchorRow, block.nMovingRow)};
    }
    return {std::min(block.nAnchorColumn, block.nMovingColumn),
            std::min(block.nAnchorRow, block.nMovingRow),
            std::max(block.nAnchorColumn, block.nMovingColumn),
            std::max(block.nAnchorRow, block.nMovingRow)};
}

bool CGridSelection::IsSelected(int column, int row, int* blockNumber) const {
    const bool firstDecides = m_nMode & kFirstBlockDecides;
    const int count = BlockCount();
    for (int step = 0; step < count; ++step) {
        const int number = firstDecides ? step : count - 1 - step;
        const Block& block = m_blocks[number];
        if (RangeOf(block).Contains(column, row)) {
            if (blockNumber != nullptr) {
                *blockNumber = number;
            }
            return block.bSelected;
        }
    }
    return false;
}

bool CGridSelection::IsColumnSelected(int column) const {
    return std::any_of(m_blocks.begin(), m_blocks.end(), [&](const Block& block) {
        const CGridRange range = RangeOf(block);
        return block.bSelected && column >= range.nLeft && column <= range.nRight;
    });
}

bool CGridSelection::IsRowSelected(int row) const {
    return std::any_of(m_blocks.begin(), m_blocks.end(), [&](const Block& block) {
        const CGridRange range = RangeOf(block);
        return block.bSelected && row >= range.nTop && row <= range.nBottom;
    });
}

CGridRange CGridSelection::Bounds() const {
    CGridRange bounds{0, 0, -1, -1};
    for (const Block& block : m_blocks) {
        const CGridRange range = RangeOf(block);
        if (bounds.nRight < bounds.nLeft) {
            bounds = range;
        } else {
            bounds = {std::min(bounds.nLeft, range.nLeft), std::min(bounds.nTop, range.nTop),
                      std::max(bounds.nRight, range.nRight),
                      std::max(bounds.nBottom, range.nBottom)};
        }
    }
    return bounds;
}

bool CGridSelection::LastAnchor(int& column, int& row) const {
    if (m_blocks.empty()) {
        return false;
    }
    column = m_blocks.back().nAnchorColumn;
    row = m_blocks.back().nAnchorRow;
    return true;
}
