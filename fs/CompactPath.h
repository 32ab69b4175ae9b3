#pragma once

#include <cstddef>
#include <string>

// Shortens a path to fit `size` - 1 bytes by replacing its leading folders
// with "...", keeping a leading "/" and the longest tail of whole names
// that fits ("/home/ann/docs/report.txt" in 16 gives "/.../report.txt").
// 1 when `buffer` holds the path or a shortened form; 0 when no form fits,
// and `buffer` is then empty.
int CompactPath(const std::string& path, std::string& buffer, size_t size);
// As CompactPath, but on failure `text` is left unchanged.
int CompactPathText(const std::string& path, std::string& text, size_t size);
