#pragma once

#include <wx/font.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "CSheetGrid.h"
#include "ResultRow.h"
#include "RowStatus.h"

class ResultLinesSource;
class ResultsWindow;

// One of the main window's two results grids: the left folder's files or
// the right folder's, one result row per grid row. Both grids have no
// scroll bars of their own; the window's shared bar moves them, and
// scrolling inside one grid moves its partner along.
class CResultGrid : public CSheetGrid {
  public:
    // The grid columns.
    static constexpr int kColumnStatus = 0;
    static constexpr int kColumnName = 1;
    static constexpr int kColumnSize = 2;
    static constexpr int kColumnModified = 3;
    static constexpr int kColumnAttributes = 4;
    static constexpr int kColumnFullPath = 5;
    static constexpr int kColumnCount = 6;

    // Popup menu commands.
    static constexpr int ID_COPY_HERE = 2000;
    static constexpr int ID_COPY_THERE = 2001;
    static constexpr int ID_DELETE_THIS = 2002;
    static constexpr int ID_DELETE_BOTH = 2003;
    static constexpr int ID_DELETE_OTHER = 2004;

    // The texts of one line: a file as the grid shows it.
    struct FileLine {
        std::string name;
        std::string size;
        std::string modified;
        std::string attributes;
        std::string fullPath;
    };

    CResultGrid() = default;
    ~CResultGrid() override;

    // Shows this grid's side of `rows`, which stay as they are until
    // ClearLines; full paths are `folder` (ending in "/") and the name. A
    // line shows once ShowStatus has given its status.
    void ShowResults(const std::vector<ResultRow>& rows, const std::string& folder,
                     bool greyAttributes);
    void ShowStatus(size_t index, RowStatus status);
    // Forgets every line and heading.
    void ClearLines();
    // Hides the identical lines, or shows them again; the grid's rows are
    // then the lines shown. Both grids of a window must be told alike.
    void HideIdentical(bool hide);

    // The grid of the same window that shows the other folder.
    CResultGrid& OtherGrid() const;

    // A cell's text as bytes; empty when it has none.
    std::string CellBytes(int column, int row);
    // The line shows a file (its NAME is not empty).
    bool HasFile(int row);
    FileLine ReadLine(int row);
    // Shows `line` in row `row`: SIZE aligned right, ATTR grey when
    // attributes are disregarded.
    void ShowLine(int row, const FileLine& line, bool greyAttributes);
    // The file of `source`'s line was copied to `path` (named `name` on this
    // side): this line shows it, and both lines are identical.
    void TakeLineFrom(CResultGrid& source, int row, const std::string& path,
                      const std::string& name);

    // Fits columns first..last to the widest text among their headings and
    // all their rows. Only the few texts that may be the widest are measured.
    void FitColumnsToEveryRow(int first, int last);

    // SIZE, MODIFIED and ATTR widths fitted to their content; empty once
    // the content has changed since. Resizing the window reuses them.
    std::optional<std::array<int, 3>> m_fittedWidths;

    ResultsWindow* m_pWindow = nullptr;  // the window holding both grids
    bool m_bLeftGrid = false;
    wxFont m_font;
    int m_nBmpIdentical = 0;
    int m_nBmpContent = 0;
    int m_nBmpMissing = 0;
    int m_nBmpAttrib = 0;
    int m_nBmpTime = 0;
    int m_nBmpSize = 0;
    int m_nBmpFolder = 0;

  protected:
    void InitialiseGrid() override;
    void NotifyTopRowChanged(int oldRow, int newRow) override;
    int NotifyFromCellType(int typeIndex, int column, int row, int message,
                           intptr_t parameter) override;
    bool AllowContextMenu(int column, int row, int section) override;
    void NotifyMenuCommand(int column, int row, int section, int id) override;
    // A double click or Enter on a line opens its pair in a file-comparison program.
    void NotifyCellDoubleClick(int column, int row, const wxRect& rect, const wxPoint& point,
                               bool handled) override;
    void NotifyKeyDown(int& key, bool handled) override;
    int GetHintText(int column, int row, int section, std::string& text) override;
    int CompareCells(const CGridCell* a, const CGridCell* b, int flags) override;
    wxColour GetAreaBackColour(int section) override;
    void DrawFocusRectangle(wxDC& dc, const wxRect& rect) override;

  private:
    bool m_bFollowingPartner = false;       // its top row is being set by the other grid
    ResultLinesSource* m_pLines = nullptr;  // the grid's data source, which it owns

    std::string FolderText(bool leftSide) const;
    void SetStatusBoth(int row, int bitmapIndex, RowStatus status);
    // Copies `source` to `target`; false, after saying why, when it failed.
    bool CopyReporting(const std::string& source, const std::string& target);
    void RunMenuCommand(int row, int id);
    bool InUnlistedFolder(int row);
    void CopyHere(int row);
    void CopyThere(int row);
    void DeleteRowFiles(int row, bool deleteThis, bool deleteOther);
    // Starts the file-comparison program on the line's two files, when the
    // line has both.
    void ShowPairDifferences(int row);
    // What every action that changed the disk ends with.
    void FinishAction();
};
