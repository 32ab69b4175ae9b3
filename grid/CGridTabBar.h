#pragma once

#include <wx/window.h>

class CSheetGrid;

// The row of sheet tabs at the bottom left of the grid: one tab for each
// sheet, the current one raised; a click makes a sheet current.
class CGridTabBar : public wxWindow {
  public:
    explicit CGridTabBar(CSheetGrid& grid, int id);

    // The sheet whose tab is under x; -1 for none.
    int TabAt(int x) const;
    // Tabs are chosen with the mouse; Tab passes the bar by.
    bool AcceptsFocusFromKeyboard() const override { return false; }

  private:
    static constexpr int kTabWidth = 60;

    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);

    CSheetGrid& m_grid;
    wxFont m_font;
};
