#include "CGridMemDataSource.h"

#include <algorithm>
#include <numeric>

#include "CGridTextMatcher.h"

namespace {

constexpr int kNotFound = 1;

}  // namespace

CGridMemDataSource::CGridMemDataSource(Comparison compare, std::vector<CGridColumnEntry>* columns)
    : m_compare(std::move(compare)), m_pColumns(columns) {}

CGridMemDataSource::~CGridMemDataSource() = default;

CGridMemDataSource::Row* CGridMemDataSource::FindRow(int row) {
    std::vector<Row>& rows = row >= 0 ? m_rows : m_headingRows;
    const size_t index = row >= 0 ? static_cast<size_t>(row) : static_cast<size_t>(-row - 1);
    return index < rows.size() ? &rows[index] : nullptr;
}

CGridMemDataSource::Row& CGridMemDataSource::MakeRow(int row) {
    std::vector<Row>& rows = row >= 0 ? m_rows : m_headingRows;
    const size_t index = row >= 0 ? static_cast<size_t>(row) : static_cast<size_t>(-row - 1);
    if (index >= rows.size()) {
        rows.resize(index + 1);
    }
    return rows[index];
}

const CGridPackedCell* CGridMemDataSource::FindCell(const Row& row, int column) {
    const CellList* cells = column >= 0 ? &row.cells : row.headingCells.get();
    const size_t index =
        column >= 0 ? static_cast<size_t>(column) : static_cast<size_t>(-column - 1);
    if (cells == nullptr || index >= cells->size() || (*cells)[index].IsEmpty()) {
        return nullptr;
    }
    return &(*cells)[index];
}

// A row that has to grow takes room for as many cells as the row grown
// before it: rows tend to be alike, and a row filled cell by cell then
// needs one allocation instead of one per doubling.
CGridPackedCell& CGridMemDataSource::MakeCell(Row& row, int column) {
    if (column < 0 && row.headingCells == nullptr) {
        row.headingCells = std::make_unique<CellList>();
    }
    CellList& cells = column >= 0 ? row.cells : *row.headingCells;
    const size_t index =
        column >= 0 ? static_cast<size_t>(column) : static_cast<size_t>(-column - 1);
    if (index >= cells.size()) {
        if (index >= cells.capacity()) {
            cells.reserve(std::max(index + 1, m_nLastGrownRowLength));
        }
        cells.resize(index + 1);
        m_nLastGrownRowLength = cells.size();
    }
    return cells[index];
}

int CGridMemDataSource::RowLength(int row) const {
    return row >= 0 && row < static_cast<int>(m_rows.size())
               ? static_cast<int>(m_rows[row].cells.size())
               : 0;
}

int CGridMemDataSource::GetLastRow() {
    return static_cast<int>(m_rows.size()) - 1;
}

int CGridMemDataSource::AppendRow() {
    return 0;
}

int CGridMemDataSource::AppendColumn() {
    return 0;
}

int CGridMemDataSource::InsertRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return kNotFound;
    }
    m_rows.insert(m_rows.begin() + row, Row());
    return 0;
}

int CGridMemDataSource::TableIndexOf(int dataSourceColumn) const {
    if (m_pColumns != nullptr) {
        for (size_t index = 0; index < m_pColumns->size(); ++index) {
            const CGridColumnEntry& entry = (*m_pColumns)[index];
            if (entry.m_pDataSource == this && entry.m_nDataSourceColumn == dataSourceColumn) {
                return static_cast<int>(index);
            }
        }
    }
    return dataSourceColumn;
}

// Only the columns stored here are renumbered; a column kept by another
// data source has its own numbering.
void CGridMemDataSource::RenumberColumns(int from, int delta) {
    if (m_pColumns == nullptr) {
        return;
    }
    for (CGridColumnEntry& entry : *m_pColumns) {
        if (entry.m_pDataSource == this && entry.m_nDataSourceColumn >= from) {
            entry.m_nDataSourceColumn += delta;
        }
    }
}

int CGridMemDataSource::InsertColumn(int column) {
    if (column < 0) {
        return kNotFound;
    }
    column = TableIndexOf(column);
    for (std::vector<Row>* rows : {&m_headingRows, &m_rows}) {
        for (Row& row : *rows) {
            if (column < static_cast<int>(row.cells.size())) {
                row.cells.insert(row.cells.begin() + column, CGridPackedCell());
            }
        }
    }
    RenumberColumns(column, 1);
    return 0;
}

void CGridMemDataSource::ReleaseCells(Row& row) {
    for (CGridPackedCell& cell : row.cells) {
        cell.Release(m_blocks);
    }
    if (row.headingCells != nullptr) {
        for (CGridPackedCell& cell : *row.headingCells) {
            cell.Release(m_blocks);
        }
    }
}

int CGridMemDataSource::DeleteRow(int row) {
    Row* stored = FindRow(row);
    if (stored == nullptr) {
        return 0;
    }
    ReleaseCells(*stored);
    if (row >= 0) {
        m_rows.erase(m_rows.begin() + row);
    } else {
        *stored = Row();
    }
    return 0;
}

int CGridMemDataSource::DeleteColumn(int column) {
    if (column < 0) {
        return kNotFound;
    }
    for (std::vector<Row>* rows : {&m_headingRows, &m_rows}) {
        for (Row& row : *rows) {
            const int length = static_cast<int>(row.cells.size());
            if (column == length - 1) {
                row.cells[column].Release(m_blocks);
            } else if (column < length) {
                row.cells[column].Release(m_blocks);
                row.cells.erase(row.cells.begin() + column);
            }
        }
    }
    RenumberColumns(column, -1);
    return 0;
}

int CGridMemDataSource::DeleteCell(int column, int row) {
    Row* stored = FindRow(row);
    if (stored == nullptr || FindCell(*stored, column) == nullptr) {
        return kNotFound;
    }
    MakeCell(*stored, column).Release(m_blocks);
    return 0;
}

int CGridMemDataSource::Empty() {
    std::vector<Row>().swap(m_rows);
    std::vector<Row>().swap(m_headingRows);
    m_blocks.Clear();
    return 0;
}

int CGridMemDataSource::GetCell(int column, int row, CGridCell& cell) {
    const Row* stored = FindRow(row);
    const CGridPackedCell* packed = stored != nullptr ? FindCell(*stored, column) : nullptr;
    if (packed == nullptr) {
        return kNotFound;
    }
    packed->MergeInto(cell);
    return 0;
}

int CGridMemDataSource::SetCell(int column, int row, const CGridCell& cell) {
    CGridPackedCell& stored = MakeCell(MakeRow(row), column);
    stored.Release(m_blocks);
    stored = CGridPackedCell(cell, m_blocks);
    return 0;
}

int CGridMemDataSource::FindFirst(const std::string& text, int& column, int& row, int flags) {
    if (flags & kFindAlongRow) {
        column = -1;
        row = 0;
    } else {
        row = -1;
    }
    return FindNext(text, column, row, flags);
}

bool CGridMemDataSource::Matches(int column, int row, const CGridTextMatcher& matcher) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || column < 0) {
        return false;
    }
    const CGridPackedCell* packed = FindCell(m_rows[row], column);
    return packed != nullptr && matcher.Matches(packed->Text());
}

// The next (previous) row, wrapping around the ends; a start outside the
// rows wraps too.
int CGridMemDataSource::NextRow(int row, bool forward) const {
    const int count = static_cast<int>(m_rows.size());
    if (forward) {
        return (row < 0 || row + 1 >= count) ? 0 : row + 1;
    }
    return (row <= 0 || row > count) ? count - 1 : row - 1;
}

void CGridMemDataSource::StepAlongRow(int& column, int& row, bool forward) const {
    if (forward) {
        if (++column >= RowLength(row)) {
            column = 0;
            row = NextRow(row, true);
        }
    } else if (--column < 0) {
        row = NextRow(row, false);
        column = RowLength(row) - 1;
    }
}

int CGridMemDataSource::FindNext(const std::string& text, int& column, int& row, int flags) {
    if (m_rows.empty()) {
        return kNotFound;
    }
    const bool forward = !(flags & kFindBackwards);
    const bool alongRow = flags & kFindAlongRow;
    // Enough steps to pass every position once and come back to the start.
    long steps = static_cast<long>(m_rows.size()) + 1;
    if (alongRow) {
        for (const Row& stored : m_rows) {
            steps += std::max<long>(1, static_cast<long>(stored.cells.size()));
        }
    }
    const CGridTextMatcher matcher(text, flags);
    int atColumn = column;
    int atRow = row;
    for (long step = 0; step < steps; ++step) {
        if (alongRow) {
            StepAlongRow(atColumn, atRow, forward);
        } else {
            atRow = NextRow(atRow, forward);
        }
        if (Matches(atColumn, atRow, matcher)) {
            column = atColumn;
            row = atRow;
            return 0;
        }
    }
    return kNotFound;
}

int CGridMemDataSource::SortByColumns(std::span<const int> columns, int flags) {
    if (m_rows.empty()) {
        return kNotFound;
    }
    const size_t keyCount = columns.size();
    std::vector<std::unique_ptr<CGridCell>> keys(m_rows.size() * keyCount);
    for (size_t row = 0; row < m_rows.size(); ++row) {
        for (size_t key = 0; key < keyCount; ++key) {
            if (const CGridPackedCell* packed = FindCell(m_rows[row], columns[key])) {
                keys[row * keyCount + key] = std::make_unique<CGridCell>(packed->Unpack());
            }
        }
    }
    std::vector<size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        for (size_t key = 0; key < keyCount; ++key) {
            const int result =
                m_compare(keys[a * keyCount + key].get(), keys[b * keyCount + key].get(), flags);
            if (result != 0) {
                return result < 0;
            }
        }
        return false;
    });
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    for (const size_t index : order) {
        sorted.push_back(std::move(m_rows[index]));
    }
    m_rows = std::move(sorted);
    return 0;
}

int CGridMemDataSource::SortByColumn(int column, int flags) {
    return SortByColumns(std::span<const int>(&column, 1), flags);
}

int CGridMemDataSource::GetPreviousNonBlankColumn(int& column, int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return kNotFound;
    }
    const Row& stored = m_rows[row];
    for (int at = std::min(column, static_cast<int>(stored.cells.size()) - 1); at >= 0; --at) {
        const CGridPackedCell* packed = FindCell(stored, at);
        if (at != column && packed != nullptr && !packed->Text().empty()) {
            column = at;
            return 0;
        }
    }
    return kNotFound;
}
