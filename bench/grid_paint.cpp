// Paints a grid of 100 000 rows x 8 columns in a 1280 x 800 window and
// prints the milliseconds per full repaint, per one-line scroll (which
// should paint only the uncovered strip) and per page down, with the cells
// each operation painted and the peak memory. Wall time per operation is
// paced by the toolkit's frame clock (a paint at most every 1/60 s), so the
// processor time this program spends per operation is printed as well.
// It needs a display:
//   xvfb-run -a -s "-screen 0 1400x900x24" build/bench/bench_grid_paint
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>

#include <cstdio>
#include <ctime>
#include <functional>
#include <string>

#include "BenchSupport.h"
#include "CGridCellArea.h"
#include "CSheetGrid.h"

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 8;
constexpr int kRepeats = 200;

void Fill(CSheetGrid& grid) {
    grid.SetColumnCount(kColumns, false);
    grid.SetRowCount(kRows, false);
    const char* headings[kColumns] = {"", "NAME", "SIZE", "MODIFIED", "ATTR", "A", "B", "PATH"};
    for (int column = 0; column < kColumns; ++column) {
        grid.SetCellText(column, -1, headings[column]);
        grid.SetColumnWidth(column, column == 1 || column == 7 ? 300 : 110);
    }
    CGridCell size;
    for (int row = 0; row < kRows; ++row) {
        grid.SetCellText(1, row, "file-" + std::to_string(row) + ".txt");
        size.SetNumber(row * 1234.0);
        size.SetAlignment(CGridCell::kAlignRight);
        grid.SetCell(2, row, size);
        grid.SetCellText(3, row, "01/02/24  10:20:30");
        grid.SetCellText(4, row, "A");
        grid.SetCellText(7, row, "/home/user/data/file-" + std::to_string(row) + ".txt");
    }
    grid.SetDoubleBuffering(true);
    grid.SetRowHighlight(true, true);
    grid.SetCurrentCellStyle(2);
}

// Handles events until the cell area has painted once more.
void WaitForPaint(wxEventLoopBase& loop, const CGridCellArea& area) {
    const int before = area.GetPaintCount();
    while (area.GetPaintCount() == before) {
        loop.DispatchTimeout(100);
    }
}

// Runs `step` (which must cause a paint) kRepeats times and prints the
// average time of one step with its paint.
void Measure(const char* name, wxEventLoopBase& loop, CGridCellArea& area,
             const std::function<void()>& step) {
    const Timer timer;
    const std::clock_t processorStart = std::clock();
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        step();
        WaitForPaint(loop, area);
    }
    const double processorMs =
        1000.0 * static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
    std::printf("%-16s %7.3f ms wall, %7.3f ms processor per operation, %4d cells painted\n", name,
                timer.Seconds() * 1000.0 / kRepeats, processorMs / kRepeats,
                area.GetCellsLastPainted());
}

}  // namespace

int main(int argc, char** argv) {
    PrintMachine();
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "bench_grid_paint needs a display: run it under xvfb-run -a\n");
        return 2;
    }
    {
        wxEventLoop loop;
        const wxEventLoopActivator active(&loop);
        auto* frame = new wxFrame(nullptr, wxID_ANY, "grid paint");
        frame->SetClientSize(1280, 800);
        auto* grid = new CSheetGrid();
        grid->CreateInWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(1280, 800));
        Fill(*grid);
        frame->Show();
        auto& area = *static_cast<CGridCellArea*>(grid->GetPartWindow(CSheetGrid::kCellAreaId));
        WaitForPaint(loop, area);
        std::printf("grid of %d rows x %d columns, %d x %d, cell area %d x %d\n", kRows, kColumns,
                    grid->GetSize().x, grid->GetSize().y, area.GetClientSize().x,
                    area.GetClientSize().y);

        Measure("full repaint", loop, area, [&] { grid->RedrawAll(); });
        Measure("scroll one line", loop, area, [&] { grid->SetTopRow(grid->GetTopRow() + 1); });
        Measure("page down", loop, area, [&] {
            wxKeyEvent key(wxEVT_KEY_DOWN);
            key.m_keyCode = WXK_PAGEDOWN;
            area.ProcessWindowEvent(key);
        });
        std::printf("peak memory %.1f MiB\n", PeakMemoryBytes() / (1024.0 * 1024.0));
        frame->Destroy();
        while (loop.Pending()) {
            loop.Dispatch();
        }
    }
    wxEntryCleanup();
    return 0;
}
