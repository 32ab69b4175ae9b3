#pragma once

// Delivers the window events waiting in the queue so that a long loop on the
// user-interface thread keeps the windows painted and its Abort or Cancel
// button pressable. A nonzero `idle` also runs idle processing until nothing
// more asks for it. Does nothing when no event loop is running.
void PumpMessages(int idle);
