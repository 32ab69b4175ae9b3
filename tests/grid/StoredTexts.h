#pragma once

#include <string>

#include "CGridCell.h"
#include "CGridMemDataSource.h"

// Reading and writing plain texts in a memory store, for the store's tests.

inline CGridCell TextCell(const std::string& text) {
    CGridCell cell = CGridCell::Blank();
    cell.SetText(text);
    return cell;
}

// The text stored at (column, row), or "-" when nothing is stored there.
inline std::string TextAt(CGridMemDataSource& store, int column, int row) {
    CGridCell cell = CGridCell::Blank();
    return store.GetCell(column, row, cell) == 0 ? cell.GetText() : "-";
}

inline void Put(CGridMemDataSource& store, int column, int row, const std::string& text) {
    store.SetCell(column, row, TextCell(text));
}
