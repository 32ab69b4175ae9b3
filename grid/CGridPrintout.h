#pragma once

#include <wx/print.h>

#include <vector>

class CSheetGrid;

// Prints the cells of a grid's current sheet: the columns and rows at their
// screen sizes scaled from screen to printer resolution, as many pages as
// it takes, across the columns first, then down the rows. Each cell is
// drawn by its cell type's printer branch with that scale.
class CGridPrintout : public wxPrintout {
  public:
    explicit CGridPrintout(CSheetGrid& grid, const wxString& title = "Grid");

    void OnPreparePrinting() override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;

    // A run of columns (rows) that fits across (down) one page.
    struct Band {
        int nFirst;
        int nLast;
    };
    // Splits sizes (already in printer units) into bands no longer than
    // `room`; a size longer than the room gets a band of its own.
    static std::vector<Band> SplitIntoBands(const std::vector<int>& sizes, int room);

  private:
    // Printer units per screen pixel, read from the device's resolutions.
    double PrintScale() const;
    int Scaled(int pixels) const;

    CSheetGrid& m_grid;
    std::vector<int> m_columnWidths;  // printer units
    std::vector<int> m_rowHeights;
    std::vector<Band> m_columnBands;
    std::vector<Band> m_rowBands;
    int m_nMargin = 0;
    double m_dScale = 1.0;  // PrintScale(), taken once per print job
};
