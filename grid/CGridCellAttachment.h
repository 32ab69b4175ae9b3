#pragma once

class CGridCell;

// An object attached to a cell, given the cell after every read so that it
// can adjust it (the cell's attachment A and B properties).
class CGridCellAttachment {
  public:
    virtual ~CGridCellAttachment() = default;
    virtual void OnCellRead(CGridCell& cell) = 0;
};
