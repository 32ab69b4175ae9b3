// The grid's windows driven through their own events: layout of the parts,
// scroll bars, keys, the wheel, the mouse in the cells and the headings,
// the popup menu and the hints.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/scrolbar.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>

#include <chrono>

#include "CGridHintWnd.h"
#include "CGridVScrollBar.h"
#include "CSheetGrid.h"
#include "GridTestWindow.h"
#include "RealPointer.h"

namespace {

// Well past the delay before a hint comes up: a hint not up by then never is.
constexpr std::chrono::milliseconds kWellPastTheHintDelay{1000};

// The toolkit's tool-tip settings for the whole program, as wxToolTip's
// static settings leave them in GTK's settings object. GTK's headers are
// not at hand, so its functions are looked up in the running program.
struct ProgramToolTipSettings {
    int nEnabled = -1;
    int nDelay = -1;
};

ProgramToolTipSettings ReadProgramToolTipSettings() {
    using SettingsOfProgram = void* (*)();
    using ReadProperties = void (*)(void*, const char*, ...);
    const auto settings =
        reinterpret_cast<SettingsOfProgram>(dlsym(RTLD_DEFAULT, "gtk_settings_get_default"));
    const auto read = reinterpret_cast<ReadProperties>(dlsym(RTLD_DEFAULT, "g_object_get"));
    ProgramToolTipSettings values;
    if (settings == nullptr || read == nullptr) {
        ADD_FAILURE() << "the toolkit's settings cannot be read";
        return values;
    }
    read(settings(), "gtk-enable-tooltips", &values.nEnabled, "gtk-tooltip-timeout", &values.nDelay,
         nullptr);
    return values;
}

// A grid that also notes scrolling, cell clicks, column moves and hints.
class WindowGrid : public TestableGrid {
  public:
    using CSheetGrid::CellHintWindow;

    bool allowColumnMove = true;
    // The cell whose hint is refused.
    std::pair<int, int> cellWithoutHint{3, 3};

    void NotifyScrolled(int direction, int oldPosition, int newPosition) override {
        Note("Scrolled", {direction, oldPosition, newPosition});
    }
    void NotifyCellRightButton(int column, int row, bool down, const wxRect&, const wxPoint&,
                               bool) override {
        Note("CellRightButton", {column, row, down});
    }
    bool AllowColumnMove(int from, int to) override {
        Note("AllowColumnMove", {from, to});
        return allowColumnMove;
    }
    void NotifyColumnMoved(int from, int to) override { Note("ColumnMoved", {from, to}); }
    int GetHintText(int column, int row, int section, std::string& text) override {
        CSheetGrid::GetHintText(column, row, section, text);
        text += " in " + std::to_string(section);
        return std::pair(column, row) == cellWithoutHint ? 0 : 1;
    }
};

}  // namespace

// A grid in a 500 x 300 placeholder with 20-pixel bars, 6 columns, 10 rows.
class GridWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        grid = new WindowGrid();
        window.Attach(*grid);
        grid->SetVScrollBarWidth(20);
        grid->SetHScrollBarHeight(20);
        grid->SetColumnCount(6, true);
        grid->SetRowCount(10, true);
        YieldPending();
        grid->log.clear();
    }

    wxWindow* Part(int id) const { return grid->GetPartWindow(id); }
    bool BarShown(int id) const { return Part(id)->IsShown(); }

    void Scroll(int barId, wxEventType type, int position = 0) const {
        wxScrollEvent event(type, barId, position,
                            barId == CSheetGrid::kVScrollBarId ? wxVERTICAL : wxHORIZONTAL);
        event.SetEventObject(Part(barId));
        Part(barId)->ProcessWindowEvent(event);
    }

    void Key(int code, bool control = false) const {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = code;
        event.m_controlDown = control;
        Part(CSheetGrid::kCellAreaId)->ProcessWindowEvent(event);
        wxKeyEvent up(wxEVT_KEY_UP);
        up.m_keyCode = code;
        Part(CSheetGrid::kCellAreaId)->ProcessWindowEvent(up);
    }

    void Mouse(int id, wxEventType type, wxPoint point, bool leftDown = false) const {
        wxMouseEvent event(type);
        event.SetPosition(point);
        event.m_leftDown = leftDown;
        event.SetEventObject(Part(id));
        Part(id)->ProcessWindowEvent(event);
    }

    GridTestWindow window;
    WindowGrid* grid = nullptr;
};

TEST_F(GridWindowTest, PartsTakeTheirPlacesAndTheHorizontalBarComesOnlyWhenColumnsDoNotFit) {
    // 500 wide less a 100-pixel side heading: 400 for six columns of 75.
    grid->SetSideHeadingWidth(100);
    EXPECT_EQ(Part(CSheetGrid::kCellAreaId)->GetRect(), wxRect(100, 20, 400, 260));
    EXPECT_TRUE(BarShown(CSheetGrid::kHScrollBarId));
    EXPECT_FALSE(BarShown(CSheetGrid::kVScrollBarId)) << "ten rows fit";
    EXPECT_EQ(Part(CSheetGrid::kTopHeadingId)->GetRect(), wxRect(100, 0, 400, 20));
    EXPECT_EQ(Part(CSheetGrid::kSideHeadingId)->GetRect(), wxRect(0, 20, 100, 260));
    EXPECT_EQ(Part(CSheetGrid::kCornerButtonId)->GetRect(), wxRect(0, 0, 100, 20));

    for (int column = 0; column < 6; ++column) {
        grid->SetColumnWidth(column, 60);
    }
    EXPECT_FALSE(BarShown(CSheetGrid::kHScrollBarId));
    EXPECT_EQ(Part(CSheetGrid::kCellAreaId)->GetSize(), wxSize(400, 280));
}

TEST_F(GridWindowTest, AVerticalBarOfNoWidthNeverShows) {
    grid->SetVScrollBarWidth(0);
    grid->SetRowCount(100000, true);
    EXPECT_FALSE(BarShown(CSheetGrid::kVScrollBarId));
    grid->SetVScrollBarWidth(20);
    EXPECT_TRUE(BarShown(CSheetGrid::kVScrollBarId));
}

TEST_F(GridWindowTest, LineAndPageScrollingMoveTheTopRowAndSkipHiddenRows) {
    grid->SetRowCount(100, true);
    grid->SetRowHeight(1, 0);
    Scroll(CSheetGrid::kVScrollBarId, wxEVT_SCROLL_LINEDOWN);
    EXPECT_EQ(grid->GetTopRow(), 2) << "row 1 has no height";
    Scroll(CSheetGrid::kVScrollBarId, wxEVT_SCROLL_LINEUP);
    EXPECT_EQ(grid->GetTopRow(), 0);
    // The cell area is 280 high (the columns fit): 14 rows of 20 make a page.
    Scroll(CSheetGrid::kVScrollBarId, wxEVT_SCROLL_PAGEDOWN);
    EXPECT_EQ(grid->GetTopRow(), 15) << "14 rows of height and the hidden one";
    Scroll(CSheetGrid::kVScrollBarId, wxEVT_SCROLL_PAGEUP);
    EXPECT_EQ(grid->GetTopRow(), 0);
    EXPECT_EQ(grid->log[1], "TopRowChanged 0 2");
    EXPECT_EQ(grid->log[2], "Scrolled 6 0 2");

    grid->SetColumnCount(20, true);
    grid->log.clear();
    Scroll(CSheetGrid::kHScrollBarId, wxEVT_SCROLL_LINEDOWN);
    EXPECT_EQ(grid->GetLeftColumn(), 1);
    Scroll(CSheetGrid::kHScrollBarId, wxEVT_SCROLL_BOTTOM);
    EXPECT_EQ(grid->GetRightColumn(), 20) << "the last column is in view";
    EXPECT_EQ(grid->log.back().rfind("Scrolled 5 1 ", 0), 0u);
}

TEST_F(GridWindowTest, TheVerticalBarWorksInThousandStepsPastAThousandTopRows) {
    grid->SetRowCount(100000, true);
    auto* bar = static_cast<CGridVScrollBar*>(Part(CSheetGrid::kVScrollBarId));
    const int lastTopRow = 100000 - 14;
    grid->SetTopRow(lastTopRow / 2);
    EXPECT_EQ(bar->GetThumbPosition(), 500);
    EXPECT_EQ(bar->GetRange(), CGridVScrollBar::kSteps + bar->GetThumbSize());

    Scroll(CSheetGrid::kVScrollBarId, wxEVT_SCROLL_THUMBRELEASE, 250);
    EXPECT_EQ(grid->GetTopRow(), 250 * lastTopRow / 1000);
    Scroll(CSheetGrid::kVScrollBarId, wxEVT_SCROLL_THUMBRELEASE, 1000);
    EXPECT_EQ(grid->GetTopRow(), lastTopRow);

    // Below a thousand the positions are rows.
    grid->SetRowCount(500, true);
    grid->SetTopRow(123);
    EXPECT_EQ(bar->GetThumbPosition(), 123);

    // Arrows only: the thumb stays in the middle whatever the row.
    grid->SetVScrollTracking(CGridVScrollBar::kArrowsOnlyMode);
    Scroll(CSheetGrid::kVScrollBarId, wxEVT_SCROLL_LINEDOWN);
    EXPECT_EQ(grid->GetTopRow(), 124);
    EXPECT_EQ(bar->GetThumbPosition(), 1);
    EXPECT_EQ(bar->GetRange(), 3);
}

TEST_F(GridWindowTest, KeysMoveTheCurrentCell) {
    grid->SetRowCount(100, true);
    grid->GotoCell(3, 5);
    Key(WXK_END, true);
    EXPECT_EQ(grid->GetCurrentRow(), 99);
    EXPECT_EQ(grid->GetCurrentColumn(), 3) << "Ctrl+End goes to the last row only";
    Key(WXK_HOME);
    EXPECT_EQ(grid->GetCurrentColumn(), 0);
    Key(WXK_HOME, true);
    EXPECT_EQ(grid->GetCurrentRow(), 0);
    Key(WXK_END);
    EXPECT_EQ(grid->GetCurrentColumn(), 5);
    Key(WXK_DOWN);
    Key(WXK_LEFT);
    EXPECT_EQ(grid->GetCurrentRow(), 1);
    EXPECT_EQ(grid->GetCurrentColumn(), 4);
    Key(WXK_PAGEDOWN);
    EXPECT_EQ(grid->GetCurrentRow(), 15) << "a page of 14 rows";
    Key(WXK_PAGEUP);
    EXPECT_EQ(grid->GetCurrentRow(), 1);
}

TEST_F(GridWindowTest, RepeatedArrowKeysSpeedUpWithKeyAcceleration) {
    grid->SetRowCount(1000, true);
    grid->SetKeyAcceleration(2, 0);
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = WXK_DOWN;
    std::vector<int> rows;
    for (int press = 0; press < 6; ++press) {
        Part(CSheetGrid::kCellAreaId)->ProcessWindowEvent(down);
        rows.push_back(grid->GetCurrentRow());
    }
    // Steps (n / 2)^3 + 1 for the n-th key-down: 1, 2, 2, 9, 9, 28.
    EXPECT_EQ(rows, (std::vector<int>{1, 3, 5, 14, 23, 51}));
}

TEST_F(GridWindowTest, AWheelNotchScrollsThreeRows) {
    grid->SetRowCount(100, true);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    wheel.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    Part(CSheetGrid::kCellAreaId)->ProcessWindowEvent(wheel);
    EXPECT_EQ(grid->GetTopRow(), 3);
    wheel.m_wheelRotation = 240;
    Part(CSheetGrid::kCellAreaId)->ProcessWindowEvent(wheel);
    EXPECT_EQ(grid->GetTopRow(), 0);
}

TEST_F(GridWindowTest, AClickMakesTheCellUnderTheMouseCurrent) {
    Mouse(CSheetGrid::kCellAreaId, wxEVT_LEFT_DOWN, wxPoint(40 + 75 * 2 + 5 - 40, 20 * 4 + 5));
    Mouse(CSheetGrid::kCellAreaId, wxEVT_LEFT_UP, wxPoint(40 + 75 * 2 + 5 - 40, 20 * 4 + 5));
    EXPECT_EQ(grid->GetCurrentColumn(), 2);
    EXPECT_EQ(grid->GetCurrentRow(), 4);
    int column = 0;
    int row = 0;
    wxRect rect;
    EXPECT_EQ(grid->CellFromPoint(wxPoint(460, 5), column, row, rect), 1)
        << "right of the last column";
}

TEST_F(GridWindowTest, DraggingAColumnBorderHidesTheColumnAndAPressBesideItReopensIt) {
    // Column 1 runs from 75 to 150 in the top heading.
    Mouse(CSheetGrid::kTopHeadingId, wxEVT_LEFT_DOWN, wxPoint(149, 10), true);
    Mouse(CSheetGrid::kTopHeadingId, wxEVT_MOTION, wxPoint(60, 10), true);
    Mouse(CSheetGrid::kTopHeadingId, wxEVT_LEFT_UP, wxPoint(60, 10));
    EXPECT_EQ(grid->GetColumnWidth(1), 0);
    EXPECT_EQ(grid->log.back(), "ColumnResized 1 0");

    // Column 0 ends at 75, where the hidden column 1 lies; just right of
    // that edge the press takes column 1.
    Mouse(CSheetGrid::kTopHeadingId, wxEVT_LEFT_DOWN, wxPoint(76, 10), true);
    Mouse(CSheetGrid::kTopHeadingId, wxEVT_MOTION, wxPoint(106, 10), true);
    Mouse(CSheetGrid::kTopHeadingId, wxEVT_LEFT_UP, wxPoint(106, 10));
    EXPECT_EQ(grid->GetColumnWidth(1), 30);
    EXPECT_EQ(grid->GetColumnWidth(0), 75);
}

TEST_F(GridWindowTest, DraggingAColumnHeadingMovesTheColumnUnlessRefused) {
    grid->EnableColumnDragging(true);
    grid->SetCellText(0, 0, "first");
    grid->SetCellText(3, 0, "fourth");
    // From column 0 to the gap after column 3 (x 300 is its right edge).
    const auto drag = [this] {
        Mouse(CSheetGrid::kTopHeadingId, wxEVT_LEFT_DOWN, wxPoint(30, 10), true);
        Mouse(CSheetGrid::kTopHeadingId, wxEVT_MOTION, wxPoint(290, 10), true);
        Mouse(CSheetGrid::kTopHeadingId, wxEVT_LEFT_UP, wxPoint(290, 10));
    };
    grid->allowColumnMove = false;
    drag();
    EXPECT_EQ(grid->log.back(), "AllowColumnMove 0 3");
    EXPECT_EQ(grid->GetCellText(0, 0), "first");

    grid->allowColumnMove = true;
    drag();
    EXPECT_EQ(grid->log.back(), "ColumnMoved 0 3");
    EXPECT_EQ(grid->GetCellText(3, 0), "first") << "the cells go with their column";
    EXPECT_EQ(grid->GetCellText(2, 0), "fourth");
}

TEST_F(GridWindowTest, ARightClickMovesThereAndOpensThePopupMenu) {
    grid->EnablePopupMenu(true);
    grid->AddPopupMenuItem(1001, "Delete");
    grid->CallAfter([this] {
        wxCommandEvent chosen(wxEVT_MENU, 1001);
        grid->ProcessWindowEvent(chosen);
        wxUIActionSimulator().Char(WXK_ESCAPE);
    });
    Mouse(CSheetGrid::kCellAreaId, wxEVT_RIGHT_DOWN, wxPoint(75 * 2 + 5, 20 * 3 + 5));
    EXPECT_EQ(grid->GetCurrentColumn(), 2);
    EXPECT_EQ(grid->GetCurrentRow(), 3);
    const std::vector<std::string> expected{"CellRightButton 2 3 1", "AllowContextMenu 2 3 1",
                                            "MenuCommand 2 3 1 1001"};
    std::vector<std::string> seen;
    for (const std::string& line : grid->log) {
        if (line.rfind("CellRight", 0) == 0 || line.rfind("AllowContext", 0) == 0 ||
            line.rfind("MenuCommand", 0) == 0) {
            seen.push_back(line);
        }
    }
    EXPECT_EQ(seen, expected);
}

// The cell hints, driven with the real pointer.
class GridHintTest : public GridWindowTest {
  protected:
    const CGridHintWnd& Hint() const { return grid->CellHintWindow(); }
    void MoveTo(int id, wxPoint point) { pointer.MoveTo(Part(id), point); }
    bool HintShows(const std::string& text) const {
        return YieldUntil([&] { return Hint().IsShown() && Hint().GetText() == text; });
    }
    bool HintGoesDown() const {
        return YieldUntil([&] { return !Hint().IsShown(); });
    }
    bool HintStaysDown() const {
        return !YieldUntil([&] { return Hint().IsShown(); }, kWellPastTheHintDelay);
    }

    RealPointer pointer;
};

TEST_F(GridHintTest, HintsNameTheCellAndSectionUnderTheMouse) {
    MoveTo(CSheetGrid::kCellAreaId, wxPoint(80, 45));
    EXPECT_TRUE(HintStaysDown()) << "hints are off";

    grid->EnableHints(true);
    MoveTo(CSheetGrid::kCellAreaId, wxPoint(82, 45));
    EXPECT_TRUE(HintShows("Col:1 Row:2 in 1"));
    const wxPoint mouse = Part(CSheetGrid::kCellAreaId)->ClientToScreen(wxPoint(82, 45));
    const wxRect placed = Hint().GetScreenRect();
    EXPECT_GT(placed.GetLeft(), mouse.x) << "right of the pointer";
    EXPECT_GT(placed.GetTop(), mouse.y) << "below the pointer";

    MoveTo(CSheetGrid::kCellAreaId, wxPoint(160, 45));
    EXPECT_TRUE(HintShows("Col:2 Row:2 in 1")) << "another cell brings its own hint";
    MoveTo(CSheetGrid::kTopHeadingId, wxPoint(160, 5));
    EXPECT_TRUE(HintShows("Col:2 Row:-1 in 2"));
    MoveTo(CSheetGrid::kSideHeadingId, wxPoint(5, 65));
    EXPECT_TRUE(HintShows("Col:-1 Row:3 in 3"));
    MoveTo(CSheetGrid::kCornerButtonId, wxPoint(5, 5));
    EXPECT_TRUE(HintShows("Col:-1 Row:-1 in 4"));

    MoveTo(CSheetGrid::kCellAreaId, wxPoint(455, 250));
    EXPECT_TRUE(HintGoesDown());
    EXPECT_TRUE(HintStaysDown()) << "no cell, no hint";
    MoveTo(CSheetGrid::kCellAreaId, wxPoint(3 * 75 + 5, 3 * 20 + 5));
    EXPECT_TRUE(HintStaysDown()) << "the cell's hint was refused";
}

TEST_F(GridHintTest, AHintGoesOnAPressAKeyLeavingOrTurningHintsOff) {
    grid->EnableHints(true);
    Part(CSheetGrid::kCellAreaId)->SetFocus();
    MoveTo(CSheetGrid::kCellAreaId, wxPoint(80, 45));
    ASSERT_TRUE(HintShows("Col:1 Row:2 in 1"));
    pointer.Simulator().MouseClick();
    EXPECT_TRUE(HintGoesDown()) << "a press";
    MoveTo(CSheetGrid::kCellAreaId, wxPoint(82, 47));
    EXPECT_TRUE(HintStaysDown()) << "not again over the same cell";

    MoveTo(CSheetGrid::kCellAreaId, wxPoint(160, 45));
    ASSERT_TRUE(HintShows("Col:2 Row:2 in 1"));
    ASSERT_TRUE(
        YieldUntil([this] { return wxWindow::FindFocus() == Part(CSheetGrid::kCellAreaId); }));
    pointer.Simulator().Char(WXK_SHIFT);
    EXPECT_TRUE(HintGoesDown()) << "a key";

    MoveTo(CSheetGrid::kCellAreaId, wxPoint(240, 45));
    ASSERT_TRUE(HintShows("Col:3 Row:2 in 1"));
    pointer.MoveTo(window.panel, wxPoint(600, 400));
    EXPECT_TRUE(HintGoesDown()) << "the mouse left the grid";

    MoveTo(CSheetGrid::kCellAreaId, wxPoint(80, 45));
    ASSERT_TRUE(HintShows("Col:1 Row:2 in 1"));
    grid->EnableHints(false);
    EXPECT_FALSE(Hint().IsShown()) << "hints turned off";
    MoveTo(CSheetGrid::kCellAreaId, wxPoint(160, 45));
    EXPECT_TRUE(HintStaysDown());
}

TEST_F(GridHintTest, AHintInTheScreensCornerStaysOnTheScreenAndOffThePointer) {
    CGridHintWnd hint(window.panel);
    hint.SetText("a hint long enough to run off the screen", false);
    const wxRect screen = wxDisplay(0u).GetGeometry();
    const wxPoint corner(screen.GetRight() - 2, screen.GetBottom() - 2);
    hint.ShowBelowRightOf(corner);
    const wxRect placed = hint.GetScreenRect();
    EXPECT_TRUE(screen.Contains(placed)) << placed.x << "," << placed.y;
    EXPECT_LT(placed.GetBottom(), corner.y) << "above the pointer when there is no room below";
}

TEST_F(GridWindowTest, TurningHintsOnLeavesTheProgramsOtherToolTipsAlone) {
    const ProgramToolTipSettings before = ReadProgramToolTipSettings();
    // Another window of the program has chosen no tool tips, and a delay.
    wxToolTip::Enable(false);
    wxToolTip::SetDelay(1234);

    grid->EnableHints(true);
    const ProgramToolTipSettings after = ReadProgramToolTipSettings();
    wxToolTip::Enable(before.nEnabled != 0);
    wxToolTip::SetDelay(before.nDelay);

    EXPECT_EQ(after.nEnabled, 0);
    EXPECT_EQ(after.nDelay, 1234);
}

TEST_F(GridWindowTest, ChoosingASheetTakesTheFocusToItsCells) {
    auto* other = new wxButton(window.panel, wxID_ANY, "other");
    other->SetFocus();
    ASSERT_TRUE(YieldUntil([other] { return wxWindow::FindFocus() == other; }));
    ASSERT_EQ(grid->SetSheetCount(2), 0);

    EXPECT_EQ(grid->SetCurrentSheet(1, true), 0);

    EXPECT_TRUE(
        YieldUntil([this] { return wxWindow::FindFocus() == Part(CSheetGrid::kCellAreaId); }));
}
