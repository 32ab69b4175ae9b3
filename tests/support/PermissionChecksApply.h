#pragma once

#include <cstdint>

// While it lives, file permission checks apply to the thread that made it,
// and to the threads that thread starts meanwhile, as they do for any user,
// even when the tests run as root: the rights to pass over them are set
// aside, then given back. Unlike running as another user, this works in a
// process with windows and threads.
class PermissionChecksApply {
  public:
    PermissionChecksApply();
    ~PermissionChecksApply();
    PermissionChecksApply(const PermissionChecksApply&) = delete;
    PermissionChecksApply& operator=(const PermissionChecksApply&) = delete;

  private:
    uint32_t m_effective = 0;  // the first word of the rights as they were
    bool m_changed = false;
};
