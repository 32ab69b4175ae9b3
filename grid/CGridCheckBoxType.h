#pragma once

#include <wx/brush.h>
#include <wx/pen.h>

#include "CGridCellType.h"

// Cells that show a check box: the cell's number is its state (0 clear,
// 1 set, 2 the third state) and its label stands beside the box. A press in
// the box, a double click there or Space on the current cell moves the state
// on, stores it, repaints the cell and reports the new state to the grid.
// These cells are never edited in place and never take a neighbour's text.
class CGridCheckBoxType : public CGridCellType {
  public:
    // Style bits of the cell type style.
    static constexpr int kStyleSunken = 0x100;
    static constexpr int kStyleRaised = 0x200;
    static constexpr int kStyleRound = 0x400;
    static constexpr int kStyleAligned = 0x800;
    static constexpr int kStyleTick = 0x1000;
    static constexpr int kStyleThreeStates = 0x2000;

    // Sent through Notify after a changed state was stored; the parameter is
    // the new state.
    static constexpr int kMessageStateChanged = 53;

    explicit CGridCheckBoxType(CSheetGrid& grid);

    // Where the box of a cell in `rect` stands; an empty rectangle when the
    // cell is too low for a box to be drawn. Sizes are printer units while
    // printing.
    wxRect BoxRect(const wxRect& rect, const CGridCell& cell) const;
    // The state a cell holds: its number, 0 unless that is 0, 1 or 2.
    static int StateOf(const CGridCell& cell);

    wxString GetName() const override;
    const std::array<uint8_t, 16>& GetTypeIdentifier() const override;
    bool OnLeftButton(int column, int row, bool down, const wxRect& rect,
                      const wxPoint& point) override;
    bool OnDoubleClick(int column, int row, const wxRect& rect, const wxPoint& point) override;
    bool OnCharacter(int column, int row, int& character) override;
    void Draw(wxDC& dc, const wxRect& rect, int column, int row, const CGridCell& cell,
              int selected, bool current) override;
    void GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell) override;

  private:
    // The side of the box a cell of `rect` shows.
    int BoxSize(const wxRect& rect) const;
    // Moves the state of the cell on, unless it is read-only; whether it did.
    bool AdvanceState(int column, int row);
    void DrawBox(wxDC& dc, const wxRect& box, int style, bool highlighted, bool patterned);
    void DrawMark(wxDC& dc, const wxRect& box, int style, const wxColour& colour);

    wxPen m_shadowPen;
    wxPen m_lightEdgePen;
    wxPen m_facePen;
    // A checkerboard of the button face and highlight colours: the third
    // state and read-only cells.
    wxBrush m_patternBrush;
};
