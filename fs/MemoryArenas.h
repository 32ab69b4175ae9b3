#pragma once

// Keeps the allocator to a few arenas for the whole program. A compare
// starts dozens of short-lived worker threads; with an arena each, the
// memory one run frees stays spread over many arenas, and a window that
// compares again and again grows from run to run. Safe to call often.
void LimitMemoryArenas();
