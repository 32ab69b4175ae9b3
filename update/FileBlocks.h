#pragma once

#include <functional>
#include <string>
#include <string_view>

// Reads the file at `path` block by block, handing each block to `take`,
// which answers false to stop early. False, with errno set, when the file
// cannot be opened or read.
bool ReadFileBlocks(const std::string& path, const std::function<bool(std::string_view)>& take);
