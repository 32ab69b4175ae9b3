#include "CGridCellHints.h"

#include <wx/window.h>

#include "CGridHintWnd.h"

namespace {

// The mouse rests this long on a cell before its hint comes up.
constexpr int kShowDelayMilliseconds = 200;
// A hint then stays up this long unless something takes it down first.
constexpr int kShownMilliseconds = 32767;

}  // namespace

CGridCellHints::CGridCellHints(wxWindow* grid) : m_pGrid(grid), m_pWindow(new CGridHintWnd(grid)) {
    m_showTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Show(); });
    m_hideTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Dismiss(); });
    // Key presses anywhere in the grid (cells or editors) reach it here.
    m_pGrid->Bind(wxEVT_CHAR_HOOK, &CGridCellHints::OnKey, this);
}

CGridCellHints::~CGridCellHints() {
    m_pGrid->Unbind(wxEVT_CHAR_HOOK, &CGridCellHints::OnKey, this);
}

void CGridCellHints::Dismiss() {
    m_showTimer.Stop();
    m_hideTimer.Stop();
    m_armedText.reset();
    if (m_pWindow->IsShown()) {
        m_pWindow->Hide();
    }
}

void CGridCellHints::Forget() {
    Dismiss();
    m_spot.reset();
}

void CGridCellHints::Arm(std::optional<std::string> text) {
    Dismiss();
    m_armedText = std::move(text);
}

void CGridCellHints::Rest(const wxPoint& screenPoint) {
    m_mouse = screenPoint;
    if (m_armedText) {
        m_showTimer.StartOnce(kShowDelayMilliseconds);
    }
}

void CGridCellHints::Show() {
    if (!m_armedText) {
        return;
    }
    m_pWindow->SetText(*m_armedText, false);
    m_armedText.reset();
    m_pWindow->ShowBelowRightOf(m_mouse);
    m_hideTimer.StartOnce(kShownMilliseconds);
}

void CGridCellHints::SetLayoutDirection(wxLayoutDirection direction) {
    m_pWindow->SetLayoutDirection(direction);
}

void CGridCellHints::OnKey(wxKeyEvent& event) {
    Dismiss();
    event.Skip();
}
