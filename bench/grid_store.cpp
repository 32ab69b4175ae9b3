// Fills a grid of 1 000 000 rows x 6 text cells (40 bytes of text on
// average) through SetCellText, reads every cell back in order through
// GetCellText, and prints the time of each pass and the peak memory.
// The grid needs wxWidgets started, so run it with a display:
//   xvfb-run -a build/bench/bench_grid_store
#include <wx/app.h>

#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "CSheetGrid.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kColumns = 6;

// A text of 20 to 60 bytes (40 on average) that names its cell, such as
// "r123c4:defghij...".
void MakeText(int column, int row, std::string& text) {
    static const std::string kLetters(64, 'x');
    const size_t length = 20 + static_cast<size_t>(row * 7 + column * 13) % 41;
    char name[24];
    const int named = std::snprintf(name, sizeof name, "r%dc%d:", row, column);
    text.assign(name, static_cast<size_t>(named));
    text.append(kLetters, 0, length - text.size());
}

}  // namespace

int main(int argc, char** argv) {
    PrintMachine();
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "bench_grid_store needs a display: run it under xvfb-run -a\n");
        return 2;
    }
    int result = 0;
    {
        CSheetGrid grid;
        grid.SetColumnCount(kColumns, false);
        grid.SetRowCount(kRows, false);

        std::string text;
        size_t bytesWritten = 0;
        const Timer fillTimer;
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                MakeText(column, row, text);
                bytesWritten += text.size();
                grid.SetCellText(column, row, text);
            }
        }
        const double fillSeconds = fillTimer.Seconds();

        size_t bytesRead = 0;
        size_t missing = 0;
        const Timer readTimer;
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                const std::optional<std::string> read = grid.GetCellText(column, row);
                if (read) {
                    bytesRead += read->size();
                } else {
                    ++missing;
                }
            }
        }
        const double readSeconds = readTimer.Seconds();

        // Spot checks that the texts read are the texts written.
        size_t wrong = 0;
        for (int row = 0; row < kRows; row += 9973) {
            MakeText(row % kColumns, row, text);
            wrong += grid.GetCellText(row % kColumns, row) != text ? 1 : 0;
        }

        const double cells = static_cast<double>(kRows) * kColumns;
        std::printf("grid store: %d rows x %d text cells, %.1f bytes of text per cell\n", kRows,
                    kColumns, static_cast<double>(bytesWritten) / cells);
        std::printf("fill through SetCellText:  %.3f s (%.0f cells/s)\n", fillSeconds,
                    cells / fillSeconds);
        std::printf("read through GetCellText:  %.3f s (%.0f cells/s)\n", readSeconds,
                    cells / readSeconds);
        std::printf("peak memory:               %.0f MB\n",
                    static_cast<double>(PeakMemoryBytes()) / (1024.0 * 1024.0));
        if (bytesRead != bytesWritten || missing > 0 || wrong > 0) {
            std::printf("MISMATCH: %zu bytes read of %zu written, %zu cells missing, %zu wrong\n",
                        bytesRead, bytesWritten, missing, wrong);
            result = 1;
        }
    }
    wxEntryCleanup();
    return result;
}
