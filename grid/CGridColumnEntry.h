#pragma once

#include <memory>

#include "CGridCell.h"

class CGridDataSource;

// One data column of a sheet: how wide it is, where its cells are stored,
// and the defaults its cells start from.
struct CGridColumnEntry {
    int m_nWidth = 75;
    // The data source holding the column's cells; not owned.
    CGridDataSource* m_pDataSource = nullptr;
    std::unique_ptr<CGridCell> m_pDefaultCell;
    // The column number under which the data source stores this column; a
    // moved or inserted column keeps showing the same stored cells.
    int m_nDataSourceColumn = 0;
};
