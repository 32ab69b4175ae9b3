#pragma once

#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"

// A folder compare program as the benchmark runs it on a left and a right
// folder.
struct CompareProgram {
    const char* label;
    std::function<std::vector<std::string>(const std::string& left, const std::string& right)>
        arguments;
};

// vantrel-compare -r, diff -rq, and (when `withRsync`) rsync -rcn.
std::vector<CompareProgram> ComparePrograms(bool withRsync);

// Prints one case: each program's median wall and processor time, both as
// ratios to diff -rq (the second program), and its peak bytes per file.
void PrintCompareCase(const std::string& title, const std::vector<CompareProgram>& programs,
                      const std::vector<RunFigures>& figures, int files);
