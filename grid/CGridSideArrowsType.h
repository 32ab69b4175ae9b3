#pragma once

#include "CGridCellType.h"

// A cell that shows one or two small arrows pointing left or right, centred
// in it, and no text: a marker such as "goes on" or "came from". Its cells
// are not edited in place and no text runs on from them; mouse and keys
// go on to the grid as for a normal cell.
class CGridSideArrowsType : public CGridCellType {
  public:
    explicit CGridSideArrowsType(CSheetGrid& grid);

    void Draw(wxDC& dc, const wxRect& rect, int column, int row, const CGridCell& cell,
              int selected, bool current) override;
    wxString GetName() const override;
    const std::array<uint8_t, 16>& GetTypeIdentifier() const override;
    // Room for the arrows and a margin round them.
    void GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell) override;

    // Style bits choosing the arrows; none set means one arrow right.
    static constexpr int kStyleOneRight = 0x10;
    static constexpr int kStyleOneLeft = 0x20;
    static constexpr int kStyleTwoRight = 0x40;
    static constexpr int kStyleTwoLeft = 0x80;

    // One arrow's extent in pixels.
    static constexpr int kArrowWidth = 4;
    static constexpr int kArrowHeight = 7;
};
