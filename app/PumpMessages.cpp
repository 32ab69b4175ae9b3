#include "PumpMessages.h"

#include <wx/evtloop.h>

void PumpMessages(int idle) {
    auto* loop = wxEventLoopBase::GetActive();
    if (loop == nullptr) {
        return;
    }
    loop->YieldFor(wxEVT_CATEGORY_ALL);
    if (idle != 0) {
        while (loop->ProcessIdle()) {
        }
    }
}
