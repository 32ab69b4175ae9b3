#pragma once

#include <wx/colour.h>
#include <wx/gdicmn.h>

#include <chrono>
#include <functional>
#include <ostream>

// Helpers for tests that create real windows. The test program's main (in
// this library) starts wxWidgets with an active event loop, so windows can
// be created, shown and driven through their own events.

// Handles waiting events (native ones, queued wx events, idle processing)
// until `condition` holds; false when `timeout` passes first.
bool YieldUntil(const std::function<bool()>& condition,
                std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Handles the events that are waiting now.
void YieldPending();

// Printers for wx types in failure messages; found by GoogleTest through
// argument-dependent lookup.
void PrintTo(const wxRect& rect, std::ostream* out);
void PrintTo(const wxSize& size, std::ostream* out);
void PrintTo(const wxPoint& point, std::ostream* out);
void PrintTo(const wxColour& colour, std::ostream* out);
