#include "CompareTable.h"

#include <cstdio>

std::vector<CompareProgram> ComparePrograms(bool withRsync) {
    std::vector<CompareProgram> programs = {
        {"vantrel-compare -r",
         [](const std::string& left, const std::string& right) {
             return std::vector<std::string>{VANTREL_COMPARE_PATH, "-r", left, right};
         }},
        {"diff -rq",
         [](const std::string& left, const std::string& right) {
             return std::vector<std::string>{"diff", "-rq", left, right};
         }},
    };
    if (withRsync) {
        programs.push_back(
            {"rsync -rcn --delete", [](const std::string& left, const std::string& right) {
                 return std::vector<std::string>{"rsync", "-rcn", "--delete", left + "/",
                                                 right + "/"};
             }});
    }
    return programs;
}

void PrintCompareCase(const std::string& title, const std::vector<CompareProgram>& programs,
                      const std::vector<RunFigures>& figures, int files) {
    const RunFigures& diff = figures[1];
    std::printf("\n%s\n", title.c_str());
    std::printf("  %-22s %9s %9s %10s %10s %12s\n", "median of runs", "wall s", "cpu s",
                "wall/diff", "cpu/diff", "peak B/file");
    for (size_t i = 0; i < programs.size(); ++i) {
        const RunFigures& run = figures[i];
        std::printf("  %-22s %9.3f %9.3f %10.2f %10.2f %12.0f%s\n", programs[i].label,
                    run.wallSeconds, run.processorSeconds, run.wallSeconds / diff.wallSeconds,
                    run.processorSeconds / diff.processorSeconds,
                    static_cast<double>(run.peakMemoryBytes) / files,
                    run.failed ? "  (a run FAILED)" : "");
    }
    std::fflush(stdout);
}
