// Copies the 1 000 x 1 MiB tree of the engine benchmark into an empty
// folder through the main window's Copy All, and the same tree with cp -a
// in the same run, and prints both throughputs. Needs a display:
//   xvfb-run -a build/bench/bench_copy_all
#include <cstdio>
#include <filesystem>

#include "BenchSupport.h"
#include "BenchTrees.h"
#include "BenchWindow.h"
#include "CCompareDlg.h"
#include "MessageBox.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const fs::path root = GenerateTreePair(BenchTreeBase(), kLargeFiles);
    const fs::path source = root / "left";
    const fs::path target = root / "copy-target";
    const double megabytes = kLargeFiles.files * (kLargeFiles.fileSize / 1048576.0);
    SetMessageBoxAnswerer([](const wxString&, long) { return wxYES; });

    return RunWithMainWindow(argc, argv, (root / "Vantrel.INI").string(), [&](CCompareDlg& window) {
        double windowSeconds = -1;
        double cpSeconds = -1;
        for (int run = 0; run < 5; ++run) {
            fs::remove_all(target);
            fs::create_directories(target);
            CompareInWindow(window, source.string(), target.string(), true);
            const Timer timer;
            window.CopyAllToRight();
            const double seconds = timer.Seconds();
            windowSeconds = windowSeconds < 0 ? seconds : std::min(windowSeconds, seconds);

            fs::remove_all(target);
            const double cp =
                TimeShellCommand("cp -a '" + source.string() + "' '" + target.string() + "'");
            cpSeconds = cpSeconds < 0 ? cp : std::min(cpSeconds, cp);
        }
        fs::remove_all(target);
        std::printf("copy all through the window: %7.1f MB/s (best of 5)\n",
                    megabytes / windowSeconds);
        std::printf("cp -a:                       %7.1f MB/s (best of 5)\n", megabytes / cpSeconds);
        std::printf("window / cp -a:              %7.2f x (goal at least 0.7 x)\n",
                    cpSeconds / windowSeconds);
    });
}
