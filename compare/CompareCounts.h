#pragma once

#include <string>

#include "RowStatus.h"

// The numbers of equal, different and missing rows of one compare run.
struct CompareCounts {
    int equal = 0;
    int different = 0;
    int missing = 0;

    void Add(RowStatus status);
    bool FoldersSame() const { return different == 0 && missing == 0; }
    // "Files Equal:\t3\nFiles Different:\t1\nFiles Missing:\t0\n"
    std::string Text() const;
    // "Folders SAME" or "Folders DIFFERENT".
    std::string Verdict() const;
};
