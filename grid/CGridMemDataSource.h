#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "CGridColumnEntry.h"
#include "CGridDataSource.h"
#include "CGridPackedCell.h"

class CGridTextMatcher;

// The grid's built-in store: cells kept in memory, sparse at the ends. A row
// or column beyond the last one stored does not exist (reading it finds
// nothing); writing there creates everything up to it. Rows are held in an
// array, so reading or writing any cell costs the same whatever the order;
// each cell is one packed block from the store's own pool.
//
// Cells of heading rows (negative rows) travel with their column when
// columns are inserted or deleted; cells of heading columns (negative
// columns) travel with their row when rows are inserted, deleted or sorted.
class CGridMemDataSource : public CGridDataSource {
  public:
    // The comparison that orders cells when sorting; either cell may be null.
    using Comparison = std::function<int(const CGridCell* a, const CGridCell* b, int flags)>;

    // `columns`: the column table whose data-source columns follow the
    // columns this store inserts and deletes; may be null.
    explicit CGridMemDataSource(Comparison compare = &CGridCell::Compare,
                                std::vector<CGridColumnEntry>* columns = nullptr);
    ~CGridMemDataSource() override;

    int GetLastRow() override;
    // Rows and columns appear when written: nothing to do.
    int AppendRow() override;
    int AppendColumn() override;
    // A new empty row before `row`; 1 when that row does not exist.
    int InsertRow(int row) override;
    // A new empty column before `column` (translated through the column
    // table), in every row that reaches it; later columns of the table
    // move up by one.
    int InsertColumn(int column) override;
    int DeleteRow(int row) override;
    // Removes the column from every row that reaches it; the column table's
    // data-source columns from it on move down by one.
    int DeleteColumn(int column) override;
    // 1 when there is no cell there.
    int DeleteCell(int column, int row) override;
    int Empty() override;
    int GetCell(int column, int row, CGridCell& cell) override;
    int SetCell(int column, int row, const CGridCell& cell) override;
    int FindFirst(const std::string& text, int& column, int& row, int flags) override;
    // Searches every stored cell once, wrapping around the ends, the start
    // cell last; 1 when nothing matches.
    int FindNext(const std::string& text, int& column, int& row, int flags) override;
    // Stable: rows with equal keys keep their order. 1 when there are no rows.
    int SortByColumns(std::span<const int> columns, int flags) override;
    int SortByColumn(int column, int flags) override;
    int GetPreviousNonBlankColumn(int& column, int row) override;

  private:
    using CellList = std::vector<CGridPackedCell>;
    struct Row {
        CellList cells;                          // columns 0, 1, ...
        std::unique_ptr<CellList> headingCells;  // columns -1, -2, ...
    };

    // Gives the blocks of every cell of the row back to the pool.
    void ReleaseCells(Row& row);
    Row* FindRow(int row);
    Row& MakeRow(int row);
    static const CGridPackedCell* FindCell(const Row& row, int column);
    CGridPackedCell& MakeCell(Row& row, int column);
    int RowLength(int row) const;
    int TableIndexOf(int dataSourceColumn) const;
    void RenumberColumns(int from, int delta);
    bool Matches(int column, int row, const CGridTextMatcher& matcher) const;
    void StepAlongRow(int& column, int& row, bool forward) const;
    int NextRow(int row, bool forward) const;

    CGridBlockPool m_blocks;  // holds every stored cell
    std::vector<Row> m_rows;
    std::vector<Row> m_headingRows;  // rows -1, -2, ...
    Comparison m_compare;
    std::vector<CGridColumnEntry>* m_pColumns;
    size_t m_nLastGrownRowLength = 0;  // cells of the row that grew last
};
