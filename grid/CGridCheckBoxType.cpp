#include "CGridCheckBoxType.h"

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/settings.h>

#include <algorithm>

#include "CGridCell.h"
#include "CSheetGrid.h"
#include "DisplayText.h"

namespace {

// The box is at most this big, and keeps this much room above and below it.
constexpr int kLargestBox = 12;
constexpr int kBoxRoom = 6;
// A box this small or smaller is not drawn.
constexpr int kSmallestHiddenBox = 5;
// The box stands this far in from the cell's left (top) edge, and a
// right (bottom) aligned box this far, plus its size, from the other edge.
constexpr int kBoxInset = 3;
constexpr int kFarBoxInset = 6;
// From this box size on, the marks are drawn two pixels thick.
constexpr int kThickMarkBox = 10;
// Best size of a cell without a label to show.
constexpr int kBoxCellWidth = 18;
constexpr int kBoxCellHeight = 2;
// Room around a label in the best size, as for normal text.
constexpr int kLabelPaddingWidth = 6;
constexpr int kLabelPaddingHeight = 2;

const wxColour kLightEdge(0xE1, 0xE1, 0xE1);

wxColour System(wxSystemColour colour) {
    return wxSystemSettings::GetColour(colour);
}

// An 8 x 8 checkerboard of the button face and highlight colours; the
// window's own brush when no bitmap can be made.
wxBrush CheckerboardBrush() {
    wxImage image(8, 8);
    if (!image.IsOk()) {
        return wxBrush(System(wxSYS_COLOUR_WINDOW));
    }
    const wxColour face = System(wxSYS_COLOUR_BTNFACE);
    const wxColour highlight = System(wxSYS_COLOUR_BTNHIGHLIGHT);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const wxColour& colour = (x + y) % 2 == 0 ? face : highlight;
            image.SetRGB(x, y, colour.Red(), colour.Green(), colour.Blue());
        }
    }
    const wxBitmap bitmap(image);
    return bitmap.IsOk() ? wxBrush(bitmap) : wxBrush(System(wxSYS_COLOUR_WINDOW));
}

// A line from `from` to `to`, both ends drawn.
void DrawLineThrough(wxDC& dc, const wxPoint& from, const wxPoint& to) {
    dc.DrawLine(from, to);
    dc.DrawPoint(to);
}

// The frame of a three-dimensional box: `outerLight` and `innerLight` on the
// top and left edges, the darks on the bottom and right, the inner frame one
// pixel in.
void DrawEdges(wxDC& dc, const wxRect& box, const wxPen& outerLight, const wxPen& outerDark,
               const wxPen& innerLight, const wxPen& innerDark) {
    const auto frame = [&dc](const wxRect& area, const wxPen& light, const wxPen& dark) {
        dc.SetPen(light);
        DrawLineThrough(dc, area.GetBottomLeft(), area.GetTopLeft());
        DrawLineThrough(dc, area.GetTopLeft(), area.GetTopRight());
        dc.SetPen(dark);
        DrawLineThrough(dc, area.GetTopRight(), area.GetBottomRight());
        DrawLineThrough(dc, area.GetBottomRight(), area.GetBottomLeft());
    };
    frame(box, outerLight, outerDark);
    frame(box.Deflate(1, 1), innerLight, innerDark);
}

}  // namespace

CGridCheckBoxType::CGridCheckBoxType(CSheetGrid& grid)
    : CGridCellType(grid),
      m_shadowPen(System(wxSYS_COLOUR_BTNSHADOW)),
      m_lightEdgePen(kLightEdge),
      m_facePen(System(wxSYS_COLOUR_BTNFACE)),
      m_patternBrush(CheckerboardBrush()) {
    m_bEditable = false;
    m_bUseLabel = true;
    m_bOverflow = false;
}

wxString CGridCheckBoxType::GetName() const {
    return "CheckBox";
}

const std::array<uint8_t, 16>& CGridCheckBoxType::GetTypeIdentifier() const {
    static const std::array<uint8_t, 16> kIdentifier{'V', 'a', 'n', 't', 'r', 'e', 'l', 'C',
                                                     'h', 'e', 'c', 'k', 'B', 'o', 'x', 0};
    return kIdentifier;
}

int CGridCheckBoxType::BoxSize(const wxRect& rect) const {
    return std::min(rect.height - Scaled(kBoxRoom), Scaled(kLargestBox));
}

wxRect CGridCheckBoxType::BoxRect(const wxRect& rect, const CGridCell& cell) const {
    const int size = BoxSize(rect);
    if (size <= Scaled(kSmallestHiddenBox)) {
        return wxRect();
    }
    const int style = cell.GetCellTypeStyle();
    if (!(style & kStyleAligned)) {
        const int width = (style & kStyleRound) ? size + Scaled(1) : size;
        return wxRect(rect.x + Scaled(kBoxInset), rect.y + (rect.height - size) / 2, width, size);
    }
    const uint16_t alignment = cell.HasMask(CGridCell::kAlignment) ? cell.GetAlignment() : 0;
    int x = rect.x + Scaled(kBoxInset);
    if (alignment & CGridCell::kAlignCentre) {
        x = rect.x + (rect.width - size) / 2;
    } else if (alignment & CGridCell::kAlignRight) {
        x = rect.x + rect.width - size - Scaled(kFarBoxInset);
    }
    int y = rect.y + (rect.height - size) / 2;
    if (alignment & CGridCell::kAlignTop) {
        y = rect.y + Scaled(kBoxInset);
    } else if (alignment & CGridCell::kAlignBottom) {
        y = rect.y + rect.height - size - Scaled(kFarBoxInset);
    }
    return wxRect(x, y, size, size);
}

int CGridCheckBoxType::StateOf(const CGridCell& cell) {
    const double number = cell.GetNumber();
    // Anything else a cell may hold (a negative, a fraction past 2, not a
    // number) reads as clear rather than as an undefined conversion.
    return number >= 0.0 && number < 3.0 ? static_cast<int>(number) : 0;
}

bool CGridCheckBoxType::AdvanceState(int column, int row) {
    CGridCell cell;
    m_grid.GetCell(column, row, cell);
    if (cell.IsReadOnly()) {
        return false;
    }
    const int states = (cell.GetCellTypeStyle() & kStyleThreeStates) ? 3 : 2;
    const int state = (StateOf(cell) + 1) % states;
    m_grid.SetCellNumber(column, row, state);
    m_grid.RedrawCell(column, row);
    Notify(GetIndex(), column, row, kMessageStateChanged, state);
    return true;
}

bool CGridCheckBoxType::OnLeftButton(int column, int row, bool down, const wxRect& rect,
                                     const wxPoint& point) {
    if (!down) {
        return false;
    }
    CGridCell cell;
    m_grid.GetCell(column, row, cell);
    return BoxRect(rect, cell).Contains(point) && AdvanceState(column, row);
}

bool CGridCheckBoxType::OnDoubleClick(int column, int row, const wxRect& rect,
                                      const wxPoint& point) {
    return OnLeftButton(column, row, true, rect, point);
}

bool CGridCheckBoxType::OnCharacter(int column, int row, int& character) {
    return character == ' ' && AdvanceState(column, row);
}

void CGridCheckBoxType::Draw(wxDC& dc, const wxRect& rect, int column, int row,
                             const CGridCell& cell, int selected, bool current) {
    wxRect inner;
    DrawBorder(dc, rect, inner, cell);
    const bool highlighted = IsHighlighted(selected, current);
    DrawBackground(dc, inner, highlighted ? cell.GetHighlightBackColour() : cell.GetBackColour());
    const int style = cell.GetCellTypeStyle();
    const wxRect box = BoxRect(rect, cell);
    if (!(style & kStyleAligned)) {
        const int labelLeft = rect.x + BoxSize(rect) + Scaled(kBoxRoom);
        wxRect label = inner;
        label.SetLeft(std::max(inner.x, labelLeft));
        DrawCellText(dc, label, 0, column, row, cell, selected, current);
    }
    if (box.IsEmpty()) {
        return;
    }
    const wxDCClipper clip(dc, inner);
    const int state = StateOf(cell);
    DrawBox(dc, box, style, highlighted, state == 2 || cell.IsReadOnly());
    if (state == 1) {
        DrawMark(dc, box, style, highlighted ? *wxWHITE : *wxBLACK);
    } else if (state == 2) {
        DrawMark(dc, box, style, m_shadowPen.GetColour());
    }
}

void CGridCheckBoxType::DrawBox(wxDC& dc, const wxRect& box, int style, bool highlighted,
                                bool patterned) {
    const wxPen framePen(highlighted ? *wxWHITE : *wxBLACK, Scaled(1));
    dc.SetBrush(patterned ? m_patternBrush : *wxTRANSPARENT_BRUSH);
    if (style & kStyleRound) {
        dc.SetPen(framePen);
        dc.DrawEllipse(box);
        return;
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    if (patterned) {
        dc.DrawRectangle(box);
    }
    if (style & kStyleSunken) {
        DrawEdges(dc, box, m_shadowPen, m_lightEdgePen, *wxBLACK_PEN, m_facePen);
    } else if (style & kStyleRaised) {
        DrawEdges(dc, box, m_lightEdgePen, m_shadowPen, m_facePen, *wxBLACK_PEN);
    } else {
        dc.SetPen(framePen);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(box);
    }
}

void CGridCheckBoxType::DrawMark(wxDC& dc, const wxRect& box, int style, const wxColour& colour) {
    const bool thick = box.height >= Scaled(kThickMarkBox);
    dc.SetPen(wxPen(colour, Scaled(1)));
    if (style & kStyleRound) {
        dc.SetBrush(wxBrush(colour));
        dc.DrawEllipse(box.Deflate(Scaled(2), Scaled(2)));
        return;
    }
    // A pixel clear of the frame, which is two pixels deep for a
    // three-dimensional box.
    const int inset = Scaled((style & (kStyleSunken | kStyleRaised)) ? 3 : 2);
    const wxRect room = box.Deflate(inset, inset);
    const int strokes = thick ? 2 : 1;
    for (int stroke = 0; stroke < strokes; ++stroke) {
        if (style & kStyleTick) {
            // Down from the left third to the bottom, then up to the top right.
            const wxPoint left(room.x, room.y + room.height / 2 - stroke);
            const wxPoint bottom(room.x + room.width / 3, room.GetBottom() - stroke);
            const wxPoint right(room.GetRight(), room.y + room.height / 4 - stroke);
            DrawLineThrough(dc, left, bottom);
            DrawLineThrough(dc, bottom, right);
        } else {
            const int shift = stroke == 0 ? 0 : 1;
            DrawLineThrough(dc, wxPoint(room.x + shift, room.y),
                            wxPoint(room.GetRight(), room.GetBottom() - shift));
            DrawLineThrough(dc, wxPoint(room.x + shift, room.GetBottom()),
                            wxPoint(room.GetRight(), room.y + shift));
        }
    }
}

void CGridCheckBoxType::GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell) {
    if ((cell.GetCellTypeStyle() & kStyleAligned) || !cell.HasMask(CGridCell::kText)) {
        size = wxSize(kBoxCellWidth, kBoxCellHeight);
        return;
    }
    const wxFont* font = cell.GetFont() != nullptr ? cell.GetFont() : m_grid.GetDefaultFont();
    if (font != nullptr) {
        dc.SetFont(*font);
    }
    const wxString label = ToDisplayText(ShownText(cell));
    const wxSize extent =
        m_grid.MeasureText(dc, label, (cell.GetCellTypeStyle() & kStyleMultiLine) != 0);
    size = wxSize(extent.x + kLabelPaddingWidth + kBoxCellWidth, extent.y + kLabelPaddingHeight);
}
