#pragma once

#include <filesystem>

// The tree pairs of the engine benchmark, shared by the benchmarks that
// compare or copy them: <base>/<name>/left and <base>/<name>/right. File i
// lies in folder i % folders.
struct TreePair {
    const char* name;
    int files;
    int folders;
    size_t fileSize;
    size_t sizeSpread = 0;  // file i has fileSize + i % (sizeSpread + 1) bytes
    int changeEvery = 0;    // one in n right files differs in its last byte; 0: none
    int deleteEvery = 0;    // one in n right files is missing; 0: none
};

inline constexpr TreePair kFilesFor20k{"s", 20000, 200, 1024};
inline constexpr TreePair kSmallFiles{"a", 100000, 1000, 1024};
inline constexpr TreePair kLargeFiles{"b", 1000, 10, 1 << 20};
inline constexpr TreePair kSmallFilesChanged{"c", 100000, 1000, 1024, 0, 100};
inline constexpr TreePair kMillionFiles{"m", 1000000, 1000, 100, 100, 100, 1000};
inline constexpr TreePair kCopySmallFiles{"k", 20000, 200, 4096};
inline constexpr TreePair kSlowFsFiles{"f", 5000, 50, 1024};

// Where the engine benchmark keeps its trees.
std::filesystem::path BenchTreeBase();

// Creates the pair below `base` unless an earlier run completed it; its
// folder. Files carry fixed times, so both sides of a pair agree.
std::filesystem::path GenerateTreePair(const std::filesystem::path& base, const TreePair& pair);
