#pragma once

#include <wx/font.h>

#include <string>

#include "CSheetGrid.h"

class CCompareDlg;

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

    CResultGrid() = default;
    ~CResultGrid() override;

    // The grid of the same window that shows the other folder.
    CResultGrid& OtherGrid() const;

    CCompareDlg* m_pDlg = nullptr;
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
    int GetHintText(int column, int row, int section, std::string& text) override;
    int CompareCells(const CGridCell* a, const CGridCell* b, int flags) override;
    wxColour GetAreaBackColour(int section) override;
    void DrawFocusRectangle(wxDC& dc, const wxRect& rect) override;

  private:
    bool HasKeyboardFocus() const;
};
