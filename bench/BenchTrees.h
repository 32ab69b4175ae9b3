#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "BenchSupport.h"

// The tree pairs of the engine benchmark, shared by the benchmarks that
// compare or copy them: <base>/<name>/left and <base>/<name>/right.
struct TreePair {
    const char* name;
    int files;
    int folders;
    size_t fileSize;
    int changeEvery;  // every n-th right file differs in its last byte; 0: none
};

inline constexpr TreePair kSmallFiles{"a", 100000, 1000, 1024, 0};
inline constexpr TreePair kLargeFiles{"b", 1000, 10, 1 << 20, 0};
inline constexpr TreePair kSmallFilesChanged{"c", 100000, 1000, 1024, 100};

// Where the engine benchmark keeps its trees.
std::filesystem::path BenchTreeBase();

// Creates the pair below `base` unless an earlier run completed it; its
// folder. Files carry fixed times, so both sides of a pair agree.
std::filesystem::path GenerateTreePair(const std::filesystem::path& base, const TreePair& pair);

// The fastest of three runs after one warm-up run.
CommandRun BestOfThree(const std::vector<std::string>& command);
