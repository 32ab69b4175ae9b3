#include "ResultLinesSource.h"

#include <wx/colour.h>

#include <numeric>

#include "CResultGrid.h"
#include "FileTexts.h"

namespace {
constexpr char kTimePattern[] = "%m/%d/%y  %H:%M:%S";
constexpr int kNoCell = 1;
}  // namespace

ResultLinesSource::ResultLinesSource(bool leftSide) : m_bLeftSide(leftSide) {}

ResultLinesSource::~ResultLinesSource() = default;

void ResultLinesSource::ShowRows(const std::vector<ResultRow>& rows, std::string folder,
                                 bool greyAttributes, const StatusBitmaps& bitmaps) {
    m_pRows = &rows;
    m_statuses.assign(rows.size(), kNoStatus);
    m_lines.clear();
    m_shown.reset();
    m_rowCount = rows.size();
    m_folder = std::move(folder);
    m_bGreyAttributes = greyAttributes;
    m_bitmaps = bitmaps;
}

void ResultLinesSource::SetStatus(size_t index, RowStatus status) {
    if (index < m_statuses.size()) {
        m_statuses[index] = static_cast<uint8_t>(status);
    }
}

void ResultLinesSource::SetLineStatus(int row, RowStatus status) {
    const int line = LineOf(row);
    if (line >= 0 && static_cast<size_t>(line) < m_rowCount) {
        m_statuses[ResultIndex(line)] = static_cast<uint8_t>(status);
    }
}

void ResultLinesSource::HideIdentical(bool hide) {
    m_shown.reset();
    if (!hide) {
        return;
    }
    m_shown.emplace();
    for (size_t line = 0; line < m_rowCount; ++line) {
        if (m_statuses[ResultIndex(static_cast<int>(line))] !=
            static_cast<uint8_t>(RowStatus::Identical)) {
            m_shown->push_back(static_cast<uint32_t>(line));
        }
    }
}

int ResultLinesSource::LineOf(int row) const {
    if (!m_shown || row < 0) {
        return row;
    }
    const size_t shown = m_shown->size();
    return static_cast<size_t>(row) < shown
               ? static_cast<int>((*m_shown)[static_cast<size_t>(row)])
               : row - static_cast<int>(shown) + static_cast<int>(m_rowCount);
}

size_t ResultLinesSource::ResultIndex(int row) const {
    return m_lines.empty() ? static_cast<size_t>(row) : m_lines[static_cast<size_t>(row)];
}

const ResultRow* ResultLinesSource::ShownRow(int row, size_t& index) const {
    if (m_pRows == nullptr || row < 0 || static_cast<size_t>(row) >= m_rowCount) {
        return nullptr;
    }
    index = ResultIndex(row);
    return m_statuses[index] == kNoStatus ? nullptr : &(*m_pRows)[index];
}

bool ResultLinesSource::FormatText(int column, const ResultRow& row, std::string& text) const {
    if (!(m_bLeftSide ? row.HasLeft() : row.HasRight())) {
        return false;
    }
    const std::string& name = m_bLeftSide ? row.szLeftName : row.szRightName;
    switch (column) {
        case CResultGrid::kColumnName:
            text = name;
            return true;
        case CResultGrid::kColumnSize:
            text = std::to_string(m_bLeftSide ? row.nLeftSize : row.nRightSize);
            return true;
        case CResultGrid::kColumnModified:
            text = FormatFileTime(m_bLeftSide ? row.tLeftTime : row.tRightTime, kTimePattern);
            return true;
        case CResultGrid::kColumnAttributes:
            text = AttributeLetters(m_bLeftSide ? row.nLeftAttr : row.nRightAttr);
            return true;
        case CResultGrid::kColumnFullPath:
            text.assign(m_folder).append(name);
            return true;
        default:
            return false;
    }
}

void ResultLinesSource::ReadText(int column, int gridRow, std::string& text) {
    const int row = LineOf(gridRow);
    m_scratch.SetMask(0);
    if (row <= m_written.GetLastRow() && m_written.GetCell(column, row, m_scratch) == 0) {
        text = m_scratch.HasMask(CGridCell::kText) ? m_scratch.GetText() : std::string();
        return;
    }
    size_t index = 0;
    const ResultRow* shown = ShownRow(row, index);
    if (shown == nullptr || !FormatText(column, *shown, text)) {
        text.clear();
    }
}

int ResultLinesSource::GetLastRow() {
    return static_cast<int>(LineCount()) - 1;
}

int ResultLinesSource::DeleteRow(int gridRow) {
    const int row = LineOf(gridRow);
    if (m_shown && gridRow >= 0 && static_cast<size_t>(gridRow) < m_shown->size()) {
        auto later = m_shown->erase(m_shown->begin() + gridRow);
        for (; later != m_shown->end(); ++later) {
            --*later;
        }
    }
    m_written.DeleteRow(row);
    if (row < 0 || static_cast<size_t>(row) >= m_rowCount) {
        return 0;
    }
    if (m_lines.empty()) {
        m_lines.resize(m_rowCount);
        std::iota(m_lines.begin(), m_lines.end(), 0U);
    }
    m_lines.erase(m_lines.begin() + row);
    --m_rowCount;
    return 0;
}

int ResultLinesSource::DeleteCell(int column, int row) {
    return m_written.DeleteCell(column, LineOf(row));
}

int ResultLinesSource::Empty() {
    m_written.Empty();
    m_pRows = nullptr;
    m_statuses = std::vector<uint8_t>();  // assigning {} would keep the memory
    m_lines = std::vector<uint32_t>();
    m_shown.reset();
    m_rowCount = 0;
    return 0;
}

int ResultLinesSource::GetCell(int column, int gridRow, CGridCell& cell) {
    const int row = LineOf(gridRow);
    if (m_written.GetCell(column, row, cell) == 0) {
        return 0;
    }
    size_t index = 0;
    const ResultRow* shown = ShownRow(row, index);
    if (shown == nullptr) {
        return kNoCell;
    }
    if (column == CResultGrid::kColumnStatus) {
        cell.SetBitmap(m_bitmaps[m_statuses[index]]);
        return 0;
    }
    std::string text;
    if (!FormatText(column, *shown, text)) {
        return kNoCell;
    }
    cell.SetText(text);
    if (column == CResultGrid::kColumnSize) {
        cell.SetAlignment(CGridCell::kAlignRight);
    } else if (column == CResultGrid::kColumnAttributes && m_bGreyAttributes) {
        cell.SetTextColour(wxColour(192, 192, 192));
    }
    return 0;
}

int ResultLinesSource::SetCell(int column, int row, const CGridCell& cell) {
    return m_written.SetCell(column, LineOf(row), cell);
}
