#pragma once

#include <string>

// The desktop trash (the freedesktop.org trash, through GIO): a file moved
// there can be restored from the file manager.

// The file system of `path` has a trash this user may move `path` into.
// Folders the system keeps for itself (such as /dev/shm) have none.
bool HasTrash(const std::string& path);

struct TrashResult {
    enum class Outcome { Trashed, NoTrash, Failed };
    Outcome outcome;
    std::string reason;  // the system's reason, for NoTrash and Failed
};

// Moves `path` (a link itself, not what it points to) to the trash.
TrashResult MoveToTrash(const std::string& path);
