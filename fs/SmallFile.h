#pragma once

#include <optional>
#include <string>

// A small file read whole, such as a settings or pattern file.
struct SmallFile {
    std::optional<std::string> text;  // nullopt when it was not read
    int error = 0;                    // the system's errno, when it refused
    std::string reason;               // why it was not read, for messages
};

// Reads all of `path`, which must be a regular file of at most `limit`
// bytes. The open does not wait for a writer, so a FIFO or a device is
// refused at once; a file that grows past `limit` while it is read is
// refused too.
SmallFile ReadSmallFile(const std::string& path, size_t limit);
