#pragma once

// Scroll bars page towards a click in their trough, as the shared bar of
// the results grids is meant to, instead of jumping to the click (the GTK
// default, "gtk-primary-button-warps-slider"). The setting holds for every
// scroll bar of the program.
void PageScrollBarsOnTroughClick();
