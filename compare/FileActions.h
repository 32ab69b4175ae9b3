#pragma once

#include <optional>
#include <string>

// The disk work of the copy and delete actions, without a window: the
// window decides what to copy or delete and reports the outcome.

// What became of one copy.
enum class CopyOutcome {
    Copied,
    FolderNotCreated,  // the target's folder chain could not be made
    NotCopied,         // the copy itself failed; the old target is intact
};

// Copies `source` over `target` (times and permissions kept), creating the
// folders the target needs first. A failed copy leaves any existing target
// as it was; when the copy itself failed, `reason` (when given) receives the
// system's reason.
CopyOutcome CopyCreatingFolders(const std::string& source, const std::string& target,
                                std::string* reason = nullptr);

// Removes the file `path`; the system's reason when it cannot.
std::optional<std::string> RemoveFile(const std::string& path);
