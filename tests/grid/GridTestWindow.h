#pragma once

#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <string>
#include <vector>

#include "CGridCellArea.h"
#include "CSheetGrid.h"
#include "GuiTest.h"

// A grid that reaches its sheet and writes down the notifications it gets,
// one line each, such as "CurrentRowChanged 0 3".
class TestableGrid : public CSheetGrid {
  public:
    using CSheetGrid::Sheet;

    std::vector<std::string> log;
    bool allowCellMove = true;
    bool allowViewMove = true;
    bool allowContextMenu = true;
    int rowsAddedPastLastRow = 0;

    void InitialiseGrid() override { Note("InitialiseGrid"); }
    void InitialiseSheet(int sheet) override { Note("InitialiseSheet", {sheet}); }
    bool AllowCurrentCellMove(int oldColumn, int oldRow, int newColumn, int newRow) override {
        Note("AllowCurrentCellMove", {oldColumn, oldRow, newColumn, newRow});
        return allowCellMove;
    }
    bool AllowViewMove(int oldLeft, int oldTop, int newLeft, int newTop) override {
        Note("AllowViewMove", {oldLeft, oldTop, newLeft, newTop});
        return allowViewMove;
    }
    void NotifyPastLastRow(int rowCount, int rowsPastEnd, int rowsFound) override {
        Note("PastLastRow", {rowCount, rowsPastEnd, rowsFound});
        if (rowsAddedPastLastRow > 0) {
            SetRowCount(rowCount + rowsAddedPastLastRow, false);
        }
    }
    void NotifyColumnResized(int column, int& width) override {
        Note("ColumnResized", {column, width});
    }
    void NotifyCurrentColumnChanged(int oldColumn, int newColumn) override {
        Note("CurrentColumnChanged", {oldColumn, newColumn});
    }
    void NotifyCurrentRowChanged(int oldRow, int newRow) override {
        Note("CurrentRowChanged", {oldRow, newRow});
    }
    void NotifyCurrentCellChanged(int oldColumn, int newColumn, int oldRow, int newRow) override {
        Note("CurrentCellChanged", {oldColumn, newColumn, oldRow, newRow});
    }
    void NotifyLeftColumnChanged(int oldColumn, int newColumn) override {
        Note("LeftColumnChanged", {oldColumn, newColumn});
    }
    void NotifyTopRowChanged(int oldRow, int newRow) override {
        Note("TopRowChanged", {oldRow, newRow});
    }
    void NotifyMenuCommand(int column, int row, int section, int id) override {
        Note("MenuCommand", {column, row, section, id});
    }
    bool AllowContextMenu(int column, int row, int section) override {
        Note("AllowContextMenu", {column, row, section});
        return allowContextMenu;
    }

    void Note(const std::string& what, const std::vector<int>& values = {}) {
        std::string line = what;
        for (const int value : values) {
            line += " " + std::to_string(value);
        }
        log.push_back(line);
    }
};

// A shown frame whose panel holds a placeholder control (identifier
// kPlaceholderId, kWidth x kHeight) in a sizer, the way a dialog provides
// one for a grid.
class GridTestWindow {
  public:
    static constexpr int kPlaceholderId = 1005;
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 300;

    GridTestWindow() {
        frame = new wxFrame(nullptr, wxID_ANY, "grid test", wxDefaultPosition, wxSize(700, 500));
        panel = new wxPanel(frame);
        placeholder = new wxWindow(panel, kPlaceholderId, wxPoint(10, 10), wxSize(kWidth, kHeight),
                                   wxBORDER_NONE);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(placeholder, 0, wxALL, 10);
        panel->SetSizer(sizer);
        frame->Show();
        YieldUntil([this] { return frame->IsShownOnScreen(); });
    }
    ~GridTestWindow() {
        frame->Destroy();
        YieldPending();
    }
    GridTestWindow(const GridTestWindow&) = delete;
    GridTestWindow& operator=(const GridTestWindow&) = delete;

    // Attaches `grid` to the placeholder; the panel then owns it.
    void Attach(CSheetGrid& grid) const { grid.AttachToDialogItem(panel, kPlaceholderId); }

    // A recording grid attached to the placeholder, with scroll bars 20
    // pixels thick, 6 columns and `rows` rows, its log empty.
    TestableGrid* AttachGridWithBars(int rows) const {
        auto* grid = new TestableGrid();
        Attach(*grid);
        EXPECT_TRUE(grid->GetHandle() != nullptr);
        grid->SetVScrollBarWidth(20);
        grid->SetHScrollBarHeight(20);
        grid->SetColumnCount(6, true);
        grid->SetRowCount(rows, true);
        grid->log.clear();
        return grid;
    }

    // Attaches `grid` with 6 columns of 75 and 10 rows of 20, every
    // column's cells in black on white.
    void AttachBlackOnWhite(TestableGrid& grid) const {
        Attach(grid);
        grid.SetColumnCount(6, true);
        grid.SetRowCount(10, true);
        for (CGridColumnEntry& column : grid.Sheet().m_columns) {
            column.m_pDefaultCell->SetTextColour(*wxBLACK);
            column.m_pDefaultCell->SetBackColour(*wxWHITE);
        }
    }

    // What the grid's cell area draws, with or without the focus mark.
    static wxImage RenderCells(CSheetGrid& grid, bool withFocus = false) {
        auto* area = static_cast<CGridCellArea*>(grid.GetPartWindow(CSheetGrid::kCellAreaId));
        wxBitmap bitmap(area->GetClientSize());
        {
            wxMemoryDC dc(bitmap);
            area->RenderAll(dc, withFocus);
        }
        return bitmap.ConvertToImage();
    }

    wxFrame* frame;
    wxPanel* panel;
    wxWindow* placeholder;
};
