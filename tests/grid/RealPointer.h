#pragma once

#include <gtest/gtest.h>
#include <wx/eventfilter.h>
#include <wx/uiaction.h>
#include <wx/window.h>
#include <cstdlib>

#include "GuiTest.h"

// Moves the real pointer and clicks with it, waiting each time until the
// window that gets the mouse (the one under the pointer, or the one holding
// the mouse) has seen the event.
class RealPointer {
  public:
    // Moves to `point` of `window`, seen there by `receiver`.
    void MoveTo(wxWindow* window, const wxPoint& point, wxWindow* receiver = nullptr) {
        receiver = receiver != nullptr ? receiver : window;
        const wxPoint screen = window->ClientToScreen(point);
        const wxPoint expected = receiver->ScreenToClient(screen);
        wxPoint seen(-1, -1);
        const auto track = [&seen](wxMouseEvent& event) {
            seen = event.GetPosition();
            event.Skip();
        };
        receiver->Bind(wxEVT_MOTION, track);
        m_simulator.MouseMove(screen);
        // A native control may report its positions a border's width off.
        EXPECT_TRUE(YieldUntil([&] {
            return std::abs(seen.x - expected.x) <= 1 && std::abs(seen.y - expected.y) <= 1;
        })) << "the pointer never reached "
            << point.x << ", " << point.y;
        receiver->Unbind(wxEVT_MOTION, track);
    }

    // A click at `point` of `window`, waited for until some window of the
    // program saw the button come up (the press may have moved the mouse
    // to another window).
    void ClickAt(wxWindow* window, const wxPoint& point, wxWindow* receiver = nullptr) {
        MoveTo(window, point, receiver);
        EventWatch watch(wxEVT_LEFT_UP);
        m_simulator.MouseClick();
        EXPECT_TRUE(YieldUntil([&] { return watch.seen; })) << "the click never arrived";
    }

    wxUIActionSimulator& Simulator() { return m_simulator; }

    // Notes an event of one type reaching any window while it lives, also
    // one that the event destroys.
    struct EventWatch : wxEventFilter {
        explicit EventWatch(wxEventType watched) : type(watched) { wxEvtHandler::AddFilter(this); }
        ~EventWatch() override { wxEvtHandler::RemoveFilter(this); }
        int FilterEvent(wxEvent& event) override {
            seen = seen || event.GetEventType() == type;
            return Event_Skip;
        }
        wxEventType type;
        bool seen = false;
    };

  private:
    wxUIActionSimulator m_simulator;
};
