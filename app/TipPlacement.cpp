#include "TipPlacement.h"

wxRect PlaceTipOnMonitor(wxRect tip, const wxRect& monitor, int toolTop) {
    const int monitorRight = monitor.x + monitor.width;
    const int monitorBottom = monitor.y + monitor.height;
    if (tip.x + tip.width > monitorRight) {
        tip.x = monitorRight - tip.width;
    }
    if (tip.x < monitor.x) {
        tip.x = monitor.x;
    }
    if (tip.y + tip.height > monitorBottom) {
        tip.y = toolTop - tip.height;
    }
    return tip;
}
