#pragma once

#include <wx/window.h>

#include <optional>
#include <string>

class CSheetGrid;

// A child window of the grid that shows cells: the cell area, a heading or
// the corner button. It reports the mouse to the grid's cell hints and
// knows which grid section it is.
class CGridPart : public wxWindow {
  public:
    CGridPart(CSheetGrid& grid, int id, int section);

    int GetSection() const { return m_nSection; }
    // Tab visits the cells only: the headings and the corner button are
    // worked with the mouse.
    bool AcceptsFocusFromKeyboard() const override { return false; }
    // The cell under `point` (client coordinates); false for none.
    virtual bool CellAt(const wxPoint& point, int& column, int& row) = 0;
    // The hint the grid gives for the cell under `point`; none when there
    // is no cell or GetHintText does not answer 1.
    std::optional<std::string> HintAt(const wxPoint& point);

  protected:
    // The mouse reaches the hints before the part's own handlers, which may
    // keep the events to themselves.
    bool TryBefore(wxEvent& event) override;
    // Opens the grid's popup menu for the cell at `point`, if it has one.
    void OpenMenuAt(int column, int row, const wxPoint& point);
    // Context help over the part: the help the grid has for the cell
    // under the help point (the current cell when asked from the keyboard).
    void OnHelp(wxHelpEvent& event);

    CSheetGrid& m_grid;

  private:
    void TrackHint(const wxMouseEvent& event);

    int m_nSection;
};
