#include <gtest/gtest.h>

#include "CGridMemDataSource.h"
#include "GridTestWindow.h"

namespace {

using Log = std::vector<std::string>;

// A store that writes down what the grid asks and tells it, in the grid's log.
class RecordingStore : public CGridMemDataSource {
  public:
    explicit RecordingStore(TestableGrid& grid) : m_grid(grid) {}
    bool allowMove = true;

    bool AllowCurrentCellMove(int oldColumn, int oldRow, int newColumn, int newRow) override {
        m_grid.Note("store AllowCurrentCellMove", {oldColumn, oldRow, newColumn, newRow});
        return allowMove;
    }
    void OnCurrentColumnChanged(int oldColumn, int newColumn) override {
        m_grid.Note("store CurrentColumnChanged", {oldColumn, newColumn});
    }
    void OnCurrentRowChanged(int oldRow, int newRow) override {
        m_grid.Note("store CurrentRowChanged", {oldRow, newRow});
    }

  private:
    TestableGrid& m_grid;
};

CGridCell JoinedCell(bool origin, int rowOffset, int columnOffset) {
    CGridCell cell = CGridCell::Blank();
    cell.SetJoin({origin, rowOffset, columnOffset});
    return cell;
}

}  // namespace

// Six columns of 75 and 100 rows of 20 pixels in a 500 x 300 grid with a
// 40-pixel side heading, a 20-pixel top heading and a 20-pixel vertical bar:
// the cell area is 440 x 280, showing 14 rows and 5 columns in full. The
// current cell starts at (0, 0).
class SheetGridMovesTest : public testing::Test {
  protected:
    void SetUp() override {
        grid = window.AttachGridWithBars(100);
        ASSERT_EQ(grid->Sheet().m_layout.cellArea, wxRect(40, 20, 440, 280));
        auto store = std::make_unique<RecordingStore>(*grid);
        recordingStore = store.get();
        grid->SetDataSource(grid->AddDataSource(std::move(store)));
        grid->log.clear();
    }

    // Where the grid stands: current column and row, left column, top row.
    std::vector<int> Position() const {
        return {grid->GetCurrentColumn(), grid->GetCurrentRow(), grid->GetLeftColumn(),
                grid->GetTopRow()};
    }

    GridTestWindow window;
    TestableGrid* grid = nullptr;
    RecordingStore* recordingStore = nullptr;
};

TEST_F(SheetGridMovesTest, GotoCellAsksThenScrollsThenTellsInOrder) {
    EXPECT_EQ(grid->GetBottomRow(), 14);
    EXPECT_EQ(grid->GetRightColumn(), 5);
    EXPECT_EQ(grid->GotoCell(5, 50), 0);
    EXPECT_EQ(Position(), (std::vector<int>{5, 50, 1, 37}));
    EXPECT_EQ(
        grid->log,
        (Log{"store AllowCurrentCellMove 0 0 5 50", "AllowCurrentCellMove 0 0 5 50",
             "AllowViewMove 0 0 1 37", "store CurrentColumnChanged 0 5", "CurrentColumnChanged 0 5",
             "store CurrentRowChanged 0 50", "CurrentRowChanged 0 50",
             "CurrentCellChanged 0 5 0 50", "LeftColumnChanged 0 1", "TopRowChanged 0 37"}));
    EXPECT_EQ(grid->GetBottomRow(), 51);

    grid->log.clear();
    EXPECT_EQ(grid->GotoCell(5, 50), 0);
    EXPECT_TRUE(grid->log.empty()) << "already there";
}

TEST_F(SheetGridMovesTest, MovesWithinTheViewDoNotAskToScroll) {
    EXPECT_EQ(grid->GotoRow(13), 0);
    EXPECT_EQ(grid->log, (Log{"AllowCurrentCellMove 0 0 0 13", "store CurrentRowChanged 0 13",
                              "CurrentRowChanged 0 13", "CurrentCellChanged 0 0 0 13"}));
    EXPECT_EQ(grid->GotoRow(14), 0);
    EXPECT_EQ(grid->GetTopRow(), 1) << "the row below the view becomes its last row";
    grid->GotoRow(60);
    EXPECT_EQ(grid->GotoRow(10), 0);
    EXPECT_EQ(grid->GetTopRow(), 10) << "a row above the view becomes its top row";
}

TEST_F(SheetGridMovesTest, RefusedMovesLeaveTheSheetAsItWas) {
    grid->allowCellMove = false;
    EXPECT_EQ(grid->GotoCell(3, 3), 2);
    EXPECT_EQ(grid->GotoColumn(2), 2);
    EXPECT_EQ(grid->GotoRow(1), 2);
    grid->allowCellMove = true;
    grid->allowViewMove = false;
    EXPECT_EQ(grid->GotoRow(50), 2);
    EXPECT_EQ(grid->SetTopRow(10), 2);
    EXPECT_EQ(grid->SetLeftColumn(1), 2);
    recordingStore->allowMove = false;
    EXPECT_EQ(grid->GotoCell(1, 1), 2);

    EXPECT_EQ(Position(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(grid->Sheet().m_nPendingRow, 0);
    for (const std::string& line : grid->log) {
        EXPECT_EQ(line.find("Changed"), std::string::npos) << line;
    }
    recordingStore->allowMove = true;
    grid->allowViewMove = true;
    EXPECT_EQ(grid->GotoCell(1, 1), 0) << "the refusals left nothing pending";
    EXPECT_EQ(Position(), (std::vector<int>{1, 1, 0, 0}));
}

TEST_F(SheetGridMovesTest, TopRowAndLeftColumnStopWhereTheLastOnesFillTheView) {
    EXPECT_EQ(grid->SetTopRow(1000), 0);
    EXPECT_EQ(grid->GetTopRow(), 86);
    EXPECT_EQ(grid->GetCurrentRow(), 0) << "scrolling leaves the current cell";
    EXPECT_EQ(grid->log, (Log{"AllowViewMove 0 0 0 86", "TopRowChanged 0 86"}));
    grid->log.clear();
    EXPECT_EQ(grid->SetTopRow(86), 0);
    EXPECT_TRUE(grid->log.empty());
    EXPECT_EQ(grid->SetTopRow(-4), 0);
    EXPECT_EQ(grid->GetTopRow(), 0);
    EXPECT_EQ(grid->SetLeftColumn(5), 0);
    EXPECT_EQ(grid->GetLeftColumn(), 1);

    grid->SetTopRow(80);
    grid->SetRowCount(20, true);
    EXPECT_EQ(grid->GetTopRow(), 6) << "fewer rows pull the view back";
    EXPECT_EQ(grid->log.back(), "TopRowChanged 80 6");
}

TEST_F(SheetGridMovesTest, MovesPastTheLastRowAskForMoreRowsFirst) {
    grid->GotoRow(99);
    grid->log.clear();
    EXPECT_EQ(grid->GotoRow(100), 1);
    EXPECT_EQ(grid->log, (Log{"PastLastRow 100 1 0"}));
    EXPECT_EQ(grid->GetCurrentRow(), 99);

    grid->GotoRow(90);
    EXPECT_EQ(grid->GotoRow(120), 0);
    EXPECT_EQ(grid->GetCurrentRow(), 99) << "cut to the last row";

    grid->rowsAddedPastLastRow = 10;
    EXPECT_EQ(grid->GotoRow(102), 0);
    EXPECT_EQ(grid->GetRowCount(), 110);
    EXPECT_EQ(grid->GetCurrentRow(), 102);

    EXPECT_EQ(grid->GotoRow(-5), 0);
    EXPECT_EQ(grid->GetCurrentRow(), 0);
    EXPECT_EQ(grid->GotoColumn(99), 0);
    EXPECT_EQ(grid->GetCurrentColumn(), 5);
    EXPECT_EQ(grid->GotoCell(6, 0), 1) << "a cell outside the grid";
}

TEST_F(SheetGridMovesTest, JoinedRangesAreEnteredAtTheirOriginAndPassedOver) {
    // A 2 x 2 range from (1, 1): the origin spans one more row and column.
    CGridCell cell = JoinedCell(true, 1, 1);
    grid->SetCell(1, 1, cell);
    cell = JoinedCell(false, 0, -1);
    grid->SetCell(2, 1, cell);
    cell = JoinedCell(false, -1, 0);
    grid->SetCell(1, 2, cell);
    cell = JoinedCell(false, -1, -1);
    grid->SetCell(2, 2, cell);

    EXPECT_EQ(grid->GotoCell(2, 2), 0);
    EXPECT_EQ(grid->GetCurrentColumn(), 1);
    EXPECT_EQ(grid->GetCurrentRow(), 1);
    EXPECT_EQ(grid->GotoRow(2), 0);
    EXPECT_EQ(grid->GetCurrentRow(), 3) << "down out of the range";
    EXPECT_EQ(grid->GotoRow(2), 0);
    EXPECT_EQ(grid->GetCurrentRow(), 1) << "up into the range lands on its origin";
    EXPECT_EQ(grid->GotoColumn(2), 0);
    EXPECT_EQ(grid->GetCurrentColumn(), 3);

    grid->Sheet().m_bJoinsHonoured = false;
    EXPECT_EQ(grid->GotoCell(2, 2), 0);
    EXPECT_EQ(grid->GetCurrentColumn(), 2);
}

TEST_F(SheetGridMovesTest, LockedRowsStayInViewAndTheViewStartsBelowThem) {
    EXPECT_EQ(grid->SetLockedRows(2), 0);
    EXPECT_EQ(grid->GetTopRow(), 2);
    EXPECT_EQ(grid->Sheet().m_nLockedRowsHeight, 40);
    grid->GotoRow(50);
    grid->log.clear();
    EXPECT_EQ(grid->GotoRow(1), 0);
    EXPECT_EQ(grid->log.size(), 4u) << "no view move for a locked row";
    EXPECT_EQ(grid->SetTopRow(0), 0);
    EXPECT_EQ(grid->GetTopRow(), 2);
    EXPECT_EQ(grid->SetLockedRows(101), 1);
}
