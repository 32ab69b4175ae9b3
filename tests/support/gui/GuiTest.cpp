#include "GuiTest.h"

#include <wx/app.h>
#include <wx/evtloop.h>

namespace {

// How long one wait for a native event lasts before the condition is tested again.
constexpr unsigned long kPollMilliseconds = 10;

}  // namespace

void YieldPending() {
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
        loop->YieldFor(wxEVT_CATEGORY_ALL);
    }
    if (wxTheApp != nullptr) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->ProcessIdle();
    }
}

bool YieldUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        YieldPending();
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
            loop->DispatchTimeout(kPollMilliseconds);
        }
    }
}

void PrintTo(const wxRect& rect, std::ostream* out) {
    *out << "wxRect(x " << rect.x << ", y " << rect.y << ", w " << rect.width << ", h "
         << rect.height << ")";
}

void PrintTo(const wxSize& size, std::ostream* out) {
    *out << "wxSize(" << size.x << " x " << size.y << ")";
}

void PrintTo(const wxPoint& point, std::ostream* out) {
    *out << "wxPoint(" << point.x << ", " << point.y << ")";
}

void PrintTo(const wxColour& colour, std::ostream* out) {
    if (!colour.IsOk()) {
        *out << "wxColour(invalid)";
        return;
    }
    *out << "wxColour(" << static_cast<int>(colour.Red()) << ", "
         << static_cast<int>(colour.Green()) << ", " << static_cast<int>(colour.Blue()) << ")";
}
