#pragma once

#include <optional>
#include <string>
#include <vector>

// The patterns of a file given to --exclude-from: one a line, as in a
// .gitignore file; blank lines and lines beginning with "#" are skipped.
// Only a regular file of at most 16 MiB is read, and it is opened without
// waiting, so a FIFO or a device is refused at once. nullopt, with `error`
// set, when the file cannot be read.
std::optional<std::vector<std::string>> ReadPatternFile(const std::string& path,
                                                        std::string& error);
