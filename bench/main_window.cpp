// Times one compare run of 100 000 file pairs in the main window (listing,
// reading, filling both grids and fitting their columns), a window resize
// after it, and the process's peak memory. Needs a display:
//   xvfb-run -a build/bench/bench_main_window
#include <fcntl.h>
#include <sys/stat.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "BenchSupport.h"
#include "CCompareDlg.h"
#include "CProfile.h"
#include "CResultGrid.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;

// Both sides alike: small files with equal content and times, so that every
// pair is read and found identical.
void MakeTrees(const fs::path& root) {
    if (fs::exists(root / "done")) {
        return;
    }
    fs::remove_all(root);
    for (const char* side : {"L", "R"}) {
        for (int folder = 0; folder < kFolders; ++folder) {
            const fs::path dir = root / side / ("dir" + std::to_string(folder));
            fs::create_directories(dir);
            for (int file = 0; file < kFilesPerFolder; ++file) {
                const fs::path path = dir / ("file" + std::to_string(file) + ".dat");
                std::ofstream(path) << "content " << folder << ' ' << file << '\n';
                const struct timespec times[2] = {{1600000000, 0}, {1600000000, 0}};
                utimensat(AT_FDCWD, path.c_str(), times, 0);
            }
        }
    }
    std::ofstream(root / "done") << "trees complete\n";
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path root = fs::temp_directory_path() / "vantrel-bench-window";
    std::printf("main window: generating %d files per side in %s\n", kFolders * kFilesPerFolder,
                root.c_str());
    MakeTrees(root);

    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run under xvfb-run\n");
        return 2;
    }
    {
        wxGUIEventLoop loop;
        const wxEventLoopActivator activate(&loop);
        CProfile profile((root / "Vantrel.INI").string());
        auto* window = new CCompareDlg(profile);
        window->Show();
        window->m_strLeftFolder = (root / "L").string() + "/";
        window->m_strRightFolder = (root / "R").string() + "/";
        window->m_bRecurse = true;
        window->UpdateData(false);
        const long baseline = PeakMemoryBytes();

        window->OnCompare();  // warms the cache
        const Timer run;
        window->OnCompare();
        const double runSeconds = run.Seconds();

        const Timer resize;
        for (int step = 1; step <= 10; ++step) {
            window->SetSize(window->GetSize() + wxSize(step % 2 ? 40 : -40, 0));
            window->LayoutControls();
        }
        const double resizeMs = resize.Seconds() * 1000 / 10;

        const int rows = window->LeftGrid().GetRowCount();
        std::printf("rows:                 %d (%d equal)\n", rows, window->m_counts.equal);
        std::printf("compare run:          %.2f s\n", runSeconds);
        std::printf("resize and relayout:  %.1f ms\n", resizeMs);
        std::printf("peak memory:          %ld MB (%ld bytes per row above the empty window)\n",
                    PeakMemoryBytes() / 1000000, (PeakMemoryBytes() - baseline) / rows);
        window->Destroy();
    }
    wxEntryCleanup();
    return 0;
}
