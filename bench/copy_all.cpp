// Copies generated trees into an empty folder through the main window's
// Copy All and with cp -a (and rsync -a) in the same run, interleaved, and
// prints the median times, throughputs and ratios; then checks once that
// every program produced the same tree. Needs a display:
//   xvfb-run -a build/bench/bench_copy_all
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "BenchTrees.h"
#include "BenchWindow.h"
#include "CCompareDlg.h"
#include "MessageBox.h"

namespace fs = std::filesystem;

namespace {

// One way of copying the source's contents into an empty target folder.
struct Copier {
    const char* label;
    fs::path target;
    std::function<RunFigures()> copy;  // the target exists and is empty
};

// The last run's copy is removed first, and the removal committed to disk:
// a file system that has not yet committed its deletions makes new files
// slowly, which would charge one program for another's removal.
Measurement IntoEmptyTarget(const Copier& copier) {
    return [&copier] {
        fs::remove_all(copier.target);
        sync();
        fs::create_directories(copier.target);
        return copier.copy();
    };
}

void CopyCase(const std::string& title, const TreePair& pair, const std::vector<Copier>& copiers,
              const std::vector<std::string>& goals) {
    std::vector<Measurement> measurements;
    for (const Copier& copier : copiers) {
        measurements.push_back(IntoEmptyTarget(copier));
    }
    const std::vector<RunFigures> figures = MedianOfInterleavedRuns(measurements);
    const double megabytes =
        static_cast<double>(pair.files) * static_cast<double>(pair.fileSize) / 1048576.0;
    std::printf("\n%s, median of 5 runs after a warm-up\n", title.c_str());
    std::printf("  %-22s %9s %9s %10s %14s\n", "", "wall s", "cpu s", "MiB/s", "window / this");
    for (size_t i = 0; i < copiers.size(); ++i) {
        std::printf("  %-22s %9.3f %9.3f %10.1f %14.2f%s\n", copiers[i].label,
                    figures[i].wallSeconds, figures[i].processorSeconds,
                    megabytes / figures[i].wallSeconds,
                    figures[0].wallSeconds / figures[i].wallSeconds,
                    figures[i].failed ? "  (a run FAILED)" : "");
    }
    for (const std::string& goal : goals) {
        std::printf("  goal: %s\n", goal.c_str());
    }
    for (size_t i = 1; i < copiers.size(); ++i) {
        const std::string command = "diff -rq '" + copiers[0].target.string() + "' '" +
                                    copiers[i].target.string() + "' >/dev/null 2>&1";
        if (TimeShellCommand(command) < 0) {
            std::printf("  WARNING: the window's copy differs from %s's\n", copiers[i].label);
        }
    }
    for (const Copier& copier : copiers) {
        fs::remove_all(copier.target);
    }
    std::fflush(stdout);
}

std::vector<Copier> Copiers(CCompareDlg& window, const fs::path& source, const fs::path& root,
                            bool withRsync) {
    const fs::path windowTarget = root / "copy-window";
    std::vector<Copier> copiers = {
        {"copy all in the window", windowTarget,
         [&window, source, windowTarget] {
             CompareInWindow(window, source.string(), windowTarget.string(), true);
             return MeasureInProcess([&window] { window.CopyAllToRight(); });
         }},
        {"cp -a", root / "copy-cp",
         [source, target = root / "copy-cp"] {
             return RunCommand({"cp", "-a", (source / ".").string(), target.string()});
         }},
    };
    if (withRsync) {
        copiers.push_back(
            {"rsync -a", root / "copy-rsync", [source, target = root / "copy-rsync"] {
                 return RunCommand({"rsync", "-a", source.string() + "/", target.string() + "/"});
             }});
    }
    return copiers;
}

}  // namespace

int main(int argc, char** argv) {
    PrintMachine();
    const fs::path smallRoot = GenerateTreePair(BenchTreeBase(), kCopySmallFiles);
    const fs::path largeRoot = GenerateTreePair(BenchTreeBase(), kLargeFiles);
    SetMessageBoxAnswerer([](const wxString&, long) { return wxYES; });

    return RunWithMainWindow(argc, argv, (largeRoot / "Vantrel.INI").string(),
                             [&](CCompareDlg& window) {
                                 CopyCase("20 000 x 4 KiB into an empty folder", kCopySmallFiles,
                                          Copiers(window, smallRoot / "left", smallRoot, true),
                                          {"window / rsync -a at most 1.0 x its time",
                                           "window / cp -a at most 0.8 x its time"});
                                 CopyCase("1 000 x 1 MiB into an empty folder", kLargeFiles,
                                          Copiers(window, largeRoot / "left", largeRoot, false),
                                          {"window at least 0.9 x cp -a's MiB/s"});
                             });
}
