#include "CGridCellType.h"

#include <wx/brush.h>
#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/pen.h>
#include <wx/tokenzr.h>

#include <algorithm>
#include <vector>

#include "CGridCell.h"
#include "CGridGeometry.h"
#include "CSheetGrid.h"
#include "DisplayText.h"
#include "TextWrap.h"

namespace {

// Room between the text and the cell's edges.
constexpr int kTextPaddingWidth = 6;
constexpr int kTextPaddingHeight = 2;
// A bitmap keeps this much room above and below it, and this much at each side.
constexpr int kBitmapMargins = 4;
constexpr int kBitmapMargin = 2;
// An end-ellipsis text starts this far in from the left edge.
constexpr int kEllipsisIndent = 3;

// The width a bitmap takes in a row of `rowHeight`: scaled down in
// proportion when it is taller than the room the row leaves.
int BitmapWidthInRow(const wxBitmap& bitmap, int rowHeight) {
    const int room = std::max(0, rowHeight - kBitmapMargins);
    if (bitmap.GetHeight() > room && bitmap.GetHeight() > 0) {
        return bitmap.GetWidth() * room / bitmap.GetHeight();
    }
    return bitmap.GetWidth();
}

// The width a border bit set gives one side: 1, 2 or 3 pixels, 0 for none.
int SideWidth(uint16_t style, uint16_t thin, uint16_t medium, uint16_t thick) {
    if (style & thick) {
        return 3;
    }
    if (style & medium) {
        return 2;
    }
    return (style & thin) ? 1 : 0;
}

}  // namespace

CGridCellType::~CGridCellType() = default;

std::string CGridCellType::ShownText(const CGridCell& cell) const {
    if (m_bUseLabel || (cell.GetCellTypeStyle() & kStyleLabel)) {
        return cell.HasMask(CGridCell::kLabel) ? cell.GetLabel() : std::string();
    }
    return cell.GetDisplayText().value_or(std::string());
}

bool CGridCellType::MayOverflow(const CGridCell& cell) {
    return cell.GetCellTypeStyle() == 0 && !cell.HasMask(CGridCell::kJoin) &&
           cell.HasMask(CGridCell::kAlignment) && (cell.GetAlignment() & CGridCell::kAlignLeft);
}

bool CGridCellType::LetsTextRunOn(const CGridCell& cell) const {
    return m_grid.Sheet().m_bTextOverflow && m_bOverflow && MayOverflow(cell);
}

bool CGridCellType::IsHighlighted(int selected, bool current) const {
    return selected != 0 || (current && (m_grid.Sheet().m_nCurrentCellStyle & 2));
}

bool CGridCellType::PressExtendsSelection() const {
    const CGridSheet& sheet = m_grid.Sheet();
    return sheet.m_bMultipleSelection && (sheet.m_nMouseKeyFlags & (kKeyShift | kKeyControl));
}

void CGridCellType::DrawBackground(wxDC& dc, const wxRect& rect, const wxColour& colour) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(colour));
    dc.DrawRectangle(rect);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
}

int CGridCellType::DrawBitmap(wxDC& dc, const wxBitmap& bitmap, const wxRect& rect,
                              const wxColour& backColour) {
    if (!bitmap.IsOk() || bitmap.GetHeight() <= 0) {
        return 0;
    }
    const int margin = Scaled(kBitmapMargin);
    const int room = rect.height - kBitmapMargins;
    wxBitmap shown = bitmap;
    int top = rect.y + (rect.height - bitmap.GetHeight()) / 2;
    if (bitmap.GetHeight() > room) {
        if (room <= 0) {
            return 0;
        }
        const int width = std::max(1, bitmap.GetWidth() * room / bitmap.GetHeight());
        shown = wxBitmap(bitmap.ConvertToImage().Scale(width, room, wxIMAGE_QUALITY_HIGH));
        top = rect.y + margin;
    }
    const int width = std::min(shown.GetWidth(), rect.width - kBitmapMargins);
    if (width <= 0) {
        return 0;
    }
    DrawBackground(dc, wxRect(rect.x, rect.y, width + 2 * margin, rect.height), backColour);
    if (width < shown.GetWidth()) {
        shown = shown.GetSubBitmap(wxRect(0, 0, width, shown.GetHeight()));
    }
    dc.DrawBitmap(shown, rect.x + margin, top, true);
    return 2 * margin + width;
}

void CGridCellType::DrawBorder(wxDC& dc, const wxRect& rect, wxRect& inner, const CGridCell& cell) {
    inner = rect;
    const CGridSheet& sheet = m_grid.Sheet();
    const uint16_t style = cell.GetBorderStyle();
    if (style == 0 && !sheet.m_bGridLines) {
        return;
    }
    using C = CGridCell;
    const bool edge3d = style & (C::kBorderSunken | C::kBorderRaised);
    const int left =
        SideWidth(style, C::kBorderThinLeft, C::kBorderMediumLeft, C::kBorderThickLeft);
    const int top = SideWidth(style, C::kBorderThinTop, C::kBorderMediumTop, C::kBorderThickTop);
    int right = SideWidth(style, C::kBorderThinRight, C::kBorderMediumRight, C::kBorderThickRight);
    int bottom =
        SideWidth(style, C::kBorderThinBottom, C::kBorderMediumBottom, C::kBorderThickBottom);
    const wxPen& gridPen = sheet.m_gridLinePen;
    const wxPen& pen = cell.GetBorderPen() != nullptr ? *cell.GetBorderPen() : gridPen;

    // Each side is a filled strip of the pen's colour along the edge.
    const auto strip = [&](const wxPen& with, const wxRect& area) {
        if (area.width > 0 && area.height > 0) {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(with.GetColour()));
            dc.DrawRectangle(area);
        }
    };
    strip(pen, wxRect(rect.x, rect.y, left, rect.height));
    strip(pen, wxRect(rect.x, rect.y, rect.width, top));
    const bool gridRight = sheet.m_bGridLines && right == 0 && !edge3d;
    const bool gridBottom = sheet.m_bGridLines && bottom == 0 && !edge3d;
    if (gridRight) {
        right = 1;
    }
    if (gridBottom) {
        bottom = 1;
    }
    strip(gridRight ? gridPen : pen,
          wxRect(rect.GetRight() - right + 1, rect.y, right, rect.height));
    strip(gridBottom ? gridPen : pen,
          wxRect(rect.x, rect.GetBottom() - bottom + 1, rect.width, bottom));

    inner =
        wxRect(rect.x + left, rect.y + top, rect.width - left - right, rect.height - top - bottom);
    if (edge3d) {
        const bool raised = style & C::kBorderRaised;
        const wxPen& lightPen = raised ? m_grid.m_highlightPen : m_grid.m_shadowPen;
        const wxPen& darkPen = raised ? m_grid.m_shadowPen : m_grid.m_highlightPen;
        strip(lightPen, wxRect(inner.x, inner.y, inner.width, 1));
        strip(lightPen, wxRect(inner.x, inner.y, 1, inner.height));
        strip(darkPen, wxRect(inner.x, inner.GetBottom(), inner.width, 1));
        strip(darkPen, wxRect(inner.GetRight(), inner.y, 1, inner.height));
        inner.Deflate(1);
    }
    inner.width = std::max(0, inner.width);
    inner.height = std::max(0, inner.height);
}

void CGridCellType::DrawCellText(wxDC& dc, const wxRect& rect, int offset, int, int,
                                 const CGridCell& cell, int selected, bool current) {
    if (rect.width <= 0 || rect.height <= 0) {
        return;
    }
    const CGridSheet& sheet = m_grid.Sheet();
    const wxString text = ToDisplayText(ShownText(cell));
    const uint16_t alignment = cell.HasMask(CGridCell::kAlignment) ? cell.GetAlignment() : 0;
    const wxFont previousFont = dc.GetFont();
    if (cell.GetFont() != nullptr) {
        dc.SetFont(*cell.GetFont());
    }
    const bool highlighted = IsHighlighted(selected, current);
    const wxColour back = highlighted ? cell.GetHighlightBackColour() : cell.GetBackColour();
    dc.SetTextForeground(highlighted ? cell.GetHighlightTextColour() : cell.GetTextColour());
    DrawBackground(dc, rect, back);

    wxRect textRect = rect;
    if (const wxBitmap* bitmap = cell.GetBitmap(); bitmap != nullptr && bitmap->IsOk()) {
        wxRect bitmapRect = rect;
        bitmapRect.x += offset;
        const int used = DrawBitmap(dc, *bitmap, bitmapRect, back);
        textRect.x += used;
        textRect.width -= used;
    }
    const int margin = Scaled(sheet.m_nTextMargin);
    const int style = cell.GetCellTypeStyle();
    const wxDCClipper clip(dc, rect);
    if (style & kStyleMultiLine) {
        wxRect area = textRect;
        if (alignment & CGridCell::kAlignRight) {
            area.width -= margin;
        } else if (!(alignment & CGridCell::kAlignCentre)) {
            area.x += margin + offset;
            area.width -= margin + offset;
        }
        const std::vector<wxString> lines = WrapWords(dc, text, area.width);
        int y = area.y + 1;
        for (const wxString& line : lines) {
            const wxSize extent = dc.GetTextExtent(line);
            int x = area.x;
            if (alignment & CGridCell::kAlignCentre) {
                x = area.x + (area.width - extent.x) / 2;
            } else if (alignment & CGridCell::kAlignRight) {
                x = area.GetRight() + 1 - extent.x;
            }
            dc.DrawText(line, x, y);
            y += extent.y;
        }
    } else {
        const wxString shown =
            (style & kStyleEndEllipsis)
                ? wxControl::Ellipsize(text, dc, wxELLIPSIZE_END, textRect.width - kEllipsisIndent)
                : text;
        const wxSize extent = dc.GetTextExtent(shown);
        int x = textRect.x + margin + offset;
        if (style & kStyleEndEllipsis) {
            x = textRect.x + kEllipsisIndent;
        } else if (alignment & CGridCell::kAlignCentre) {
            x = (textRect.x + textRect.GetRight() + 1 - extent.x) / 2;
        } else if (alignment & CGridCell::kAlignRight) {
            x = textRect.GetRight() + 1 - margin - extent.x;
        } else if (offset < 0) {
            x -= 1;
        }
        int y = textRect.y + 1;
        if (alignment & CGridCell::kAlignVCentre) {
            y = textRect.y + (textRect.height - extent.y) / 2;
        } else if (alignment & CGridCell::kAlignBottom) {
            y = textRect.GetBottom() + 1 - extent.y - 1;
        }
        dc.DrawText(shown, x, y);
    }
    dc.SetFont(previousFont);
}

int CGridCellType::GetOverflowOffset(wxDC& dc, int column, int row, int& sourceColumn,
                                     const CGridCell&) {
    if (column <= 0 || column >= m_grid.GetColumnCount()) {
        return 0;
    }
    CGridDataSource& dataSource = m_grid.DataSourceOf(column);
    int found = m_grid.DataSourceColumn(column);
    if (dataSource.GetPreviousNonBlankColumn(found, row) != 0) {
        return 0;
    }
    // The grid column that shows the data-source column found.
    const CGridSheet& sheet = m_grid.Sheet();
    int source = column - 1;
    while (source >= 0 && !(sheet.m_columns[source].m_nDataSourceColumn == found &&
                            &m_grid.DataSourceOf(source) == &dataSource)) {
        --source;
    }
    if (source < 0) {
        return 0;
    }
    const CGridCellPool::Lease cell = m_grid.m_cellPool.Borrow();
    m_grid.GetCell(source, row, *cell);
    CGridCellType& type = m_grid.CellTypeOf(*cell);
    if (!type.AllowsOverflow() || !MayOverflow(*cell)) {
        return 0;
    }
    // Widths in the units of `dc`: printer units while printing.
    const CGridGeometry geometry(sheet);
    int covered = 0;
    for (int between = source; between < column; ++between) {
        covered += Scaled(geometry.ColumnWidth(between));
    }
    const int sourceWidth = Scaled(geometry.ColumnWidth(source));
    wxSize best(sourceWidth, Scaled(geometry.RowHeight(row)));
    type.GetBestSize(dc, best, *cell);
    if (best.x <= sourceWidth || best.x <= covered) {
        return 0;
    }
    sourceColumn = source;
    return -covered;
}

void CGridCellType::Draw(wxDC& dc, const wxRect& rect, int column, int row, const CGridCell& cell,
                         int selected, bool current) {
    wxRect inner;
    const bool overflow = LetsTextRunOn(cell);
    if (overflow && ShownText(cell).empty()) {
        int source = -1;
        const int offset = GetOverflowOffset(dc, column, row, source, cell);
        if (offset < 0) {
            DrawBorder(dc, rect, inner, cell);
            const CGridCellPool::Lease sourceCell = m_grid.m_cellPool.Borrow();
            m_grid.GetCell(source, row, *sourceCell);
            m_grid.CellTypeOf(*sourceCell)
                .DrawCellText(dc, inner, offset, source, row, *sourceCell, selected, current);
            m_grid.AddToPaint(column + 1, row);
            return;
        }
    }
    DrawBorder(dc, rect, inner, cell);
    DrawCellText(dc, inner, 0, column, row, cell, selected, current);
    if (overflow) {
        m_grid.AddToPaint(column + 1, row);
    }
}

void CGridCellType::Print(wxDC& dc, const wxRect& rect, int column, int row, const CGridCell& cell,
                          int selected, bool current) {
    m_bPrinting = true;
    Draw(dc, rect, column, row, cell, selected, current);
    m_bPrinting = false;
}

void CGridCellType::DrawScaled(wxDC& dc, const wxRect& rect, int column, int row,
                               const CGridCell& cell) {
    const wxFont* font = cell.GetFont() != nullptr ? cell.GetFont() : m_grid.GetDefaultFont();
    wxFont scaled = font != nullptr ? *font : dc.GetFont();
    if (!scaled.IsOk()) {
        scaled = *wxNORMAL_FONT;
    }
    // The text's height, with its padding, fills the rectangle.
    scaled.SetPixelSize(wxSize(0, std::max(1, rect.height - kTextPaddingHeight)));
    CGridCell shown = CGridCell::Blank();
    shown.CopyFrom(cell);
    shown.SetFont(&scaled);
    wxRect inner;
    DrawBorder(dc, rect, inner, shown);
    DrawCellText(dc, inner, 0, column, row, shown, 0, false);
}

int CGridCellType::Scaled(int size) const {
    return m_bPrinting ? static_cast<int>(size * m_dPrintScale + 0.5) : size;
}

wxString CGridCellType::GetName() const {
    return "Normal Cell Type (default)";
}

const std::array<uint8_t, 16>& CGridCellType::GetTypeIdentifier() const {
    static const std::array<uint8_t, 16> kIdentifier{'V', 'a', 'n', 't', 'r', 'e', 'l', 'N',
                                                     'o', 'r', 'm', 'a', 'l', 'C', 'e', 'l'};
    return kIdentifier;
}

void CGridCellType::GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell) {
    const wxFont* font = cell.GetFont() != nullptr ? cell.GetFont() : m_grid.GetDefaultFont();
    if (font != nullptr) {
        dc.SetFont(*font);
    }
    const wxString text = ToDisplayText(cell.GetDisplayText().value_or(std::string()));
    const wxSize extent =
        m_grid.MeasureText(dc, text, (cell.GetCellTypeStyle() & kStyleMultiLine) != 0);
    int width = extent.x + kTextPaddingWidth;
    if (const wxBitmap* bitmap = cell.GetBitmap(); bitmap != nullptr && bitmap->IsOk()) {
        width += BitmapWidthInRow(*bitmap, size.y);
    }
    size = wxSize(width, extent.y + kTextPaddingHeight);
}

int CGridCellType::AdjustEditRect(wxRect&) {
    return 0;
}

bool CGridCellType::OnLeftButton(int, int, bool, const wxRect&, const wxPoint&) {
    return false;
}

bool CGridCellType::OnRightButton(int, int, bool, const wxRect&, const wxPoint&) {
    return false;
}

bool CGridCellType::OnDoubleClick(int, int, const wxRect&, const wxPoint&) {
    return false;
}

bool CGridCellType::OnKeyDown(int, int, int&) {
    return false;
}

bool CGridCellType::OnKeyUp(int, int, int&) {
    return false;
}

bool CGridCellType::OnCharacter(int, int, int&) {
    return false;
}

bool CGridCellType::OnMouseMove(int, int, const wxPoint&, int) {
    return false;
}

int CGridCellType::DrawFocus(wxDC&, const wxRect&, int, int) {
    return 0;
}

void CGridCellType::OnFocusGained(int, int, const CGridCell&) {}

void CGridCellType::OnFocusLost(int, int, const CGridCell&) {}

void CGridCellType::OnWidthChanged(int, int, int&) {}

void CGridCellType::OnWidthChanging(int, int, int&) {}

void CGridCellType::OnHeightChanged(int, int, int&) {}

void CGridCellType::OnHeightChanging(int, int, int&) {}

void CGridCellType::OnViewChanged(int, int, const CGridCell&) {}

int CGridCellType::OnSystemColoursChanged() {
    return 0;
}

int CGridCellType::SetParameter(intptr_t) {
    return 0;
}

int CGridCellType::Notify(int typeIndex, int column, int row, int message, intptr_t parameter) {
    return m_grid.NotifyFromCellType(typeIndex, column, row, message, parameter);
}
