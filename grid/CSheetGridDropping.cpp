#include <algorithm>

#include "CGridSheet.h"
#include "CSheetGrid.h"

namespace {

bool EndsField(char byte) {
    return byte == '\t' || byte == '\r' || byte == '\n';
}

}  // namespace

// The text is scanned once as UTF-8 bytes (tab, carriage return and line
// feed never occur inside a multi-byte character); the paste ends at the
// last row, so a text of any length costs at most one pass.
void CSheetGrid::PasteText(int column, int row, const wxString& text) {
    if (!IsDataCell(column, row)) {
        return;
    }
    GotoCell(column, row);
    const std::string bytes = text.utf8_string();
    const int columns = GetColumnCount();
    const int rows = GetRowCount();
    int at = column;
    int line = row;
    int farColumn = column;
    int farRow = row;
    size_t start = 0;
    CGridCell cell;
    for (size_t position = 0; line < rows; ++position) {
        const bool end = position == bytes.size();
        if (!end && !EndsField(bytes[position])) {
            continue;
        }
        // A text that ends with a line break has no field after it: an empty
        // one would clear the cell below the pasted block.
        const bool afterLastBreak = end && start == bytes.size() && start > 0 &&
                                    (bytes[start - 1] == '\n' || bytes[start - 1] == '\r');
        if (at < columns && !afterLastBreak) {
            GetCell(at, line, cell);
            if (!cell.IsReadOnly()) {
                SetCellText(at, line, bytes.substr(start, position - start));
                farColumn = std::max(farColumn, at);
                farRow = std::max(farRow, line);
            }
        }
        if (end) {
            break;
        }
        if (bytes[position] == '\t') {
            at = std::min(at + 1, columns);
        } else {
            if (bytes[position] == '\r' && position + 1 < bytes.size() &&
                bytes[position + 1] == '\n') {
                ++position;
            }
            ++line;
            at = column;
        }
        start = position + 1;
    }

    CGridSheet& sheet = Sheet();
    sheet.m_selection.Clear();
    if (sheet.m_bMultipleSelection) {
        sheet.m_selection.StartBlock(column, row);
        sheet.m_selection.ExtendBlock(farColumn, farRow);
    }
    // The whole grid is repainted, the pasted range with it.
    RedrawAll();
}
