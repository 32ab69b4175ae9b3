// A window with one grid of 100 000 rows for trying the control by hand:
// headings, a bitmap column, right-aligned numbers, a locked row and
// column, row numbers in the side heading and a popup menu whose commands
// show in the title bar.
#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <string>

#include "CSheetGrid.h"

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 8;
constexpr int kGridId = 1005;

// Shows the row number in the side heading of every row without storing
// 100 000 heading cells, and reports its popup menu's commands.
class DemoGrid : public CSheetGrid {
  public:
    explicit DemoGrid(wxFrame& frame) : m_frame(frame) {}

    void AdjustCellOnRead(int column, int row, CGridCell& cell) override {
        if (column == -1 && row >= 0) {
            cell.SetText(std::to_string(row + 1));
        }
    }
    void NotifyMenuCommand(int column, int row, int, int id) override {
        m_frame.SetTitle(
            wxString::Format("grid-demo: command %d on column %d, row %d", id, column, row));
    }

  private:
    wxFrame& m_frame;
};

void Fill(DemoGrid& grid) {
    grid.SetColumnCount(kColumns, false);
    grid.SetRowCount(kRows, false);
    const char* headings[kColumns] = {"",     "NAME",  "SIZE", "MODIFIED",
                                      "ATTR", "NOTES", "MORE", "FULL PATH NAME"};
    for (int column = 0; column < kColumns; ++column) {
        grid.SetCellText(column, -1, headings[column]);
    }
    const int icon = grid.AddBitmap(wxArtProvider::GetBitmap(wxART_NORMAL_FILE, wxART_MENU));
    grid.SetColumnWidth(0, 22);
    grid.SetColumnWidth(1, 220);
    grid.SetColumnWidth(7, 400);
    for (int row = 0; row < kRows; ++row) {
        grid.SetCellBitmap(0, row, icon);
        grid.SetCellText(1, row, "file-" + std::to_string(row) + ".txt");
        CGridCell size;
        size.SetNumber(row * 1234.0);
        size.SetAlignment(CGridCell::kAlignRight);
        grid.SetCell(2, row, size);
        grid.SetCellText(3, row, "01/02/24  10:20:30");
        grid.SetCellText(4, row, row % 3 == 0 ? "R" : "A");
        if (row % 5 == 0) {
            grid.SetCellText(5, row, "a long note that runs on into the empty cell beside it");
        }
        grid.SetCellText(7, row, "/home/user/data/file-" + std::to_string(row) + ".txt");
    }
    grid.SetLockedColumns(2);
    grid.SetLockedRows(1);
    grid.SetCellTextColour(1, 0, *wxBLUE);
    grid.EnablePopupMenu(true);
    grid.AddPopupMenuItem(1000, "Copy To Right");
    grid.AddPopupMenuItem(1001, "Copy To Left");
    grid.AddPopupMenuItem(-1, "");
    grid.AddPopupMenuItem(1002, "Delete");
    grid.EnableHints(true);
    grid.EnableScrollHints(true, true);
    grid.SetDoubleBuffering(true);
    grid.SetRowHighlight(true, true);
    grid.SetCurrentCellStyle(2);
    grid.EnableColumnDragging(true);
}

class DemoApp : public wxApp {
  public:
    bool OnInit() override {
        auto* frame =
            new wxFrame(nullptr, wxID_ANY, "grid-demo", wxDefaultPosition, wxSize(1000, 650));
        auto* panel = new wxPanel(frame);
        auto* placeholder = new wxWindow(panel, kGridId);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(placeholder, 1, wxEXPAND | wxALL, 8);
        panel->SetSizer(sizer);
        auto* grid = new DemoGrid(*frame);
        if (!grid->AttachToDialogItem(panel, kGridId)) {
            return false;
        }
        Fill(*grid);
        frame->Show();
        grid->SetFocus();
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(DemoApp);
