// Check box cells: what they draw, how real clicks and keys move their state
// on and what the grid is told, and the size they ask for.
#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>
#include <wx/uiaction.h>

#include <limits>

#include "CGridCellArea.h"
#include "CGridCheckBoxType.h"
#include "GridPicture.h"
#include "GridTestWindow.h"
#include "RealPointer.h"

namespace {

const wxColour kWhite(255, 255, 255);
const wxColour kBlack(0, 0, 0);

// Lines may be smoothed at their edges: near white counts as white.
bool IsNearWhite(const wxColour& colour) {
    return colour.Red() > 220 && colour.Green() > 220 && colour.Blue() > 220;
}

// A grid that also writes down what its cell types report, with the state
// the cell holds at that moment.
class CheckBoxGrid : public TestableGrid {
  public:
    int NotifyFromCellType(int typeIndex, int column, int row, int message,
                           intptr_t parameter) override {
        CGridCell cell;
        GetCell(column, row, cell);
        Note("FromCellType", {typeIndex, column, row, message, static_cast<int>(parameter),
                              static_cast<int>(cell.GetNumber())});
        return 1;
    }
};

}  // namespace

// 6 columns of 75 and 10 rows of 20 in black on white. Cell (1, 1), at
// x 75..149 and y 20..39, is a check box labelled "Ready": its box is 12
// pixels square at x 78..89, y 24..35.
class CheckBoxTypeTest : public testing::Test {
  protected:
    static constexpr int kColumn = 1;
    static constexpr int kRow = 1;
    static constexpr int kCellLeft = 75;
    static constexpr int kCellTop = 20;
    const wxRect kBox{78, 24, 12, 12};

    void SetUp() override {
        grid = new CheckBoxGrid();
        window.Attach(*grid);
        grid->SetColumnCount(6, true);
        grid->SetRowCount(10, true);
        for (CGridColumnEntry& column : grid->Sheet().m_columns) {
            column.m_pDefaultCell->SetTextColour(kBlack);
            column.m_pDefaultCell->SetBackColour(kWhite);
        }
        MakeCheckBox(0, false);
        grid->log.clear();
    }

    void MakeCheckBox(int style, bool readOnly) const {
        CGridCell cell;
        grid->GetCell(kColumn, kRow, cell);
        cell.SetCellTypeIndex(CSheetGrid::kCheckBoxCellType);
        cell.SetCellTypeStyle(style);
        cell.SetLabel("Ready");
        cell.SetReadOnly(readOnly);
        grid->SetCell(kColumn, kRow, cell);
    }

    void SetState(double number) const {
        CGridCell cell;
        grid->GetCell(kColumn, kRow, cell);
        cell.SetNumber(number);
        grid->SetCell(kColumn, kRow, cell);
    }

    double State() const {
        CGridCell cell;
        grid->GetCell(kColumn, kRow, cell);
        return cell.GetNumber();
    }

    wxWindow* Cells() const { return grid->GetPartWindow(CSheetGrid::kCellAreaId); }

    GridPicture Render() const {
        auto* area = static_cast<CGridCellArea*>(Cells());
        wxBitmap bitmap(area->GetClientSize());
        wxMemoryDC dc(bitmap);
        area->RenderAll(dc, false);
        dc.SelectObject(wxNullBitmap);
        return GridPicture(bitmap);
    }

    // Moves the real pointer to `point` of the cell area and waits until the
    // cell area has seen it there.
    void PointAt(const wxPoint& point) { pointer.MoveTo(Cells(), point); }

    // A real click at `point`, waited for until the button is up again.
    void ClickAt(const wxPoint& point) { pointer.ClickAt(Cells(), point); }

    // Clicks the label of the check box cell, which makes it current and
    // gives the cell area the focus, and leaves the pointer there.
    void FocusCheckBoxCell() {
        ClickAt(wxPoint(kCellLeft + 50, kCellTop + 10));
        ASSERT_TRUE(YieldUntil([this] { return Cells()->HasFocus(); }));
        ASSERT_EQ(grid->GetCurrentColumn(), kColumn);
        ASSERT_EQ(grid->GetCurrentRow(), kRow);
        grid->log.clear();
    }

    // Types `count` spaces, waiting after each for the character to arrive.
    void TypeSpaces(int count) {
        int arrived = 0;
        const auto seen = [&arrived](wxKeyEvent& event) {
            ++arrived;
            event.Skip();
        };
        Cells()->Bind(wxEVT_CHAR, seen);
        for (int typed = 1; typed <= count; ++typed) {
            pointer.Simulator().Char(' ');
            EXPECT_TRUE(YieldUntil([&] { return arrived == typed; })) << "space " << typed;
        }
        Cells()->Unbind(wxEVT_CHAR, seen);
    }

    // What the cell types reported, in order.
    std::vector<std::string> Reports() const {
        std::vector<std::string> reports;
        for (const std::string& line : grid->log) {
            if (line.rfind("FromCellType", 0) == 0) {
                reports.push_back(line);
            }
        }
        return reports;
    }

    static std::string StateReport(int state) {
        return "FromCellType 2 1 1 53 " + std::to_string(state) + " " + std::to_string(state);
    }

    GridTestWindow window;
    CheckBoxGrid* grid = nullptr;
    RealPointer pointer;
};

TEST_F(CheckBoxTypeTest, IsRegisteredByNameAndNeitherEditsNorRunsOn) {
    CGridCell cell;
    grid->GetCell(kColumn, kRow, cell);
    CGridCellType& type = grid->CellTypeOf(cell);
    EXPECT_EQ(type.GetName(), "CheckBox");
    EXPECT_EQ(type.GetIndex(), CSheetGrid::kCheckBoxCellType);
    EXPECT_FALSE(type.IsEditable());
    EXPECT_FALSE(type.AllowsOverflow());
    EXPECT_TRUE(type.UsesLabel());
    CGridCell normal;
    EXPECT_NE(grid->CellTypeOf(normal).GetTypeIdentifier(), type.GetTypeIdentifier());
}

TEST_F(CheckBoxTypeTest, SpaceCyclesTwoStatesAndReportsEachAfterStoringIt) {
    FocusCheckBoxCell();
    TypeSpaces(2);
    EXPECT_EQ(Reports(), (std::vector<std::string>{StateReport(1), StateReport(0)}));
    EXPECT_EQ(State(), 0);
}

TEST_F(CheckBoxTypeTest, SpaceCyclesThreeStatesWithTheThreeStateStyle) {
    MakeCheckBox(CGridCheckBoxType::kStyleThreeStates, false);
    FocusCheckBoxCell();
    TypeSpaces(3);
    EXPECT_EQ(Reports(),
              (std::vector<std::string>{StateReport(1), StateReport(2), StateReport(0)}));
    EXPECT_EQ(State(), 0);
}

TEST_F(CheckBoxTypeTest, AStateTheBoxCannotHoldReadsAsClear) {
    for (const double stored : {1e300, -7.0, std::numeric_limits<double>::quiet_NaN()}) {
        SetState(stored);
        FocusCheckBoxCell();
        TypeSpaces(1);
        EXPECT_EQ(Reports(), std::vector<std::string>{StateReport(1)}) << "from " << stored;
    }
}

TEST_F(CheckBoxTypeTest, AClickInTheBoxTurnsItButAClickOnTheLabelDoesNot) {
    ClickAt(wxPoint(kCellLeft + 50, kCellTop + 10));
    EXPECT_EQ(grid->GetCurrentColumn(), kColumn);
    EXPECT_EQ(State(), 0);
    grid->log.clear();
    ClickAt(kBox.GetTopLeft());
    EXPECT_EQ(Reports(), std::vector<std::string>{StateReport(1)});
    grid->log.clear();
    ClickAt(kBox.GetBottomRight());
    EXPECT_EQ(Reports(), std::vector<std::string>{StateReport(0)});
    grid->log.clear();
    ClickAt(kBox.GetBottomRight() + wxPoint(1, 1));
    EXPECT_TRUE(Reports().empty()) << "just outside the box";
}

TEST_F(CheckBoxTypeTest, ADoubleClickInTheBoxTurnsItTwice) {
    MakeCheckBox(CGridCheckBoxType::kStyleThreeStates, false);
    PointAt(kBox.GetPosition() + wxPoint(5, 5));
    pointer.Simulator().MouseDblClick();
    EXPECT_TRUE(YieldUntil([this] { return Reports().size() >= 2; }));
    YieldPending();
    EXPECT_EQ(Reports(), (std::vector<std::string>{StateReport(1), StateReport(2)}));
}

TEST_F(CheckBoxTypeTest, AReadOnlyBoxIgnoresClicksAndSpaces) {
    MakeCheckBox(CGridCheckBoxType::kStyleThreeStates, true);
    SetState(1);
    ClickAt(kBox.GetPosition() + wxPoint(5, 5));
    FocusCheckBoxCell();
    TypeSpaces(2);
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(State(), 1);
}

TEST_F(CheckBoxTypeTest, DrawsAFrameACrossForTheSetStateAndTheLabelBesideTheBox) {
    const GridPicture clear = Render();
    EXPECT_EQ(clear.At(kBox.x, kBox.y + 6), kBlack);
    EXPECT_EQ(clear.At(kBox.GetRight(), kBox.y + 6), kBlack);
    EXPECT_EQ(clear.At(kBox.x + 6, kBox.y), kBlack);
    EXPECT_EQ(clear.At(kBox.x + 6, kBox.GetBottom()), kBlack);
    EXPECT_EQ(clear.DarkPixels(kBox.Deflate(1, 1)), 0) << "no mark while clear";
    EXPECT_EQ(clear.At(kBox.x - 1, kBox.y + 6), kWhite);
    // The label begins right of the box and its gap.
    EXPECT_EQ(clear.DarkPixels(wxRect(kBox.GetRight() + 1, kCellTop, 6, 19)), 0);
    EXPECT_GT(clear.DarkPixels(wxRect(kCellLeft + 18, kCellTop, 50, 19)), 0);

    SetState(1);
    const GridPicture set = Render();
    // The two diagonals of the cross meet in the middle; its corners stay
    // a pixel clear of the frame.
    EXPECT_TRUE(GridPicture::IsDark(set.At(kBox.x + 5, kBox.y + 5)));
    EXPECT_TRUE(GridPicture::IsDark(set.At(kBox.x + 2, kBox.y + 2)));
    EXPECT_TRUE(GridPicture::IsDark(set.At(kBox.x + 2, kBox.GetBottom() - 2)));
    EXPECT_EQ(set.At(kBox.x + 1, kBox.y + 1), kWhite);
}

TEST_F(CheckBoxTypeTest, TheThirdStateAndAReadOnlyBoxShowACheckerboard) {
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    ASSERT_NE(face, highlight) << "the checkerboard cannot be told apart here";
    const wxRect inside = kBox.Deflate(1, 1);

    MakeCheckBox(CGridCheckBoxType::kStyleThreeStates, false);
    SetState(2);
    const GridPicture third = Render();
    EXPECT_GT(third.PixelsOf(inside, face), 10);
    EXPECT_GT(third.PixelsOf(inside, highlight), 10);
    EXPECT_NE(third.At(kBox.x + 5, kBox.y + 5), third.At(kBox.x + 6, kBox.y + 5))
        << "neighbours differ across the board, away from the mark";
    EXPECT_GT(third.PixelsOf(inside, shadow), 5) << "the mark in the shadow colour";

    MakeCheckBox(0, true);
    SetState(0);
    const GridPicture readOnly = Render();
    EXPECT_GT(readOnly.PixelsOf(inside, face), 10);
    EXPECT_GT(readOnly.PixelsOf(inside, highlight), 10);

    MakeCheckBox(0, false);
    EXPECT_EQ(Render().PixelsOf(inside, kWhite), inside.width * inside.height);
}

TEST_F(CheckBoxTypeTest, TheCurrentHighlightedCellDrawsItsBoxAndMarkInWhite) {
    const wxColour highlight(0, 0, 160);
    CGridCell cell;
    grid->GetCell(kColumn, kRow, cell);
    cell.SetHighlightBackColour(highlight);
    grid->SetCell(kColumn, kRow, cell);
    grid->SetCurrentCellStyle(2);
    SetState(1);
    grid->GotoCell(kColumn, kRow);
    const GridPicture picture = Render();
    EXPECT_EQ(picture.At(kBox.x, kBox.y + 6), kWhite);
    EXPECT_TRUE(IsNearWhite(picture.At(kBox.x + 5, kBox.y + 5)));
    EXPECT_EQ(picture.At(kBox.x + 1, kBox.y + 1), highlight);
    EXPECT_EQ(picture.At(kCellLeft + 70, kCellTop + 2), highlight);
}

TEST_F(CheckBoxTypeTest, StylesShapeTheBoxAndTheMark) {
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    MakeCheckBox(CGridCheckBoxType::kStyleSunken, false);
    GridPicture picture = Render();
    EXPECT_EQ(picture.At(kBox.x, kBox.y + 6), shadow);
    EXPECT_EQ(picture.At(kBox.x + 6, kBox.y), shadow);
    EXPECT_EQ(picture.At(kBox.GetRight(), kBox.y + 6), wxColour(0xE1, 0xE1, 0xE1));
    EXPECT_EQ(picture.At(kBox.x + 1, kBox.y + 6), kBlack);
    EXPECT_EQ(picture.At(kBox.GetRight() - 1, kBox.y + 6), face);

    MakeCheckBox(CGridCheckBoxType::kStyleRaised, false);
    picture = Render();
    EXPECT_EQ(picture.At(kBox.x, kBox.y + 6), wxColour(0xE1, 0xE1, 0xE1));
    EXPECT_EQ(picture.At(kBox.GetRight(), kBox.y + 6), shadow);
    EXPECT_EQ(picture.At(kBox.GetRight() - 1, kBox.y + 6), kBlack);

    // A tick starts halfway down the left; a cross in the top-left corner.
    SetState(1);
    MakeCheckBox(CGridCheckBoxType::kStyleTick, false);
    picture = Render();
    EXPECT_EQ(picture.At(kBox.x + 2, kBox.y + 2), kWhite);
    EXPECT_TRUE(GridPicture::IsDark(picture.At(kBox.x + 2, kBox.y + 6)));

    // A round box leaves its corners clear and fills its middle.
    MakeCheckBox(CGridCheckBoxType::kStyleRound, false);
    picture = Render();
    EXPECT_EQ(picture.At(kBox.x, kBox.y), kWhite);
    EXPECT_TRUE(GridPicture::IsDark(picture.At(kBox.x + 6, kBox.y + 6)));
}

TEST_F(CheckBoxTypeTest, TheAlignedStylePlacesTheBoxByAlignmentAndDrawsNoLabel) {
    MakeCheckBox(CGridCheckBoxType::kStyleAligned, false);
    grid->SetCellAlignment(kColumn, kRow, CGridCell::kAlignCentre | CGridCell::kAlignTop);
    const GridPicture picture = Render();
    // Centred in 75 pixels: x 106..117; 3 pixels below the top: y 23..34.
    EXPECT_EQ(picture.At(106, 28), kBlack);
    EXPECT_EQ(picture.At(117, 28), kBlack);
    EXPECT_EQ(picture.At(111, 23), kBlack);
    EXPECT_EQ(picture.DarkPixels(wxRect(kCellLeft, kCellTop, 30, 19)), 0);
    EXPECT_EQ(picture.DarkPixels(wxRect(119, kCellTop, 30, 19)), 0) << "no label";
}

TEST_F(CheckBoxTypeTest, ACellTooLowForABoxDrawsNone) {
    grid->SetRowHeight(kRow, 11);
    // Left of where the label begins.
    EXPECT_EQ(Render().DarkPixels(wxRect(kCellLeft, kCellTop, 13, 10)), 0);
    grid->SetRowHeight(kRow, 12);
    EXPECT_GT(Render().DarkPixels(wxRect(kCellLeft, kCellTop, 13, 11)), 0) << "a box of 6";
}

TEST_F(CheckBoxTypeTest, BestSizeHoldsTheBoxAndTheLabelOnceTheCellHasAState) {
    CGridCell cell;
    grid->GetCell(kColumn, kRow, cell);
    wxClientDC dc(Cells());
    CGridCellType& type = grid->CellTypeOf(cell);
    wxSize size(75, 20);
    type.GetBestSize(dc, size, cell);
    EXPECT_EQ(size, wxSize(18, 2)) << "no state stored yet";

    SetState(0);
    grid->GetCell(kColumn, kRow, cell);
    dc.SetFont(*grid->GetDefaultFont());
    const wxSize label = dc.GetTextExtent("Ready");
    size = wxSize(75, 20);
    type.GetBestSize(dc, size, cell);
    EXPECT_EQ(size, wxSize(label.x + 6 + 18, label.y + 2));

    cell.SetCellTypeStyle(CGridCheckBoxType::kStyleAligned);
    size = wxSize(75, 20);
    type.GetBestSize(dc, size, cell);
    EXPECT_EQ(size, wxSize(18, 2));
}
