#include "CGridSideArrowsType.h"

#include <wx/brush.h>
#include <wx/pen.h>

#include "CGridCell.h"
#include "CSheetGrid.h"

namespace {

// A cell narrower than this shows only its border and background.
constexpr int kLeastWidthForArrows = 4;
// Best sizes: the arrows with room at each side, and a pixel above and below.
constexpr int kBestWidthOneArrow = 10;
constexpr int kBestWidthTwoArrows = 14;
constexpr int kBestHeight = CGridSideArrowsType::kArrowHeight + 2;

// What a style asks for: how many arrows and which way they point.
struct ArrowChoice {
    int count = 1;
    bool pointsLeft = false;
};

ArrowChoice ChoiceOf(int style) {
    using T = CGridSideArrowsType;
    if (style & T::kStyleOneRight) {
        return {1, false};
    }
    if (style & T::kStyleOneLeft) {
        return {1, true};
    }
    if (style & T::kStyleTwoRight) {
        return {2, false};
    }
    if (style & T::kStyleTwoLeft) {
        return {2, true};
    }
    return {1, false};
}

// One arrow in one-pixel vertical lines, each a filled strip so that it
// covers whole pixels: a base of kArrowHeight pixels narrowing by two each
// column to a point of one pixel.
void DrawArrow(wxDC& dc, int left, int top, bool pointsLeft) {
    using T = CGridSideArrowsType;
    for (int step = 0; step < T::kArrowWidth; ++step) {
        const int x = pointsLeft ? left + T::kArrowWidth - 1 - step : left + step;
        const int y = top + step;
        const int height = T::kArrowHeight - 2 * step;
        dc.DrawRectangle(x, y, 1, height);
    }
}

// One arrow for a printer: a filled black triangle of `width` x `height`.
void PrintArrow(wxDC& dc, int left, int top, int width, int height, bool pointsLeft) {
    const int tip = pointsLeft ? left : left + width;
    const int base = pointsLeft ? left + width : left;
    const wxPoint corners[] = {{base, top}, {tip, top + height / 2}, {base, top + height}};
    dc.DrawPolygon(3, corners);
}

}  // namespace

CGridSideArrowsType::CGridSideArrowsType(CSheetGrid& grid) : CGridCellType(grid) {
    m_bEditable = false;
    // The cell shows no text, so none of it may run on into its neighbours.
    m_bOverflow = false;
}

void CGridSideArrowsType::Draw(wxDC& dc, const wxRect& rect, int, int, const CGridCell& cell,
                               int selected, bool current) {
    wxRect inner;
    DrawBorder(dc, rect, inner, cell);
    const bool highlighted = IsHighlighted(selected, current);
    DrawBackground(dc, inner, highlighted ? cell.GetHighlightBackColour() : cell.GetBackColour());
    if (rect.width < Scaled(kLeastWidthForArrows) || inner.IsEmpty()) {
        return;
    }
    const ArrowChoice choice = ChoiceOf(cell.GetCellTypeStyle());
    const int arrowWidth = Scaled(kArrowWidth);
    const int arrowHeight = Scaled(kArrowHeight);
    const int width = choice.count * arrowWidth;
    const int left = inner.x + (inner.width - width) / 2;
    const int top = inner.y + (inner.height - arrowHeight) / 2;
    const wxDCClipper clip(dc, inner);
    dc.SetPen(*wxTRANSPARENT_PEN);
    if (IsPrinting()) {
        dc.SetBrush(*wxBLACK_BRUSH);
    } else {
        dc.SetBrush(wxBrush(highlighted ? cell.GetHighlightTextColour() : cell.GetTextColour()));
    }
    for (int arrow = 0; arrow < choice.count; ++arrow) {
        const int arrowLeft = left + arrow * arrowWidth;
        if (IsPrinting()) {
            PrintArrow(dc, arrowLeft, top, arrowWidth, arrowHeight, choice.pointsLeft);
        } else {
            DrawArrow(dc, arrowLeft, top, choice.pointsLeft);
        }
    }
}

wxString CGridSideArrowsType::GetName() const {
    return "Side Arrows";
}

const std::array<uint8_t, 16>& CGridSideArrowsType::GetTypeIdentifier() const {
    static const std::array<uint8_t, 16> kIdentifier{'V', 'a', 'n', 't', 'r', 'e', 'l', 'S',
                                                     'i', 'd', 'e', 'A', 'r', 'r', 'o', 'w'};
    return kIdentifier;
}

void CGridSideArrowsType::GetBestSize(wxDC&, wxSize& size, const CGridCell& cell) {
    const int width =
        ChoiceOf(cell.GetCellTypeStyle()).count == 2 ? kBestWidthTwoArrows : kBestWidthOneArrow;
    size = wxSize(width, kBestHeight);
}
