#pragma once

#include <optional>
#include <string>

// The SHA-256 digest of the file at `path` in lower-case hexadecimal;
// nothing when it cannot be read.
std::optional<std::string> Sha256OfFile(const std::string& path);
