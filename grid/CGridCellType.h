#pragma once

#include <wx/dc.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <array>
#include <cstdint>

class CGridCell;
class CSheetGrid;

// How the cells of one kind look and answer the user. Every cell names its
// type by an index into its grid's cell-type list; this class is the normal
// type, which the other types derive from. The grid calls a cell's type
// before its own notifications; the mouse and key handlers answer true when
// the type consumed the event.
class CGridCellType {
  public:
    explicit CGridCellType(CSheetGrid& grid) : m_grid(grid) {}
    virtual ~CGridCellType();
    CGridCellType(const CGridCellType&) = delete;
    CGridCellType& operator=(const CGridCellType&) = delete;

    // The type's own index in its grid's list, set when it is registered.
    int GetIndex() const { return m_nIndex; }
    void SetIndex(int index) { m_nIndex = index; }

    bool IsEditable() const { return m_bEditable; }
    bool UsesLabel() const { return m_bUseLabel; }
    bool AllowsOverflow() const { return m_bOverflow; }
    // True when the cell's text may run on into empty cells to its right:
    // the sheet lets text overflow, the type does, and the cell is left
    // aligned, without style and not joined.
    bool LetsTextRunOn(const CGridCell& cell) const;
    // Sizes the type adds are multiplied by this when printing.
    double GetPrintScale() const { return m_dPrintScale; }
    void SetPrintScale(double scale) { m_dPrintScale = scale; }

    // Draws the bitmap at the left of `rect` on the back colour; the width
    // it took, margins included.
    virtual int DrawBitmap(wxDC& dc, const wxBitmap& bitmap, const wxRect& rect,
                           const wxColour& backColour);
    // Draws the cell's borders and grid lines; `inner` is what they leave.
    virtual void DrawBorder(wxDC& dc, const wxRect& rect, wxRect& inner, const CGridCell& cell);
    // Draws the cell's background, bitmap and text; `offset` shifts the text
    // to the left for the continuation of a neighbour's text.
    virtual void DrawCellText(wxDC& dc, const wxRect& rect, int offset, int column, int row,
                              const CGridCell& cell, int selected, bool current);
    virtual void DrawBackground(wxDC& dc, const wxRect& rect, const wxColour& colour);
    // When the text of a cell to the left runs on into this empty cell: the
    // (negative) distance from that cell's left edge to this one's, and its
    // column in `sourceColumn`; 0 otherwise.
    virtual int GetOverflowOffset(wxDC& dc, int column, int row, int& sourceColumn,
                                  const CGridCell& cell);
    virtual wxString GetName() const;
    virtual const std::array<uint8_t, 16>& GetTypeIdentifier() const;
    // The editor's place over the cell, which the type may change.
    virtual int AdjustEditRect(wxRect& rect);
    virtual bool OnLeftButton(int column, int row, bool down, const wxRect& rect,
                              const wxPoint& point);
    virtual bool OnRightButton(int column, int row, bool down, const wxRect& rect,
                               const wxPoint& point);
    virtual bool OnDoubleClick(int column, int row, const wxRect& rect, const wxPoint& point);
    virtual bool OnKeyDown(int column, int row, int& key);
    virtual bool OnKeyUp(int column, int row, int& key);
    virtual bool OnCharacter(int column, int row, int& character);
    virtual bool OnMouseMove(int column, int row, const wxPoint& point, int keyFlags);
    // Draws the cell: selected is the selection block number + 1 (0 when not
    // selected), current is true for the current cell (row).
    virtual void Draw(wxDC& dc, const wxRect& rect, int column, int row, const CGridCell& cell,
                      int selected, bool current);
    // Draws the cell for a printer: as Draw, with the sizes that the type
    // itself adds (margins, buttons, marks) times the print scale and the
    // screen-only details in their printed form.
    virtual void Print(wxDC& dc, const wxRect& rect, int column, int row, const CGridCell& cell,
                       int selected, bool current);
    // Draws the cell into `rect` of any size (a thumbnail, a zoomed view)
    // with its font's height scaled to fit the rectangle's height.
    virtual void DrawScaled(wxDC& dc, const wxRect& rect, int column, int row,
                            const CGridCell& cell);
    // Draws the current cell's focus mark; 0 lets the grid draw its own.
    virtual int DrawFocus(wxDC& dc, const wxRect& rect, int column, int row);
    virtual void OnFocusGained(int column, int row, const CGridCell& cell);
    virtual void OnFocusLost(int column, int row, const CGridCell& cell);
    // A column (row) of a shown cell of this type is being sized (got a new
    // size); the type may change the size.
    virtual void OnWidthChanged(int column, int row, int& width);
    virtual void OnWidthChanging(int column, int row, int& width);
    virtual void OnHeightChanged(int column, int row, int& height);
    virtual void OnHeightChanging(int column, int row, int& height);
    // The size the cell needs, starting from its column's width and its
    // row's height: the display text on one line (line breaks kept with
    // the multi-line style), plus margins and the bitmap.
    virtual void GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell);
    // The view or the current cell changed around this cell.
    virtual void OnViewChanged(int column, int row, const CGridCell& cell);
    virtual int OnSystemColoursChanged();
    virtual int SetParameter(intptr_t value);
    // Reports an event to the grid (its NotifyFromCellType) and returns the
    // grid's answer.
    virtual int Notify(int typeIndex, int column, int row, int message, intptr_t parameter);

    // Style bits read by text drawing.
    static constexpr int kStyleSingleLine = 0x1;
    static constexpr int kStyleMultiLine = 0x2;
    static constexpr int kStyleEndEllipsis = 0x4;
    static constexpr int kStyleLabel = 0x8;

    // Key-state bits passed with mouse moves (and kept for the last press).
    static constexpr int kKeyLeftButton = 0x1;
    static constexpr int kKeyRightButton = 0x2;
    static constexpr int kKeyShift = 0x4;
    static constexpr int kKeyControl = 0x8;

  protected:
    // True while the type draws for a printer (inside Print).
    bool IsPrinting() const { return m_bPrinting; }
    // A size the type adds, in printer units while printing.
    int Scaled(int size) const;
    // The text the cell shows: its label or its display text.
    std::string ShownText(const CGridCell& cell) const;
    // True when the cell's text may run on into its neighbours: left
    // aligned, no style, not joined.
    static bool MayOverflow(const CGridCell& cell);
    // True when a cell is drawn in the highlight colours: selected, or the
    // current cell while the sheet's current-cell style asks for it.
    bool IsHighlighted(int selected, bool current) const;
    // True when the last press, with Shift or Ctrl held, adds to a
    // multiple selection rather than acting on the cell.
    bool PressExtendsSelection() const;

    CSheetGrid& m_grid;
    bool m_bEditable = true;
    bool m_bUseLabel = false;
    bool m_bOverflow = true;
    double m_dPrintScale = 1.0;

  private:
    bool m_bPrinting = false;
    int m_nIndex = -1;
};
