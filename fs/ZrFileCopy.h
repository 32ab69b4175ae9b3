#pragma once

#include <string>

// Copies `source` to `target` and gives the copy the source's access and
// modification times (full precision) and, with `keepAttributes`, its
// permission bits (otherwise the default mode for new files).
//
// The target is never damaged: the content goes to a temporary file in the
// target's folder, which replaces the target only when complete. An
// existing target must be writable by its owner (a read-only target is
// refused). Both files carry advisory locks while copying. The target's
// folder must exist. Temporary files that interrupted copies left in that
// folder over an hour ago are removed (StaleTemporaryFiles). A signal that
// ends the program stops the copy and removes its temporary file.
//
// Returns 1 on success; on failure writes one line to the trace log,
// leaves the target as it was, puts the system's reason into `reason` when
// given ("Permission denied", "No space left on device") and returns 0.
int ZrFileCopy(const std::string& source, const std::string& target, bool overwrite,
               bool keepAttributes, std::string* reason = nullptr);
