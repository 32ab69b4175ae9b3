#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

// Existence and size queries, and folder creation.

// True when `path` names a reachable file or folder; `size` receives its size
// (0 when missing).
bool FileExists(const std::string& path, uint64_t* size = nullptr);
// The size in bytes, or -1 when FileExists is false.
int64_t GetFileSize64(const std::string& path);
// True when an entry of that name exists (a trailing "/" is ignored, and a
// broken link counts as an entry).
bool PathExists(const std::string& path);
// Creates every missing folder of `path`, absolute or relative; the root is
// never created. A level that exists as a file counts as existing. False
// when `path` is empty or a level cannot be created. New folders get `mode`
// (less the umask).
bool CreateFolderChain(const std::string& path, mode_t mode = 0777);
