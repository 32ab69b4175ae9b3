#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include "GridTestWindow.h"

namespace {

// A grid that gives help contexts as told and notes the help it shows.
class HelpGrid : public TestableGrid {
  public:
    int context = 0;
    std::vector<int> shown;

    int GetHelpContext(int column, int row, int section) override {
        Note("GetHelpContext", {column, row, section});
        return context;
    }
    void ShowHelp(int helpContext) override { shown.push_back(helpContext); }
};

class GridHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.AttachBlackOnWhite(*grid);
        grid->GotoCell(2, 3);
        wxWindow* area = grid->GetPartWindow(CSheetGrid::kCellAreaId);
        area->SetFocus();
        ASSERT_TRUE(YieldUntil([area] { return wxWindow::FindFocus() == area; }));
        grid->log.clear();
    }

    void PressF1() {
        wxUIActionSimulator().Char(WXK_F1);
        YieldUntil([this] { return !grid->log.empty(); });
    }

    GridTestWindow window;
    HelpGrid* grid = new HelpGrid();
};

}  // namespace

TEST_F(GridHelpTest, F1AsksForTheCurrentCellsHelpAndShowsANonzeroContext) {
    grid->context = 4711;
    PressF1();
    ASSERT_FALSE(grid->log.empty());
    EXPECT_EQ(grid->log.front(), "GetHelpContext 2 3 1");
    ASSERT_EQ(grid->shown.size(), 1u);
    EXPECT_EQ(grid->shown.front(), 4711);

    grid->context = 0;
    grid->log.clear();
    PressF1();
    EXPECT_EQ(grid->log.size(), 1u);
    EXPECT_EQ(grid->shown.size(), 1u) << "no help for a context of 0";
}

TEST_F(GridHelpTest, ContextHelpAsksForTheCellUnderTheHelpPoint) {
    grid->context = 9;
    wxWindow* area = grid->GetPartWindow(CSheetGrid::kCellAreaId);
    wxRect cell;
    ASSERT_TRUE(grid->GetCellRect(4, 6, cell));
    wxHelpEvent help(wxEVT_HELP, area->GetId(),
                     area->ClientToScreen(cell.GetPosition() + wxSize(3, 3)),
                     wxHelpEvent::Origin_HelpButton);
    help.SetEventObject(area);
    area->GetEventHandler()->ProcessEvent(help);
    ASSERT_FALSE(grid->log.empty());
    EXPECT_EQ(grid->log.front(), "GetHelpContext 4 6 1");
    EXPECT_EQ(grid->shown, std::vector<int>{9});
}

TEST(GridLayoutDirection, AGridInARightToLeftPlaceLaysOutEveryPartRightToLeft) {
    GridTestWindow window;
    window.placeholder->SetLayoutDirection(wxLayout_RightToLeft);
    auto* grid = new TestableGrid();
    window.Attach(*grid);
    EXPECT_EQ(grid->GetLayoutDirection(), wxLayout_RightToLeft);
    for (int id = CSheetGrid::kCellAreaId; id <= CSheetGrid::kHScrollBarId; ++id) {
        EXPECT_EQ(grid->GetPartWindow(id)->GetLayoutDirection(), wxLayout_RightToLeft)
            << "part " << id;
    }
}
