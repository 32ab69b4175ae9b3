#pragma once

#include <string>

// 1 when the two files differ or cannot both be read, 0 when they are the
// same byte for byte. Reads stop at the first differing block.
int CompareFileContents(const std::string& path1, const std::string& path2);
