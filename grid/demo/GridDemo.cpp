// A window for trying the grid by hand. The first sheet holds 100 000 rows:
// headings, a bitmap column, right-aligned numbers, a locked row and
// column, row numbers in the side heading and a popup menu whose commands
// show in the title bar. The second sheet shows every cell type and
// in-place editing: typing, F2 or a double click edits a cell; Ctrl+F finds
// and Ctrl+H replaces.
#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/fdrepdlg.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <string>

#include "CGridCheckBoxType.h"
#include "CGridDropListType.h"
#include "CGridSideArrowsType.h"
#include "CSheetGrid.h"

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 8;
constexpr int kGridId = 1005;
constexpr int kTabBarWidth = 130;

// Shows the row number in the side heading of every row without storing
// 100 000 heading cells, reports its popup menu's commands, and starts
// editing on a typed character, F2 or a double click.
class DemoGrid : public CSheetGrid {
  public:
    explicit DemoGrid(wxFrame& frame) : m_frame(frame) {}

    void InitialiseSheet(int) override { Sheet().m_nTabBarWidth = kTabBarWidth; }
    void AdjustCellOnRead(int column, int row, CGridCell& cell) override {
        if (column == -1 && row >= 0) {
            cell.SetText(std::to_string(row + 1));
        }
    }
    void NotifyMenuCommand(int column, int row, int, int id) override {
        m_frame.SetTitle(
            wxString::Format("grid-demo: command %d on column %d, row %d", id, column, row));
    }
    void NotifyKeyDown(int& key, bool handled) override {
        if (!handled && key == WXK_F2) {
            StartEdit(GetCurrentColumn(), GetCurrentRow(), 0);
        }
    }
    void NotifyCharacter(int& character, bool handled) override {
        if (!handled && character >= ' ' && character != 127) {
            StartEdit(GetCurrentColumn(), GetCurrentRow(), character);
        }
    }
    void NotifyCellDoubleClick(int column, int row, const wxRect&, const wxPoint&,
                               bool handled) override {
        if (!handled) {
            StartEdit(column, row, 0);
        }
    }

  private:
    wxFrame& m_frame;
};

void FillManyRows(DemoGrid& grid) {
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
    grid.AddPopupMenuItem(1000, "Copy To Right");
    grid.AddPopupMenuItem(1001, "Copy To Left");
    grid.AddPopupMenuItem(-1, "");
    grid.AddPopupMenuItem(1002, "Delete");
    grid.EnablePopupMenu(true);
    grid.EnableHints(true);
    grid.EnableScrollHints(true, true);
    grid.SetDoubleBuffering(true);
    grid.SetRowHighlight(true, true);
    grid.SetCurrentCellStyle(2);
    grid.EnableColumnDragging(true);
}

// One row of the cell-type sheet.
void FillCellTypeRow(DemoGrid& grid, int row) {
    static const char* const kItems[] = {"Bolts", "Nuts", "Washers", "Screws", "Rivets"};
    static const char* const kColours[] = {"Red", "Green", "Blue", "Yellow"};
    static const int kArrows[] = {
        CGridSideArrowsType::kStyleOneRight, CGridSideArrowsType::kStyleOneLeft,
        CGridSideArrowsType::kStyleTwoRight, CGridSideArrowsType::kStyleTwoLeft};
    grid.SetCellText(0, row, kItems[row % 5] + std::string(" ") + std::to_string(row + 1));

    CGridCell phone;
    phone.SetInputMask("(999) 999-9999");
    if (row % 2 == 0) {
        phone.SetText("(555) 010-" + std::to_string(1000 + row));
    }
    grid.SetCell(1, row, phone);
    CGridCell code;
    code.SetInputMask("999-999");
    grid.SetCell(2, row, code);

    CGridCell colour;
    colour.SetCellTypeIndex(CSheetGrid::kDropListCellType);
    colour.SetLabel("Red\nGreen\nBlue\nYellow\n");
    colour.SetText(kColours[row % 4]);
    grid.SetCell(3, row, colour);

    CGridCell done;
    done.SetCellTypeIndex(CSheetGrid::kCheckBoxCellType);
    done.SetNumber(row % 2);
    done.SetLabel(row % 2 ? "shipped" : "open");
    grid.SetCell(4, row, done);
    CGridCell state;
    state.SetCellTypeIndex(CSheetGrid::kCheckBoxCellType);
    state.SetCellTypeStyle(CGridCheckBoxType::kStyleThreeStates | CGridCheckBoxType::kStyleSunken);
    state.SetNumber(row % 3);
    state.SetLabel(row % 3 == 2 ? "partly" : "");
    grid.SetCell(5, row, state);

    CGridCell arrows;
    arrows.SetCellTypeIndex(CSheetGrid::kSideArrowsCellType);
    arrows.SetCellTypeStyle(kArrows[row % 4]);
    grid.SetCell(6, row, arrows);

    CGridCell amount;
    amount.SetNumber(row * 12.5);
    amount.SetAlignment(CGridCell::kAlignRight);
    grid.SetCell(7, row, amount);
}

void FillCellTypes(DemoGrid& grid) {
    constexpr int kTypeRows = 40;
    grid.SetColumnCount(kColumns, false);
    grid.SetRowCount(kTypeRows, false);
    const char* headings[kColumns] = {"ITEM", "PHONE (MASK)", "CODE 999-999", "COLOUR",
                                      "DONE", "3 STATES",     "ARROWS",       "AMOUNT"};
    const int widths[kColumns] = {110, 130, 115, 110, 100, 100, 75, 90};
    for (int column = 0; column < kColumns; ++column) {
        grid.SetCellText(column, -1, headings[column]);
        grid.SetColumnWidth(column, widths[column]);
    }
    for (int row = 0; row < kTypeRows; ++row) {
        FillCellTypeRow(grid, row);
    }
    grid.EnableMultipleSelection(true);
    // A found cell shows even while the find dialog has the focus.
    grid.SetCurrentCellStyle(2);
}

class DemoFrame : public wxFrame {
  public:
    DemoFrame() : wxFrame(nullptr, wxID_ANY, "grid-demo", wxDefaultPosition, wxSize(1000, 650)) {
        auto* menu = new wxMenu;
        menu->Append(wxID_FIND, "&Find...\tCtrl+F");
        menu->Append(wxID_REPLACE, "&Replace...\tCtrl+H");
        auto* bar = new wxMenuBar;
        bar->Append(menu, "&Edit");
        SetMenuBar(bar);
        Bind(
            wxEVT_MENU, [this](wxCommandEvent&) { OpenFind(0); }, wxID_FIND);
        Bind(
            wxEVT_MENU, [this](wxCommandEvent&) { OpenFind(wxFR_REPLACEDIALOG); }, wxID_REPLACE);
        Bind(wxEVT_FIND_CLOSE, [this](wxFindDialogEvent&) {
            m_pFind->Destroy();
            m_pFind = nullptr;
        });
    }

    bool AttachGrid() {
        auto* panel = new wxPanel(this);
        auto* placeholder = new wxWindow(panel, kGridId);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(placeholder, 1, wxEXPAND | wxALL, 8);
        panel->SetSizer(sizer);
        m_pGrid = new DemoGrid(*this);
        if (!m_pGrid->AttachToDialogItem(panel, kGridId)) {
            return false;
        }
        FillManyRows(*m_pGrid);
        m_pGrid->SetSheetCount(2);
        m_pGrid->SetCurrentSheet(1, false);
        FillCellTypes(*m_pGrid);
        return true;
    }

  private:
    void OpenFind(int style) {
        if (m_pFind != nullptr) {
            m_pFind->Destroy();
        }
        m_findData.SetFlags(wxFR_DOWN);
        m_pFind = new wxFindReplaceDialog(
            this, &m_findData, style ? "Replace in the grid" : "Find in the grid", style);
        m_pGrid->SetFindDialog(m_pFind);
        m_pFind->Show();
    }

    DemoGrid* m_pGrid = nullptr;
    wxFindReplaceData m_findData;
    wxFindReplaceDialog* m_pFind = nullptr;
};

class DemoApp : public wxApp {
  public:
    bool OnInit() override {
        auto* frame = new DemoFrame();
        if (!frame->AttachGrid()) {
            return false;
        }
        frame->Show();
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(DemoApp);
