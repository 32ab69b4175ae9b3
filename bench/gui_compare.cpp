// Compares a generated tree pair through the real main window and through
// vantrel-compare in the same run (interleaved, medians) and prints the
// rows, both times, their ratio and the window process's peak memory per
// row, and how long a resize with its relayout takes. The argument picks the tree: 20000, 100000
// (default) or 1000000 files. Needs a display:
//   xvfb-run -a build/bench/bench_gui_compare [20000|100000|1000000]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "BenchTrees.h"
#include "BenchWindow.h"
#include "CCompareDlg.h"
#include "CResultGrid.h"

namespace {

// The tree pair with `files` files, or nullptr when there is none.
const TreePair* PairWithFiles(long files) {
    for (const TreePair* pair : {&kFilesFor20k, &kSmallFiles, &kMillionFiles}) {
        if (pair->files == files) {
            return pair;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    PrintMachine();
    const long files = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kSmallFiles.files;
    const TreePair* pair = PairWithFiles(files);
    if (pair == nullptr) {
        std::fprintf(stderr, "usage: %s [20000|100000|1000000]\n", argv[0]);
        return 2;
    }
    const auto root = GenerateTreePair(BenchTreeBase(), *pair);
    const std::string left = (root / "left").string(), right = (root / "right").string();
    const int runs = pair->files >= kMillionFiles.files ? 3 : 5;

    return RunWithMainWindow(argc, argv, (root / "Vantrel.INI").string(), [&](CCompareDlg& window) {
        SetFolders(window, left, right, true);
        // The window's own size, before any compare: what each row adds is
        // the peak above it.
        const long emptyWindowBytes = PeakMemoryBytes();
        const std::vector<RunFigures> figures =
            MedianOfInterleavedRuns({[&] { return MeasureInProcess([&] { window.OnCompare(); }); },
                                     CommandMeasurement({VANTREL_COMPARE_PATH, "-r", left, right})},
                                    runs);
        const Timer resize;
        for (int step = 0; step < 10; ++step) {
            window.SetSize(window.GetSize() + wxSize(step % 2 ? -40 : 40, 0));
            window.LayoutControls();
        }
        const RunFigures& inWindow = figures[0];
        const RunFigures& command = figures[1];
        const int rows = window.LeftGrid().GetRowCount();
        std::printf("%d files a side, median of %d runs after a warm-up\n", pair->files, runs);
        std::printf("rows in the window:         %d (%d equal)\n", rows, window.m_counts.equal);
        std::printf("window compare:             %.2f s (cpu %.2f s)\n", inWindow.wallSeconds,
                    inWindow.processorSeconds);
        std::printf("vantrel-compare -r:         %.2f s (cpu %.2f s)%s\n", command.wallSeconds,
                    command.processorSeconds, command.failed ? "  (a run FAILED)" : "");
        std::printf("window / command:           %.2f x (goal at most 1.2 x)\n",
                    inWindow.wallSeconds / command.wallSeconds);
        std::printf("resize and relayout:        %.1f ms\n", resize.Seconds() * 1000 / 10);
        const long peak = PeakMemoryBytes();
        std::printf("window peak memory:         %.0f MB (goal under 600 MB)\n", peak / 1e6);
        std::printf(
            "window peak bytes per row:  %.0f; above the window before its first "
            "compare (%.0f MB): %.0f (goal under 500)\n",
            static_cast<double>(peak) / rows, emptyWindowBytes / 1e6,
            static_cast<double>(peak - emptyWindowBytes) / rows);
    });
}
