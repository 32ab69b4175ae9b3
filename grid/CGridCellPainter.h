#pragma once

#include <wx/dc.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "CGridGeometry.h"

class CSheetGrid;

// Draws a block of a grid's cells through their cell types: each row span
// against each column span, a joined range once, over its whole rectangle.
class CGridCellPainter {
  public:
    // How a cell is drawn: its selection block number + 1 (0 when not
    // selected) and whether it is current.
    struct CellState {
        int nSelected = 0;
        bool bCurrent = false;
    };
    using Wanted = std::function<bool(int column, int row)>;
    using State = std::function<CellState(int column, int row)>;

    CGridCellPainter(CSheetGrid& grid, wxDC& dc) : m_grid(grid), m_dc(dc) {}

    // Draws the cells for which `wanted` holds (asked again for each cell,
    // so a cell may add its neighbour while the row is drawn); how many
    // were drawn.
    int Paint(const std::vector<CGridSpan>& columns, const std::vector<CGridSpan>& rows,
              const Wanted& wanted, const State& state);

  private:
    // The rectangle of the joined range the cell belongs to, and its origin.
    wxRect JoinedRect(const CGridSpan& column, const CGridSpan& row, int& originColumn,
                      int& originRow);

    CSheetGrid& m_grid;
    wxDC& m_dc;
    std::set<std::pair<int, int>> m_drawnJoins;
};
