#pragma once

#include <climits>
#include <vector>

#include "CGridGeometry.h"
#include "CGridPart.h"

// A heading window of the grid (top heading, side heading, corner button):
// paints its heading cells through their cell types and lets the mouse size
// the columns, rows and headings at their borders. Subclasses say where
// their cells lie, which borders they have and which notifications they
// send.
class CGridHeading : public CGridPart {
  public:
    CGridHeading(CSheetGrid& grid, int id, int section);

    bool CellAt(const wxPoint& point, int& column, int& row) override;

  protected:
    // What a border under the mouse sizes.
    enum class BorderKind {
        kNone,
        kColumn,             // a data column's width
        kRow,                // a data row's height
        kTopHeadingRow,      // one top heading row's height
        kSideHeadingColumn,  // one side heading column's width
        kTopHeading,         // the whole top heading's height
        kSideHeading,        // the whole side heading's width
    };
    struct Border {
        BorderKind kind = BorderKind::kNone;
        int nIndex = 0;
        int nStart = 0;  // where the sized part begins (for rows in uniform height)
        int nSize = 0;   // its size when the press came
    };

    // The heading's cells as spans across and down its client area.
    virtual std::vector<CGridSpan> ColumnSpans() const = 0;
    virtual std::vector<CGridSpan> RowSpans() const = 0;
    // The border at `point` that may be sized (the notifications agree).
    virtual Border BorderAt(const wxPoint& point) = 0;
    virtual void NotifyButton(bool left, int column, int row, bool down, const wxRect& rect,
                              const wxPoint& point, bool handled) = 0;
    virtual void NotifyDoubleClick(int column, int row, const wxRect& rect, const wxPoint& point,
                                   bool handled) = 0;
    // A left press away from every border; true when the heading takes the
    // mouse for something of its own (column dragging).
    virtual bool StartOwnDrag(int column, int row);
    virtual void ContinueOwnDrag(const wxPoint& point);
    virtual void EndOwnDrag();
    // The column drawn as selected (dragged); kNoColumn for none.
    static constexpr int kNoColumn = INT_MIN;
    virtual int SelectedColumn() const { return kNoColumn; }
    // Drawn over the cells after painting.
    virtual void PaintOverlay(wxDC& dc);

    // Borders along an axis of spans: the index whose end is within
    // `reach` of `position`, taking a hidden (size 0) neighbour just past
    // the edge instead; false for none.
    static bool EdgeNear(const std::vector<int>& indices, const std::vector<int>& sizes,
                         int position, int reach, int& index, int& start);

  private:
    bool CellRectAt(const wxPoint& point, int& column, int& row, wxRect& rect);
    void ReportButton(bool left, bool down, int column, int row, const wxRect& rect,
                      const wxPoint& point);
    // ReportButton for the cell under `point`; false when there is none.
    bool ReportButtonAt(bool left, bool down, const wxPoint& point, int* column = nullptr,
                        int* row = nullptr);
    void ApplySize(int size, bool finished);
    // The size the part being sized takes with the mouse at `point`.
    int SizeForMouse(const wxPoint& point, bool horizontal) const;
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    Border m_sizing;  // the border being sized, from press to release
    wxPoint m_pressPoint;
    bool m_bOwnDrag = false;
};
