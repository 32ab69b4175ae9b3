#pragma once

#include <wx/bitmap.h>
#include <wx/timer.h>

#include "CGridPart.h"
#include "CGridRedrawList.h"

// The grid's cell area: paints the cells (only those on its redraw list),
// shifts its image when the view scrolls, and turns keys, the mouse and the
// wheel into the grid's moves and notifications.
class CGridCellArea : public CGridPart {
  public:
    explicit CGridCellArea(CSheetGrid& grid);

    bool CellAt(const wxPoint& point, int& column, int& row) override;
    bool AcceptsFocusFromKeyboard() const override { return true; }

    // Adds the cells to the redraw list and invalidates where they are.
    void Redraw(const CGridRange& range);
    void RedrawEverything();
    // Adds a cell to the paint under way (no invalidation).
    void AddToPaint(int column, int row) { m_redraw.Add({column, row, column, row}); }
    // Shows the view moved from (oldLeftColumn, oldTopRow): the image is
    // shifted and only the uncovered strip painted when that is cheaper.
    void ShowViewMove(int oldLeftColumn, int oldTopRow);
    // Paints into an off-screen image that is kept between paints.
    bool SetDoubleBuffering(bool buffered);
    // Paints every cell, and the focus mark when asked, into `dc`: what the
    // area shows, on any device context of its size.
    void RenderAll(wxDC& dc, bool withFocus);
    // Paints so far, and the cells the last one drew: what scrolling costs.
    int GetPaintCount() const { return m_nPaints; }
    int GetCellsLastPainted() const { return m_nCellsLastPainted; }
    // The rectangle the focus mark goes around.
    wxRect FocusRect() const;

  private:
    // The cells any part of `rect` shows.
    CGridRange RangeIn(const wxRect& rect) const;
    wxRect RectOf(const CGridRange& range) const;
    void Paint(wxDC& dc);
    void ShiftImage(const wxRect& part, int dx, int dy);
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    bool ReportButton(bool left, bool down, int column, int row, const wxRect& rect,
                      const wxPoint& point);
    void OnLeftUp(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    // Repaints the current cell's focus mark (drawn while the area has the
    // focus) or the cells it covered.
    void RedrawFocusMark();
    void OnFocus(wxFocusEvent& event);
    void OnFocusLost(wxFocusEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnDragTimer(wxTimerEvent& event);
    // Moves the current cell toward `point` while the left button is held;
    // true when the point lies outside the cells and the view moved.
    bool DragTo(const wxPoint& point);
    // The step of an arrow key, faster as the key repeats, at most `extent`.
    int KeyStep(int extent);
    // Rows from the current one that fit into the scrolled part.
    int PageRows(bool down) const;
    int KeyFlags(const wxMouseEvent& event) const;
    wxBitmap MakeImage(const wxSize& size) const;
    bool ImageFits(const wxBitmap& image, const wxSize& size) const;

    CGridRedrawList m_redraw;
    bool m_bBuffered = false;
    wxBitmap m_image;  // the retained off-screen image when buffered
    wxBitmap m_spare;  // room to shift the image through
    bool m_bLeftPressed = false;
    bool m_bRightPressed = false;
    bool m_bTypeHasMouse = false;  // a cell type handled the press
    int m_nKeyDowns = 0;           // since the last key up
    int m_nPaints = 0;
    int m_nCellsLastPainted = 0;
    wxPoint m_dragPoint;
    wxTimer m_dragTimer;
};
