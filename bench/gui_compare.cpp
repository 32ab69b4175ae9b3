// Compares the 100 000-file trees of the engine benchmark through the real
// main window and through vantrel-compare in the same run, and prints both
// times, their ratio, a window resize after the run, and the window
// process's peak memory. Needs a display:
//   xvfb-run -a build/bench/bench_gui_compare
#include <cstdio>

#include "BenchSupport.h"
#include "BenchTrees.h"
#include "BenchWindow.h"
#include "CCompareDlg.h"
#include "CResultGrid.h"

int main(int argc, char** argv) {
    const auto root = GenerateTreePair(BenchTreeBase(), kSmallFiles);
    const std::string left = (root / "left").string(), right = (root / "right").string();
    const CommandRun command = BestOfThree({VANTREL_COMPARE_PATH, "-r", left, right});

    return RunWithMainWindow(argc, argv, (root / "Vantrel.INI").string(), [&](CCompareDlg& window) {
        CompareInWindow(window, left, right, true);  // warms the cache as the command's runs did
        double best = -1;
        for (int run = 0; run < 3; ++run) {
            const Timer timer;
            window.OnCompare();
            const double seconds = timer.Seconds();
            best = best < 0 ? seconds : std::min(best, seconds);
        }
        const Timer resize;
        for (int step = 0; step < 10; ++step) {
            window.SetSize(window.GetSize() + wxSize(step % 2 ? -40 : 40, 0));
            window.LayoutControls();
        }
        const int rows = window.LeftGrid().GetRowCount();
        std::printf("rows in the window:        %d (%d equal)\n", rows, window.m_counts.equal);
        std::printf("window compare (best of 3): %.2f s\n", best);
        std::printf("vantrel-compare -r:         %.2f s\n", command.seconds);
        std::printf("window / command:           %.2f x (goal at most 1.5 x)\n",
                    best / command.seconds);
        std::printf("resize and relayout:        %.1f ms\n", resize.Seconds() * 1000 / 10);
        std::printf("window peak memory:         %ld MB (goal under 1000 MB)\n",
                    PeakMemoryBytes() / 1000000);
    });
}
