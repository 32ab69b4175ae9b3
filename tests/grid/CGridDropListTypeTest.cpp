// Drop list cells: opening their list with real clicks and keys, choosing
// from it, what the grid is told and can refuse, closing without a choice,
// where the list goes, what the button looks like and the size asked for.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

#include <algorithm>

#include "CGridDropListType.h"
#include "GridPicture.h"
#include "GridTestWindow.h"
#include "RealPointer.h"

namespace {

const wxColour kWhite(255, 255, 255);
const wxColour kBlack(0, 0, 0);
const wxColour kGrey(0x80, 0x80, 0x80);

// A grid that writes down what the drop list reports, and answers the
// opening and the choice as the test sets.
class DropListGrid : public TestableGrid {
  public:
    int answerOpening = 1;
    int answerChoice = 1;

    int NotifyFromCellType(int typeIndex, int column, int row, int message,
                           intptr_t parameter) override {
        const std::string where = " " + std::to_string(typeIndex) + " " + std::to_string(column) +
                                  " " + std::to_string(row);
        switch (message) {
            case CGridDropListType::kMessageOpening:
                log.push_back(
                    "Opening" + where + " " +
                    std::to_string(reinterpret_cast<std::vector<std::string>*>(parameter)->size()));
                return answerOpening;
            case CGridDropListType::kMessageChoiceIndex:
                log.push_back("Index" + where + " " + std::to_string(parameter));
                return 1;
            case CGridDropListType::kMessageAllowChoice:
            case CGridDropListType::kMessageChoiceStored: {
                const bool stored = message == CGridDropListType::kMessageChoiceStored;
                log.push_back((stored ? "Stored" : "Allow") + where + " " +
                              *reinterpret_cast<std::string*>(parameter) + " in cell " +
                              GetCellText(column, row).value_or("none"));
                return stored ? 1 : answerChoice;
            }
            default:
                log.push_back("Other " + std::to_string(message));
                return 1;
        }
    }
};

}  // namespace

// 6 columns of 75 and 10 rows of 20 in black on white. Cell (1, 1), at
// x 75..149 and y 20..39, is a drop list of Red, Green and Blue holding
// "Red"; its button is the last pixels of the cell.
class DropListTypeTest : public testing::Test {
  protected:
    static constexpr int kColumn = 1;
    static constexpr int kRow = 1;
    const wxRect kCell{75, 20, 75, 20};

    void SetUp() override {
        grid = new DropListGrid();
        window.AttachBlackOnWhite(*grid);
        MakeDropList(kColumn, kRow, 0, false);
        grid->log.clear();
    }

    void MakeDropList(int column, int row, int style, bool readOnly) const {
        CGridCell cell;
        grid->GetCell(column, row, cell);
        cell.SetCellTypeIndex(CSheetGrid::kDropListCellType);
        cell.SetCellTypeStyle(style);
        cell.SetLabel("Red\nGreen\nBlue\n");
        cell.SetText("Red");
        cell.SetReadOnly(readOnly);
        grid->SetCell(column, row, cell);
    }

    CGridDropListType& Type() const {
        CGridCell cell;
        grid->GetCell(kColumn, kRow, cell);
        return dynamic_cast<CGridDropListType&>(grid->CellTypeOf(cell));
    }
    wxWindow* Cells() const { return grid->GetPartWindow(CSheetGrid::kCellAreaId); }
    // The list window while one is open.
    wxListBox* List() const { return const_cast<CGridDropListBox*>(Type().GetListBox()); }
    wxPoint ButtonOf(const wxRect& cell) const {
        return wxPoint(cell.GetRight() - Type().GetButtonWidth() / 2, cell.y + cell.height / 2);
    }

    void ClickButton() { pointer.ClickAt(Cells(), ButtonOf(kCell)); }

    void OpenByClick() {
        ClickButton();
        ASSERT_TRUE(YieldUntil([this] { return List() != nullptr && List()->HasFocus(); }))
            << "no list took the focus";
    }

    // A point of the open list over item `index`.
    wxPoint ItemPoint(int index) const {
        const wxSize size = List()->GetClientSize();
        for (int y = 0; y < size.y; ++y) {
            if (List()->HitTest(wxPoint(size.x / 2, y)) == index) {
                return wxPoint(size.x / 2, y + 3);
            }
        }
        ADD_FAILURE() << "item " << index << " is not shown";
        return wxPoint();
    }

    // Presses a key on whatever has the focus (`receiver`), waiting until
    // it came up again.
    void PressKey(wxWindow* receiver, int key) {
        EXPECT_TRUE(receiver->HasFocus()) << "key " << key;
        RealPointer::EventWatch up(wxEVT_KEY_UP);
        pointer.Simulator().Char(key);
        EXPECT_TRUE(YieldUntil([&] { return up.seen; })) << "key " << key;
        YieldPending();
    }

    // Ctrl+Down as a user types it: Ctrl held until Down was handled.
    void PressCtrlDown(wxWindow* receiver) {
        {
            RealPointer::EventWatch down(wxEVT_KEY_DOWN);
            pointer.Simulator().KeyDown(WXK_CONTROL);
            EXPECT_TRUE(YieldUntil([&] { return down.seen; }));
        }
        PressKey(receiver, WXK_DOWN);
        pointer.Simulator().KeyUp(WXK_CONTROL);
        YieldPending();
    }

    void FocusTheCell() {
        grid->GotoCell(kColumn, kRow);
        Cells()->SetFocus();
        ASSERT_TRUE(YieldUntil([this] { return Cells()->HasFocus(); }));
        grid->log.clear();
    }

    bool ClosedAndFocusBack() const {
        return YieldUntil([this] { return List() == nullptr && Cells()->HasFocus(); });
    }

    std::string Text() const { return grid->GetCellText(kColumn, kRow).value_or("none"); }

    GridPicture Render() const { return GridPicture(GridTestWindow::RenderCells(*grid)); }

    std::string Opening() const { return "Opening 1 1 1 3"; }
    int Openings() const {
        return static_cast<int>(std::count(grid->log.begin(), grid->log.end(), Opening()));
    }

    GridTestWindow window;
    DropListGrid* grid = nullptr;
    RealPointer pointer;
};

TEST_F(DropListTypeTest, IsRegisteredAtItsIndexAndOffersTheLinesThatEndInANewline) {
    CGridDropListType& type = Type();
    EXPECT_EQ(type.GetName(), "DropList");
    EXPECT_EQ(type.GetIndex(), CSheetGrid::kDropListCellType);
    EXPECT_TRUE(type.IsEditable());
    EXPECT_FALSE(type.AllowsOverflow());
    using Choices = std::vector<std::string>;
    EXPECT_EQ(CGridDropListType::ChoicesOf("Red\nGreen\nBlue"), (Choices{"Red", "Green"}));
    EXPECT_EQ(CGridDropListType::ChoicesOf("Red\nGreen\nBlue\n"),
              (Choices{"Red", "Green", "Blue"}));
    EXPECT_EQ(CGridDropListType::ChoicesOf("\n\nx"), (Choices{"", ""}));
    EXPECT_TRUE(CGridDropListType::ChoicesOf("no newline").empty());
}

TEST_F(DropListTypeTest, AClickOnTheButtonOpensTheChoicesBelowTheCell) {
    pointer.ClickAt(Cells(), wxPoint(kCell.x + 10, kCell.y + 10));
    YieldPending();
    EXPECT_EQ(List(), nullptr) << "a click on the text opens nothing";
    EXPECT_EQ(Openings(), 0);

    OpenByClick();
    EXPECT_EQ(Openings(), 1);
    ASSERT_EQ(List()->GetCount(), 3u);
    EXPECT_EQ(List()->GetString(2), "Blue");
    const wxRect list = List()->GetRect();
    EXPECT_EQ(list.x, kCell.x + 10);
    EXPECT_EQ(list.y, kCell.GetBottom() + 1);
    EXPECT_EQ(list.width, kCell.width);
    EXPECT_EQ(list.height, 3 * Cells()->GetCharHeight() + 6);
}

TEST_F(DropListTypeTest, AClickedChoiceIsReportedAllowedStoredAndClosesTheList) {
    OpenByClick();
    grid->log.clear();
    pointer.ClickAt(List(), ItemPoint(1));
    ASSERT_TRUE(ClosedAndFocusBack());
    EXPECT_EQ(grid->log, (std::vector<std::string>{"Index 1 1 1 1", "Allow 1 1 1 Green in cell Red",
                                                   "Stored 1 1 1 Green in cell Green"}));
    EXPECT_EQ(Text(), "Green");
}

TEST_F(DropListTypeTest, EnterAndCtrlDownOpenTheListAndEnterTakesTheChoice) {
    FocusTheCell();
    PressKey(Cells(), WXK_RETURN);
    ASSERT_TRUE(YieldUntil([this] { return List() != nullptr && List()->HasFocus(); }));
    EXPECT_EQ(grid->log, std::vector<std::string>{Opening()}) << "Enter started nothing else";
    PressKey(List(), WXK_ESCAPE);
    ASSERT_TRUE(ClosedAndFocusBack());

    PressCtrlDown(Cells());
    ASSERT_TRUE(YieldUntil([this] { return List() != nullptr && List()->HasFocus(); }));
    EXPECT_EQ(grid->GetCurrentRow(), kRow) << "Ctrl+Down did not move on";
    grid->log.clear();
    PressKey(List(), WXK_DOWN);
    PressKey(List(), WXK_DOWN);
    ASSERT_TRUE(YieldUntil([this] { return List()->GetSelection() == 1; }))
        << List()->GetSelection();
    PressKey(List(), WXK_RETURN);
    ASSERT_TRUE(ClosedAndFocusBack());
    EXPECT_EQ(grid->log, (std::vector<std::string>{"Index 1 1 1 1", "Allow 1 1 1 Green in cell Red",
                                                   "Stored 1 1 1 Green in cell Green"}));
    EXPECT_EQ(Text(), "Green");
}

TEST_F(DropListTypeTest, ARefusedChoiceKeepsTheTextAndARefusedOpeningShowsNoList) {
    grid->answerChoice = 0;
    OpenByClick();
    grid->log.clear();
    pointer.ClickAt(List(), ItemPoint(2));
    ASSERT_TRUE(ClosedAndFocusBack());
    EXPECT_EQ(grid->log,
              (std::vector<std::string>{"Index 1 1 1 2", "Allow 1 1 1 Blue in cell Red"}));
    EXPECT_EQ(Text(), "Red");

    grid->answerOpening = 0;
    grid->log.clear();
    ClickButton();
    FocusTheCell();
    PressKey(Cells(), WXK_RETURN);
    EXPECT_EQ(List(), nullptr);
    EXPECT_EQ(Text(), "Red");
}

TEST_F(DropListTypeTest, EscapeEnterWithoutAChoiceAndLosingTheFocusCloseWithoutAChoice) {
    auto* elsewhere = new wxButton(window.panel, wxID_ANY, "elsewhere", wxPoint(600, 400));
    for (int way = 0; way < 3; ++way) {
        OpenByClick();
        grid->log.clear();
        if (way == 0) {
            PressKey(List(), WXK_ESCAPE);
        } else if (way == 1) {
            PressKey(List(), WXK_RETURN);
        } else {
            elsewhere->SetFocus();
        }
        EXPECT_TRUE(YieldUntil([this] { return List() == nullptr; })) << "way " << way;
        EXPECT_TRUE(grid->log.empty()) << "way " << way;
        EXPECT_EQ(Text(), "Red");
        YieldPending();
    }
}

TEST_F(DropListTypeTest, TheClickThatClosesTheListDoesNotOpenItAgainButTheNextOneDoes) {
    OpenByClick();
    ClickButton();
    ASSERT_TRUE(YieldUntil([this] { return List() == nullptr; }));
    YieldPending();
    EXPECT_EQ(List(), nullptr);
    EXPECT_EQ(Openings(), 1) << "opened once";
    OpenByClick();
    EXPECT_EQ(Openings(), 2) << "the next click opens it";
}

TEST_F(DropListTypeTest, AReadOnlyCellOpensNothing) {
    MakeDropList(kColumn, kRow, 0, true);
    ClickButton();
    PressKey(Cells(), WXK_RETURN);
    PressCtrlDown(Cells());
    EXPECT_EQ(List(), nullptr);
    EXPECT_EQ(Openings(), 0);
}

TEST_F(DropListTypeTest, TheListStaysInsideTheCellAreaNearItsRightAndBottomEdges) {
    grid->SetRowCount(40, true);
    YieldPending();
    // The last column ends 5 pixels short of the area's right edge.
    const int column = grid->GetColumnCount() - 1;
    grid->SetColumnWidth(column, Cells()->GetClientSize().x - 75 * column - 5);
    const int row = grid->GetBottomRow() - 1;
    const wxSize area = Cells()->GetClientSize();
    MakeDropList(column, row, 0, false);
    wxRect cell;
    ASSERT_TRUE(grid->GetCellRect(column, row, cell));
    ASSERT_GT(cell.GetRight() + 10, area.x - 1) << "the list would leave at the right";
    ASSERT_GT(cell.GetBottom() + 3 * Cells()->GetCharHeight(), area.y - 1) << "and the bottom";
    pointer.ClickAt(Cells(), ButtonOf(cell));
    ASSERT_TRUE(YieldUntil([this] { return List() != nullptr; }));
    const wxRect list = List()->GetRect();
    EXPECT_TRUE(wxRect(area).Contains(list))
        << "list at " << list.x << ", " << list.y << " " << list.width << " x " << list.height;
    EXPECT_EQ(list.GetRight(), area.x - 1);
    EXPECT_EQ(list.GetBottom(), area.y - 1);
}

TEST_F(DropListTypeTest, TheButtonShowsABlackTriangleOrAGreyOneWhenReadOnly) {
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const int width = Type().GetButtonWidth();
    // The button inside the grid lines at the right and bottom.
    const wxRect button(kCell.GetRight() - width, kCell.y, width, kCell.height - 1);
    GridPicture picture = Render();
    EXPECT_GT(picture.PixelsOf(button, face), width * 10);
    EXPECT_EQ(picture.PixelsOf(button, kBlack), 5 + 3 + 1);
    EXPECT_GT(picture.DarkPixels(wxRect(kCell.x, kCell.y, 30, 19)), 0) << "the text";

    MakeDropList(kColumn, kRow, 0, true);
    picture = Render();
    EXPECT_EQ(picture.PixelsOf(button, kBlack), 0);
    EXPECT_GE(picture.PixelsOf(button, kGrey), 5 + 3 + 1);
    EXPECT_GT(picture.PixelsOf(button.Deflate(2, 2), kWhite), 0) << "the highlight";

    // With the button only on the current cell, another cell shows none.
    MakeDropList(kColumn, kRow, CGridDropListType::kStyleButtonOnCurrent, false);
    grid->GotoCell(0, 0);
    EXPECT_EQ(Render().PixelsOf(button, face), 0);
    grid->GotoCell(kColumn, kRow);
    EXPECT_EQ(Render().PixelsOf(button, kBlack), 5 + 3 + 1);
}

TEST_F(DropListTypeTest, BestSizeHoldsTheButtonUnlessItShowsOnlyOnTheCurrentCell) {
    CGridCell cell;
    grid->GetCell(kColumn, kRow, cell);
    wxClientDC dc(Cells());
    wxSize normal(75, 20);
    grid->CellTypeOf(CGridCell()).GetBestSize(dc, normal, cell);
    wxSize size(75, 20);
    Type().GetBestSize(dc, size, cell);
    EXPECT_EQ(size, wxSize(normal.x + Type().GetButtonWidth(), normal.y));
    cell.SetCellTypeStyle(CGridDropListType::kStyleButtonOnCurrent);
    size = wxSize(75, 20);
    Type().GetBestSize(dc, size, cell);
    EXPECT_EQ(size, normal);

    wxRect edit(0, 0, 75, 20);
    Type().AdjustEditRect(edit);
    EXPECT_EQ(edit.width, 75 - Type().GetButtonWidth() - 1);
}

TEST_F(DropListTypeTest, AnOpenListGoesWithItsGrid) {
    OpenByClick();
    bool listDestroyed = false;
    List()->Bind(wxEVT_DESTROY, [&listDestroyed](wxWindowDestroyEvent&) { listDestroyed = true; });
    grid->Destroy();
    EXPECT_TRUE(listDestroyed);
    YieldPending();
}
