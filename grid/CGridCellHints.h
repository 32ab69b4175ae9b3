#pragma once

#include <wx/intl.h>
#include <wx/timer.h>

#include <optional>
#include <string>

class CGridHintWnd;

// The hints over the grid's cells, shown in a floating window of the grid's
// own with timers of its own, so that no other window's tool tips change:
// a hint comes up once the mouse has rested on a cell for a moment, stays
// up a long while, and goes when the mouse leaves the cell, a button or key
// is pressed, or the hints are turned off.
class CGridCellHints {
  public:
    // A cell of one of the grid's parts (its section).
    struct Spot {
        int nSection = 0;
        int nColumn = 0;
        int nRow = 0;
        bool operator==(const Spot&) const = default;
    };

    explicit CGridCellHints(wxWindow* grid);
    ~CGridCellHints();
    CGridCellHints(const CGridCellHints&) = delete;
    CGridCellHints& operator=(const CGridCellHints&) = delete;

    // The mouse is at `screenPoint` over `spot` (none when over no cell).
    // Reaching another spot takes the hint down and arms `hint` (none when
    // the cell gives no hint) to come up once the mouse rests.
    template <typename HintOf>
    void MouseAt(const std::optional<Spot>& spot, const wxPoint& screenPoint, HintOf hint) {
        if (spot != m_spot) {
            m_spot = spot;
            Arm(spot ? hint() : std::nullopt);
        }
        Rest(screenPoint);
    }
    // A button or key press: the hint goes and stays away until the mouse
    // reaches another cell.
    void Dismiss();
    // The mouse left the part, or the hints were turned off.
    void Forget();

    const CGridHintWnd& Window() const { return *m_pWindow; }
    void SetLayoutDirection(wxLayoutDirection direction);

  private:
    void Arm(std::optional<std::string> text);
    void Rest(const wxPoint& screenPoint);
    void Show();
    void OnKey(wxKeyEvent& event);

    wxWindow* m_pGrid;
    CGridHintWnd* m_pWindow;
    wxTimer m_showTimer;
    wxTimer m_hideTimer;
    std::optional<Spot> m_spot;
    std::optional<std::string> m_armedText;
    wxPoint m_mouse;
};
