#pragma once

#include <functional>

// Starts `work` on a detached thread that takes no asynchronous signal:
// Ctrl-C and termination requests reach the program's main thread, whose
// handlers act on them, even while a worker waits in a read that never
// returns (a hung network share).
void StartDetachedWorker(std::function<void()> work);
