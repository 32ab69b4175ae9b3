#pragma once

#include <cstdint>
#include <string>

// One line of the two results grids: a file of the left folder and its
// counterpart in the right folder, by their paths relative to each folder
// (a file's full path is its folder text followed by this name). A side is
// present exactly when its name is not empty; every field of an absent side
// is empty or zero.
struct ResultRow {
    std::string szLeftName;
    std::string szRightName;
    uint64_t nLeftSize = 0;
    uint64_t nRightSize = 0;
    int64_t tLeftTime = 0;  // modification time, seconds since 1970 UTC
    int64_t tRightTime = 0;
    uint32_t nLeftAttr = 0;
    uint32_t nRightAttr = 0;

    bool HasLeft() const { return !szLeftName.empty(); }
    bool HasRight() const { return !szRightName.empty(); }
};
