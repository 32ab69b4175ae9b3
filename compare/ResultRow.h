#pragma once

#include <cstdint>
#include <string>

// One line of the two results grids: a file of the left folder and its
// counterpart in the right folder. A side is present exactly when its path
// is not empty; every field of an absent side is empty or zero.
struct ResultRow {
    std::string szLeftName;   // path relative to the left folder
    std::string szRightName;  // path relative to the right folder
    std::string szLeftPath;   // full path
    std::string szRightPath;
    uint64_t nLeftSize = 0;
    uint64_t nRightSize = 0;
    int64_t tLeftTime = 0;  // modification time, seconds since 1970 UTC
    int64_t tRightTime = 0;
    uint32_t nLeftAttr = 0;
    uint32_t nRightAttr = 0;

    bool HasLeft() const { return !szLeftPath.empty(); }
    bool HasRight() const { return !szRightPath.empty(); }
};
