#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// 1 when the two files differ or cannot both be read, 0 when both hold
// exactly `size` bytes and are the same byte for byte. The size is the one
// both files had when they were listed, so no status query is repeated;
// a file that has since grown or shrunk differs. Reads stop at the first
// differing block, and -1 is returned when `stop` is set between blocks.
int CompareFileContents(const std::string& path1, const std::string& path2, uint64_t size,
                        const std::atomic<bool>* stop = nullptr);
