#pragma once

#include <span>
#include <string>

class CGridCell;
class wxTextCtrl;

// Where a grid reads and writes its cells. Every operation has a default
// answer, so a data source overrides only what it supports; −1 means "not
// supported". Columns are data-source columns (see CGridColumnEntry);
// negative columns and rows address heading cells.
class CGridDataSource {
  public:
    // Find flags.
    static constexpr int kFindPartOfText = 1;
    static constexpr int kFindIgnoreCase = 2;
    static constexpr int kFindBackwards = 4;
    static constexpr int kFindAlongRow = 8;

    virtual ~CGridDataSource();

    // The number of the last row that holds data.
    virtual int GetLastRow();
    virtual int AppendRow();
    virtual int InsertRow(int row);
    virtual int AppendColumn();
    virtual int InsertColumn(int column);
    virtual int DeleteRow(int row);
    virtual int DeleteColumn(int column);
    virtual int DeleteCell(int column, int row);
    // Removes every cell.
    virtual int Empty();
    // Merges the stored cell into `cell`; 0 when there is one.
    virtual int GetCell(int column, int row, CGridCell& cell);
    // Stores a copy of `cell`; the caller keeps its own.
    virtual int SetCell(int column, int row, const CGridCell& cell);
    // Searches for `text` from the first cell; 0 and the position when found.
    virtual int FindFirst(const std::string& text, int& column, int& row, int flags);
    // Searches for `text` from the cell after (column, row).
    virtual int FindNext(const std::string& text, int& column, int& row, int flags);
    virtual int SortByColumns(std::span<const int> columns, int flags);
    virtual int SortByColumn(int column, int flags);
    // A move went below the last row: the data source may bring more rows.
    virtual int PastLastRow(int rowCount, int rowsPastEnd, int& rowsFound);
    virtual void OnCurrentRowChanged(int oldRow, int newRow);
    virtual void OnCurrentColumnChanged(int oldColumn, int newColumn);
    virtual bool AllowCurrentCellMove(int oldColumn, int oldRow, int newColumn, int newRow);
    virtual bool AllowEditStart(int column, int row, wxTextCtrl*& editor);
    virtual bool AllowEditKey(int column, int row, wxTextCtrl* editor, int& key);
    virtual bool AllowEditEnd(int column, int row, wxTextCtrl* editor, const std::string& text,
                              bool cancelled);
    virtual bool AllowEditMoveOn(int oldColumn, int oldRow, int& newColumn, int& newRow);
    // The nearest column left of `column` in `row` whose text is not empty.
    virtual int GetPreviousNonBlankColumn(int& column, int row);
};
