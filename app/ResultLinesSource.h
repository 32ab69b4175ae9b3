#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CGridMemDataSource.h"
#include "ResultRow.h"
#include "RowStatus.h"

class wxBitmap;

// The cells of one results grid, read from the compare's rows and formatted
// as they are read, so that a grid of a million lines holds no copy of them.
// A cell written since (a heading, a line changed by a file action) is kept
// as written and read so. The grid's rows are the compare's rows in their
// order, less those deleted; a row shows nothing until its status is known.
class ResultLinesSource : public CGridDataSource {
  public:
    // The status column's bitmap for each RowStatus.
    using StatusBitmaps = std::array<const wxBitmap*, 6>;

    explicit ResultLinesSource(bool leftSide);
    ~ResultLinesSource() override;

    // Shows one side of `rows`, which must stay as they are until Empty.
    // Full paths are `folder` (ending in "/") and the name; attribute
    // letters are grey with `greyAttributes`.
    void ShowRows(const std::vector<ResultRow>& rows, std::string folder, bool greyAttributes,
                  const StatusBitmaps& bitmaps);
    // Result row `index` was classified: its line shows from now on.
    void SetStatus(size_t index, RowStatus status);
    // The line at grid row `row` now has `status` (a file action made it so).
    void SetLineStatus(int row, RowStatus status);
    // Hides the identical lines (or shows them again). The grid's rows are
    // then the lines shown; both grids of a window hide the same lines, so
    // they stay line by line. Lines not classified yet count as shown.
    void HideIdentical(bool hide);
    // The text of a cell as the grid shows it, into `text` (whose storage is
    // reused); quicker than reading the whole cell.
    void ReadText(int column, int row, std::string& text);

    int GetLastRow() override;
    int DeleteRow(int row) override;
    int DeleteCell(int column, int row) override;
    int Empty() override;
    int GetCell(int column, int row, CGridCell& cell) override;
    int SetCell(int column, int row, const CGridCell& cell) override;

  private:
    static constexpr uint8_t kNoStatus = 0xFF;

    size_t ResultIndex(int row) const;
    // The line (row among all lines, hidden ones too) that grid row `row`
    // shows; rows outside the grid's range keep their distance from its end.
    int LineOf(int row) const;
    size_t LineCount() const { return m_shown ? m_shown->size() : m_rowCount; }
    // The result row a grid row shows when nothing was written there; null
    // for a heading, a row out of range or one not classified yet.
    const ResultRow* ShownRow(int row, size_t& index) const;
    // Sets the cell's text as formatted from `row`; false when this side of
    // the row has no file or the column holds no text.
    bool FormatText(int column, const ResultRow& row, std::string& text) const;

    const bool m_bLeftSide;
    CGridMemDataSource m_written;  // headings and cells written since the compare
    const std::vector<ResultRow>* m_pRows = nullptr;
    std::vector<uint8_t> m_statuses;  // by result index
    // The result index of each row once a row has been deleted; empty
    // while the rows are the results in order.
    std::vector<uint32_t> m_lines;
    size_t m_rowCount = 0;  // lines, hidden ones included
    // The line of each grid row while identical lines are hidden.
    std::optional<std::vector<uint32_t>> m_shown;
    std::string m_folder;
    bool m_bGreyAttributes = false;
    StatusBitmaps m_bitmaps{};
    CGridCell m_scratch = CGridCell::Blank();  // a written cell as ReadText reads it
};
