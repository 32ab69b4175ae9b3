#include "CSheetGrid.h"

#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/uiaction.h>

#include <cctype>

#include "CGridCellAttachment.h"
#include "GridTestWindow.h"

namespace {

// Cell types the tests register: one that widens every column it is told
// of, and one that doubles the parameter it is given.
class WideningCellType : public CGridCellType {
  public:
    using CGridCellType::CGridCellType;
    std::vector<int> rowsTold;
    void OnWidthChanged(int, int row, int& width) override {
        rowsTold.push_back(row);
        width += 10;
    }
    int SetParameter(intptr_t value) override { return static_cast<int>(value * 2); }
};

}  // namespace

// A grid attached to a 500 x 300 placeholder, with scroll bars 20 pixels
// thick, 6 columns and 10 rows.
class SheetGridTest : public testing::Test {
  protected:
    void SetUp() override { grid = window.AttachGridWithBars(10); }

    GridTestWindow window;
    TestableGrid* grid = nullptr;
};

TEST_F(SheetGridTest, AttachTakesThePlaceholdersPlaceAndTheDialogsFonts) {
    EXPECT_EQ(window.panel->FindWindow(GridTestWindow::kPlaceholderId), grid);
    EXPECT_EQ(grid->GetParent(), window.panel);
    EXPECT_EQ(grid->GetSize(), wxSize(GridTestWindow::kWidth, GridTestWindow::kHeight));
    EXPECT_EQ(window.panel->GetSizer()->GetItem(grid)->GetWindow(), grid);

    ASSERT_NE(grid->GetDefaultFont(), nullptr);
    EXPECT_EQ(*grid->GetDefaultFont(), window.panel->GetFont());
    const wxFont* headingFont = grid->Sheet().m_headingDefaultCell.GetFont();
    ASSERT_NE(headingFont, nullptr);
    EXPECT_EQ(headingFont->GetNumericWeight(), window.panel->GetFont().GetNumericWeight() + 200);
    EXPECT_TRUE(grid->Sheet().m_bReady);
    EXPECT_EQ(grid->AttachToDialogItem(window.panel, GridTestWindow::kPlaceholderId), 0)
        << "a grid attaches once";
}

TEST(SheetGridAttach, RunsTheInitialisationsOnceAndRefusesAMissingPlaceholder) {
    GridTestWindow window;
    auto* grid = new TestableGrid();
    EXPECT_EQ(grid->AttachToDialogItem(window.panel, 4711), 0);
    EXPECT_EQ(grid->AttachToDialogItem(window.panel, GridTestWindow::kPlaceholderId), 1);
    EXPECT_EQ(grid->log, (std::vector<std::string>{"InitialiseGrid", "InitialiseSheet 0"}));
}

TEST_F(SheetGridTest, ReadMergesColumnDefaultsHeadingDefaultsAndStoredCells) {
    grid->Sheet().m_columns[1].m_pDefaultCell->SetAlignment(CGridCell::kAlignRight);
    ASSERT_EQ(grid->SetCellText(1, 2, "stored"), 0);
    CGridCell cell;
    grid->GetCell(1, 2, cell);
    EXPECT_EQ(cell.GetText(), "stored");
    EXPECT_EQ(cell.GetAlignment(), CGridCell::kAlignRight);

    grid->GetCell(1, -1, cell);
    EXPECT_EQ(cell.GetBackColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    EXPECT_EQ(cell.GetBorderStyle(), CGridCell::kBorderRaised);
    EXPECT_EQ(cell.GetAlignment(), CGridCell::kAlignCentre | CGridCell::kAlignVCentre);
    EXPECT_FALSE(cell.HasMask(CGridCell::kText));
}

TEST_F(SheetGridTest, CellsPastTheLastRowShowOnlyDefaults) {
    EXPECT_EQ(grid->SetCellText(0, 10, "one past the end"), 0)
        << "the row after the last is writable";
    EXPECT_FALSE(grid->GetCellText(0, 10).has_value());
    CGridCell cell;
    cell.SetLabel("leftover");
    grid->GetCell(0, 12, cell);
    EXPECT_EQ(cell.GetLabel(), "") << "the read starts from the defaults alone";
    grid->SetRowCount(11, true);
    EXPECT_EQ(grid->GetCellText(0, 10), "one past the end");
}

TEST_F(SheetGridTest, WritesOutsideTheGridAndItsHeadingsAreRefused) {
    CGridCell cell;
    cell.SetText("x");
    EXPECT_EQ(grid->SetCell(-2, 0, cell), 1);
    EXPECT_EQ(grid->SetCell(0, -2, cell), 1);
    EXPECT_EQ(grid->SetCell(7, 0, cell), 1);
    EXPECT_EQ(grid->SetCell(0, 11, cell), 1);
    EXPECT_EQ(grid->SetCell(-1, -1, cell), 0);
    EXPECT_EQ(grid->SetCell(6, 10, cell), 0);
    EXPECT_EQ(grid->SetCellText(9, 0, "x"), 1) << "a failed write is not reported as done";
    EXPECT_EQ(grid->GetCellText(-1, -1), "x");
}

TEST_F(SheetGridTest, ConvenienceSettersChangeOneStoredPropertyAndKeepTheRest) {
    grid->SetCellText(2, 3, "text");
    grid->SetCellTextColour(2, 3, *wxRED);
    grid->SetCellAlignment(2, 3, CGridCell::kAlignRight);
    const int bitmap = grid->AddBitmap(wxBitmap(8, 8));
    grid->SetCellBitmap(2, 3, bitmap);
    CGridCell cell;
    grid->GetCell(2, 3, cell);
    EXPECT_EQ(cell.GetText(), "text");
    EXPECT_EQ(cell.GetTextColour(), *wxRED);
    EXPECT_EQ(cell.GetAlignment(), CGridCell::kAlignRight);
    EXPECT_NE(cell.GetBitmap(), nullptr);
    grid->SetCellBitmap(2, 3, bitmap + 1);
    grid->GetCell(2, 3, cell);
    EXPECT_EQ(cell.GetBitmap(), nullptr) << "an index without a bitmap clears it";
}

TEST_F(SheetGridTest, ColumnCountRebuildsTheTableWithFreshDefaults) {
    grid->SetColumnWidth(0, 120);
    grid->Sheet().m_columns[0].m_pDefaultCell->SetText("old default");
    EXPECT_EQ(grid->SetColumnCount(0, true), 0);
    EXPECT_EQ(grid->GetCurrentColumn(), -1);
    EXPECT_EQ(grid->SetColumnCount(6, true), 0);
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(grid->GetColumnWidth(column), 75);
        EXPECT_FALSE(grid->Sheet().m_columns[column].m_pDefaultCell->HasMask(CGridCell::kText));
        EXPECT_EQ(grid->Sheet().m_columns[column].m_nDataSourceColumn, column);
    }
    EXPECT_EQ(grid->GetCurrentColumn(), 0);
    EXPECT_EQ(grid->SetColumnCount(-1, true), 1);
    EXPECT_EQ(grid->SetColumnCount(32001, true), 1);
}

TEST_F(SheetGridTest, RowCountOfZeroLeavesNoCurrentRowUntilRowsCome) {
    grid->GotoRow(7);
    EXPECT_EQ(grid->SetRowCount(0, true), 0);
    EXPECT_EQ(grid->GetCurrentRow(), -1);
    EXPECT_EQ(grid->SetRowCount(5, true), 0);
    EXPECT_EQ(grid->GetCurrentRow(), 0);
    grid->GotoRow(4);
    grid->SetRowCount(2, true);
    EXPECT_EQ(grid->GetCurrentRow(), 1) << "cut to the last row";
    EXPECT_EQ(grid->SetRowCount(-1, true), 1);
}

TEST_F(SheetGridTest, RowCountsAboveTheLimitUseUniformHeight) {
    grid->SetRowHeight(3, 40);
    EXPECT_EQ(grid->GetRowHeight(3), 40);
    grid->SetRowCount(64001, false);
    EXPECT_TRUE(grid->Sheet().m_bUniformHeight);
    EXPECT_EQ(grid->GetRowHeight(3), 20);
    EXPECT_EQ(grid->GetRowHeight(64001), 0);
}

TEST_F(SheetGridTest, DeleteRowOfTheOnlyRowLeavesAnEmptyGrid) {
    grid->SetRowCount(1, true);
    grid->SetCellText(0, 0, "only");
    EXPECT_EQ(grid->DeleteRow(1), 1);
    EXPECT_EQ(grid->DeleteRow(0), 0);
    EXPECT_EQ(grid->GetRowCount(), 0);
    EXPECT_EQ(grid->GetCurrentRow(), -1);
    EXPECT_EQ(grid->GetDataSource(0)->GetLastRow(), -1);
}

TEST_F(SheetGridTest, FitColumnsToWidthScalesAndGivesTheRestToTheLastColumn) {
    grid->SetSideHeadingWidth(0);
    grid->SetVScrollBarWidth(0);
    ASSERT_EQ(grid->Sheet().m_layout.cellArea.width, 500);
    const int widths[] = {100, 100, 100, 100, 200};
    for (int column = 0; column < 5; ++column) {
        grid->SetColumnWidth(column, widths[column]);
    }
    EXPECT_EQ(grid->FitColumnsToWidth(0, 4), 0);
    std::vector<int> fitted;
    for (int column = 0; column < 5; ++column) {
        fitted.push_back(grid->GetColumnWidth(column));
    }
    EXPECT_EQ(fitted, (std::vector<int>{83, 83, 83, 83, 168}));
    EXPECT_EQ(grid->GetColumnWidth(5), 75) << "columns outside the range keep their width";

    for (int column = 0; column < 5; ++column) {
        grid->SetColumnWidth(column, 0);
    }
    EXPECT_EQ(grid->FitColumnsToWidth(0, 4), 0);
    EXPECT_EQ(grid->GetColumnWidth(0), 100) << "columns of no width share the area";
    EXPECT_EQ(grid->FitColumnsToWidth(3, 2), 1);
    EXPECT_EQ(grid->FitColumnsToWidth(0, 6), 1);
}

TEST_F(SheetGridTest, FitColumnsToContentMeasuresTextsAndHeadingsInTheirFonts) {
    const std::string heading = "A rather long heading";
    grid->SetCellText(0, -1, heading);
    grid->SetCellText(0, 0, "x");
    grid->SetCellText(0, 5, "a text well beyond the row limit");
    wxClientDC dc(grid);
    dc.SetFont(*grid->GetDefaultFont());
    const int textWidth = dc.GetTextExtent("x").x;
    dc.SetFont(*grid->Sheet().m_headingDefaultCell.GetFont());
    const int headingWidth = dc.GetTextExtent(heading).x;

    EXPECT_EQ(grid->FitColumnsToContent(0, 0, 3, 0), 0);
    EXPECT_EQ(grid->GetColumnWidth(0), textWidth + 6 + 2) << "rows 0..2 only";
    EXPECT_EQ(grid->FitColumnsToContent(0, 0, 3, 1), 0);
    EXPECT_EQ(grid->GetColumnWidth(0), headingWidth + 6 + 2);
    EXPECT_EQ(grid->log.back(), "ColumnResized 0 " + std::to_string(headingWidth + 8));

    grid->SetCellText(1, 0, std::string(400, 'W'));
    grid->FitColumnsToContent(1, 1, 10, 0);
    EXPECT_EQ(grid->GetColumnWidth(1), grid->Sheet().m_layout.cellArea.width - 20)
        << "no wider than the cell area less the scroll bar";

    // The same text in the heading's font and in a larger cell font is
    // measured in each.
    const wxFont large(wxFontInfo(20));
    CGridCell largeCell = CGridCell::Blank();
    largeCell.SetText("WWWW");
    largeCell.SetFont(&large);
    grid->SetCellText(2, -1, "WWWW");
    grid->SetCell(2, 0, largeCell);
    dc.SetFont(large);
    const int largeWidth = dc.GetTextExtent("WWWW").x;
    grid->FitColumnsToContent(2, 2, 2, 1);
    EXPECT_EQ(grid->GetColumnWidth(2), largeWidth + 6 + 2);
    grid->GetDataSource(0)->DeleteCell(2, 0);  // the font ends with this test

    EXPECT_EQ(grid->FitColumnsToContent(-2, 0, 1, 0), 1);
    EXPECT_EQ(grid->FitColumnsToContent(0, 6, 1, 0), 2);
    EXPECT_EQ(grid->FitColumnsToContent(2, 1, 1, 0), 3);
}

TEST_F(SheetGridTest, ColumnWidthGoesThroughTheShownCellsTypesAndTheNotification) {
    auto owned = std::make_unique<WideningCellType>(*grid);
    WideningCellType* widening = owned.get();
    const int index = grid->AddCellType(std::move(owned));
    EXPECT_EQ(index, 4) << "after the four built-in slots";
    grid->SetCellType(2, 1, index);
    grid->SetCellType(2, 3, index);

    EXPECT_EQ(grid->SetColumnWidth(2, 50), 0);
    EXPECT_EQ(widening->rowsTold, (std::vector<int>{1, 3}));
    EXPECT_EQ(grid->GetColumnWidth(2), 70);
    EXPECT_EQ(grid->log, (std::vector<std::string>{"ColumnResized 2 70"}));
    EXPECT_EQ(grid->SetColumnWidth(6, 50), 1);
    grid->SetColumnWidth(3, -5);
    EXPECT_EQ(grid->GetColumnWidth(3), 0) << "a negative width hides the column";
    EXPECT_EQ(grid->SetCellTypeParameter(index, 21), 42);
}

TEST_F(SheetGridTest, CellTypeLookupFallsBackToTheNormalType) {
    CGridCell cell;
    EXPECT_EQ(grid->CellTypeOf(cell).GetIndex(), CSheetGrid::kNormalCellType);
    cell.SetCellTypeIndex(CSheetGrid::kSideArrowsCellType + 1);
    EXPECT_EQ(grid->CellTypeOf(cell).GetName(), "Normal Cell Type (default)")
        << "the first index past the built-in types";
    cell.SetCellTypeIndex(99);
    EXPECT_EQ(grid->CellTypeOf(cell).GetIndex(), CSheetGrid::kNormalCellType);
}

TEST_F(SheetGridTest, HeadingSizesScaleInProportionAndZeroHidesAPart) {
    EXPECT_EQ(grid->SetSideHeadingWidth(80), 0);
    EXPECT_EQ(grid->Sheet().m_sideHeadingWidths, (std::vector<int>{50})) << "25 of 40, of 80";
    EXPECT_EQ(grid->SetTopHeadingHeight(0), 0);
    EXPECT_EQ(grid->SetTopHeadingHeight(30), 0);
    EXPECT_EQ(grid->Sheet().m_topHeadingHeights, (std::vector<int>{30}));
    EXPECT_EQ(grid->SetTopHeadingHeight(1025), 1);
    EXPECT_EQ(grid->SetTopHeadingRowHeight(-1, 2000), 2);
    EXPECT_EQ(grid->SetTopHeadingRowHeight(-2, 10), 1);
    EXPECT_EQ(grid->SetRowHeight(-1, 24), 0);
    EXPECT_EQ(grid->Sheet().m_nTopHeadingHeight, 24);

    grid->SetRowCount(100, true);
    grid->SetSideHeadingWidth(0);
    grid->SetVScrollBarWidth(0);
    const CGridLayoutRects& layout = grid->Sheet().m_layout;
    EXPECT_EQ(layout.sideHeading.width, 0);
    EXPECT_EQ(layout.vScrollBar.width, 0);
    EXPECT_EQ(layout.cellArea, wxRect(0, 24, 500, 276));
}

TEST_F(SheetGridTest, HintTextByDefaultNamesTheCell) {
    std::string text;
    EXPECT_EQ(grid->GetHintText(3, 7, CSheetGrid::kSectionCellArea, text), 1);
    EXPECT_EQ(text, "Col:3 Row:7");
}

TEST_F(SheetGridTest, FontsAreSharedAndCounted) {
    const wxFont font(wxFontInfo(11).FaceName("Liberation Sans"));
    const int first = grid->AddFont(font);
    EXPECT_EQ(grid->AddFont(wxFont(wxFontInfo(11).FaceName("Liberation Sans"))), first);
    EXPECT_NE(grid->AddFont(wxFont(wxFontInfo(12).FaceName("Liberation Sans"))), first);
    EXPECT_EQ(grid->SetDefaultFont(nullptr), 1);
}

TEST_F(SheetGridTest, SheetsKeepTheirOwnCellsAndCounts) {
    EXPECT_EQ(grid->SetSheetCount(3), 0);
    EXPECT_EQ(grid->log, (std::vector<std::string>{"InitialiseSheet 1", "InitialiseSheet 2"}));
    EXPECT_EQ(grid->GetCurrentSheet(), 0);
    grid->SetCellText(0, 0, "first sheet");
    EXPECT_EQ(grid->SetCurrentSheet(2, true), 0);
    EXPECT_EQ(grid->GetRowCount(), 0);
    EXPECT_TRUE(grid->Sheet().m_bReady);
    EXPECT_EQ(grid->GetDefaultFont(), grid->Sheet().m_pDefaultFont);
    EXPECT_NE(grid->GetDefaultFont(), nullptr) << "a new sheet takes the grid's fonts";
    grid->SetRowCount(1, true);
    grid->SetColumnCount(1, true);
    EXPECT_FALSE(grid->GetCellText(0, 0).has_value());

    EXPECT_EQ(grid->SetSheetCount(2), 0);
    EXPECT_EQ(grid->GetCurrentSheet(), 1) << "the current sheet was removed";
    EXPECT_EQ(grid->SetCurrentSheet(0, false), 0);
    EXPECT_EQ(grid->GetCellText(0, 0), "first sheet");
    EXPECT_EQ(grid->SetSheetCount(0), 1);
    EXPECT_EQ(grid->SetSheetCount(1025), 1);
    EXPECT_EQ(grid->SetCurrentSheet(2, true), 1);
}

TEST_F(SheetGridTest, PopupMenuAsksBeforeOpeningAndReportsItsCommands) {
    EXPECT_EQ(grid->OpenPopupMenu(1, 1, CSheetGrid::kSectionCellArea, wxPoint(5, 5)), 1)
        << "not enabled";
    grid->EnablePopupMenu(true);
    grid->allowContextMenu = false;
    EXPECT_EQ(grid->OpenPopupMenu(1, 2, CSheetGrid::kSectionCellArea, wxPoint(5, 5)), 2);

    grid->AddPopupMenuItem(1000, "First");
    grid->AddPopupMenuItem(-1, "");
    grid->AddPopupMenuItem(999, "Below the range");
    grid->allowContextMenu = true;
    grid->log.clear();
    // The menu is answered from within its own event loop: a command, then closed.
    grid->CallAfter([this] {
        wxCommandEvent below(wxEVT_MENU, 999);
        grid->ProcessWindowEvent(below);
        wxCommandEvent chosen(wxEVT_MENU, 1000);
        grid->ProcessWindowEvent(chosen);
        wxUIActionSimulator().Char(WXK_ESCAPE);
    });
    EXPECT_EQ(grid->OpenPopupMenu(3, 4, CSheetGrid::kSectionCellArea, wxPoint(5, 5)), 0);
    EXPECT_EQ(grid->log,
              (std::vector<std::string>{"AllowContextMenu 3 4 1", "MenuCommand 3 4 1 1000"}));
    EXPECT_EQ(grid->ClearPopupMenu(), 0);
}

namespace {

// A grid that marks odd rows when they are read, writes texts in capitals
// and sorts backwards.
class AdjustingGrid : public CSheetGrid {
  public:
    void AdjustCellOnRead(int, int row, CGridCell& cell) override {
        if (row % 2 == 1) {
            cell.SetBackColour(*wxBLUE);
        }
    }
    void AdjustCellOnWrite(int, int, CGridCell& cell) override {
        std::string text = cell.GetText();
        for (char& c : text) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        cell.SetText(text);
    }
    int CompareCells(const CGridCell* a, const CGridCell* b, int flags) override {
        return -CSheetGrid::CompareCells(a, b, flags);
    }
    int NotifyFromCellType(int, int, int, int message, intptr_t) override { return message + 1; }
};

class CountingAttachment : public CGridCellAttachment {
  public:
    int reads = 0;
    void OnCellRead(CGridCell& cell) override {
        ++reads;
        cell.SetLabel("seen");
    }
};

}  // namespace

TEST(SheetGridSubclass, OverriddenNotificationsAdjustReadsWritesAndSorting) {
    GridTestWindow window;
    auto* grid = new AdjustingGrid();
    window.Attach(*grid);
    grid->SetColumnCount(1, true);
    grid->SetRowCount(3, true);
    grid->SetCellText(0, 0, "b");
    grid->SetCellText(0, 1, "c");
    grid->SetCellText(0, 2, "a");

    CGridCell cell;
    grid->GetCell(0, 1, cell);
    EXPECT_EQ(cell.GetText(), "C");
    EXPECT_EQ(cell.GetBackColour(), *wxBLUE);
    grid->GetCell(0, 0, cell);
    EXPECT_EQ(cell.GetBackColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));

    EXPECT_EQ(grid->GetDataSource(0)->SortByColumn(0, 0), 0);
    EXPECT_EQ(grid->GetCellText(0, 0), "C");
    EXPECT_EQ(grid->GetCellText(0, 2), "A") << "the store sorts by the grid's comparison";
    EXPECT_EQ(grid->CellTypeOf(cell).Notify(0, 0, 0, 41, 0), 42) << "cell types report to the grid";
}

TEST_F(SheetGridTest, AttachedObjectsSeeEveryReadAfterTheGrid) {
    CountingAttachment attachment;
    CGridCell stored = CGridCell::Blank();
    stored.SetAttachmentB(&attachment);
    grid->SetCell(1, 1, stored);
    CGridCell cell;
    grid->GetCell(1, 1, cell);
    grid->GetCell(1, 1, cell);
    EXPECT_EQ(attachment.reads, 2);
    EXPECT_EQ(cell.GetLabel(), "seen");
    // The attachment ends with this test; the grid must not paint it later.
    grid->GetDataSource(0)->DeleteCell(1, 1);
}
