#include "CGridFind.h"

#include <set>
#include <utility>

#include "CGridCell.h"
#include "CGridDataSource.h"

namespace {

int FlagsFor(const CGridFind::Options& options) {
    int flags = 0;
    if (!options.bMatchCase) {
        flags |= CGridDataSource::kFindIgnoreCase;
    }
    if (!options.bWholeText) {
        flags |= CGridDataSource::kFindPartOfText;
    }
    if (!options.bDown) {
        flags |= CGridDataSource::kFindBackwards;
    }
    if (options.bAcross) {
        flags |= CGridDataSource::kFindAlongRow;
    }
    return flags;
}

}  // namespace

CGridFind::CGridFind(CGridDataSource& source, std::string text, std::string replacement,
                     const Options& options)
    : m_source(source),
      m_strText(std::move(text)),
      m_strReplacement(std::move(replacement)),
      m_nFlags(FlagsFor(options)),
      m_matcher(m_strText, m_nFlags) {}

bool CGridFind::FindNext(int& column, int& row) {
    // An empty text matches nothing; the data source need not be asked.
    if (m_strText.empty()) {
        return false;
    }
    int atColumn = column;
    int atRow = row;
    if (m_source.FindNext(m_strText, atColumn, atRow, m_nFlags) != 0) {
        return false;
    }
    column = atColumn;
    row = atRow;
    return true;
}

bool CGridFind::ReplaceIn(int column, int row) {
    CGridCell cell = CGridCell::Blank();
    if (m_source.GetCell(column, row, cell) != 0 || !m_matcher.Matches(cell.GetText())) {
        return false;
    }
    cell.SetTypedText(m_matcher.Replace(cell.GetText(), m_strReplacement), cell.GetDataType());
    return m_source.SetCell(column, row, cell) == 0;
}

int CGridFind::ReplaceAll(int& column, int& row) {
    // Cells already visited: a replacement that still matches would
    // otherwise be found, and replaced, round and round.
    std::set<std::pair<int, int>> visited;
    int replaced = 0;
    int atColumn = column;
    int atRow = row;
    while (FindNext(atColumn, atRow) && visited.emplace(atColumn, atRow).second) {
        if (ReplaceIn(atColumn, atRow)) {
            ++replaced;
            column = atColumn;
            row = atRow;
        }
    }
    return replaced;
}
