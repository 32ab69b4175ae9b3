#pragma once

#include <wx/dc.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <cstdint>

class CGridCell;
class CSheetGrid;

// How the cells of one kind look and answer the user. Every cell names its
// type by an index into its grid's cell-type list; this class is the normal
// type, which the other types derive from. The grid calls a cell's type
// before its own notifications.
class CGridCellType {
  public:
    explicit CGridCellType(CSheetGrid& grid) : m_grid(grid) {}
    virtual ~CGridCellType();
    CGridCellType(const CGridCellType&) = delete;
    CGridCellType& operator=(const CGridCellType&) = delete;

    // The type's own index in its grid's list, set when it is registered.
    int GetIndex() const { return m_nIndex; }
    void SetIndex(int index) { m_nIndex = index; }

    virtual wxString GetName() const;
    // The size the cell needs, starting from its column's width and its
    // row's height: the display text on one line (line breaks kept with
    // the multi-line style), plus margins and the bitmap.
    virtual void GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell);
    // Draws the current cell's focus mark; 0 lets the grid draw its own.
    virtual int DrawFocus(wxDC& dc, const wxRect& rect, int column, int row);
    virtual void OnFocusGained(int column, int row, const CGridCell& cell);
    virtual void OnFocusLost(int column, int row, const CGridCell& cell);
    // A column (row) of a shown cell of this type got a new size, which the
    // type may change.
    virtual void OnWidthChanged(int column, int row, int& width);
    virtual void OnHeightChanged(int column, int row, int& height);
    virtual int OnSystemColoursChanged();
    virtual int SetParameter(intptr_t value);
    // Reports an event to the grid (its NotifyFromCellType) and returns the
    // grid's answer.
    virtual int Notify(int typeIndex, int column, int row, int message, intptr_t parameter);

    // Style bit: the text may break into several lines.
    static constexpr int kStyleMultiLine = 0x2;

  protected:
    CSheetGrid& m_grid;

  private:
    int m_nIndex = -1;
};
