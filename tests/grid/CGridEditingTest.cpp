// In-place editing driven by real keys: starting and ending an edit, the
// editor keys, moving on, the masked editor, the checks of the data source
// and the grid, focus loss and the growing editor.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "CGridEdit.h"
#include "CGridMaskEdit.h"
#include "CGridMemDataSource.h"
#include "CSheetGrid.h"
#include "GridTestWindow.h"

namespace {

// A grid that notes the editing notifications and answers as told.
class EditingGrid : public TestableGrid {
  public:
    bool allowStart = true;
    bool allowEnd = true;
    bool allowMoveOn = true;
    // Typed characters: this one is refused, and `swapFrom` becomes `swapTo`.
    int refusedKey = -1;
    int swapFrom = -1;
    int swapTo = -1;

    bool AllowEditStart(int column, int row, wxTextCtrl*& editor) override {
        Note("AllowEditStart", {column, row, editor->GetId()});
        return allowStart;
    }
    bool CheckEditKey(int, int, wxTextCtrl*, int& key) override {
        if (key == swapFrom) {
            key = swapTo;
        }
        return key != refusedKey;
    }
    bool AllowEditEnd(int column, int row, wxTextCtrl*, const std::string& text,
                      bool cancelled) override {
        Note("AllowEditEnd " + text, {column, row, cancelled});
        return allowEnd;
    }
    bool AllowEditMoveOn(int oldColumn, int oldRow, int& newColumn, int& newRow) override {
        Note("AllowEditMoveOn", {oldColumn, oldRow, newColumn, newRow});
        return allowMoveOn;
    }
    void NotifyFocusLostTo(int section, wxWindow*) override { Note("FocusLostTo", {section}); }
};

}  // namespace

// A grid of 6 columns of 75 and 10 rows of 20 in a 500 x 300 placeholder.
class GridEditingTest : public testing::Test {
  protected:
    void SetUp() override {
        grid = new EditingGrid();
        window.Attach(*grid);
        grid->SetColumnCount(6, true);
        grid->SetRowCount(10, true);
        grid->SetCellText(1, 1, "old");
        YieldPending();
        grid->log.clear();
    }

    wxTextCtrl* Editor(int id = CGridEdit::kId) const { return grid->GetEditor(id); }

    // Starts an edit and waits until its editor has the focus.
    void Start(int column, int row, int firstCharacter = 0) {
        ASSERT_EQ(grid->StartEdit(column, row, firstCharacter), CSheetGrid::kEditStarted);
        ASSERT_TRUE(YieldUntil([this] {
            return grid->GetActiveEditor() != nullptr &&
                   wxWindow::FindFocus() == grid->GetActiveEditor();
        }));
        grid->log.clear();
    }

    void Type(const char* text) {
        simulator.Text(text);
        YieldPending();
    }

    // Presses a key and waits until the edit at (column, row) has moved on
    // or ended.
    bool PressAndWaitForEnd(int key, int modifiers = wxMOD_NONE) {
        const int column = grid->GetEditColumn();
        const int row = grid->GetEditRow();
        simulator.Char(key, modifiers);
        return YieldUntil([&] {
            return !grid->IsEditing() || grid->GetEditColumn() != column ||
                   grid->GetEditRow() != row;
        });
    }

    std::string Text(int column, int row) const {
        return grid->GetCellText(column, row).value_or("<none>");
    }

    GridTestWindow window;
    EditingGrid* grid = nullptr;
    wxUIActionSimulator simulator;
};

TEST_F(GridEditingTest, TypedTextIsWrittenAndEnterMovesOnToTheNextRow) {
    Start(1, 1);
    EXPECT_EQ(Editor()->GetValue(), "old");
    EXPECT_TRUE(Editor()->IsShown());
    Type("new text");
    ASSERT_TRUE(PressAndWaitForEnd(WXK_RETURN));
    EXPECT_EQ(Text(1, 1), "new text");
    EXPECT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->GetEditRow(), 2);
    EXPECT_EQ(grid->GetCurrentRow(), 2);
    std::erase(grid->log, "FocusLostTo 1");  // the cell area's, as the new editor opens
    EXPECT_EQ(grid->log,
              (std::vector<std::string>{"AllowEditEnd new text 1 1 0", "AllowEditMoveOn 1 1 1 2",
                                        "AllowCurrentCellMove 1 1 1 2", "CurrentRowChanged 1 2",
                                        "CurrentCellChanged 1 1 1 2", "AllowEditStart 1 2 123"}));
}

TEST_F(GridEditingTest, ANumberCellKeepsItsTypeAndTheTypedNumber) {
    CGridCell cell;
    cell.SetNumber(3);
    grid->SetCell(2, 2, cell);
    Start(2, 2);
    Type("12.5");
    ASSERT_TRUE(PressAndWaitForEnd(WXK_TAB));
    grid->GetCell(2, 2, cell);
    EXPECT_EQ(cell.GetDataType(), CGridCell::kTypeNumber);
    EXPECT_DOUBLE_EQ(cell.GetNumber(), 12.5);
}

TEST_F(GridEditingTest, EscapeLeavesTheCellAsItWas) {
    Start(1, 1);
    Type("typed");
    ASSERT_TRUE(PressAndWaitForEnd(WXK_ESCAPE));
    EXPECT_EQ(Text(1, 1), "old");
    EXPECT_FALSE(Editor()->IsShown());
    EXPECT_EQ(grid->log.front(), "AllowEditEnd typed 1 1 1");
}

TEST_F(GridEditingTest, MovingOnWrapsAroundBothEnds) {
    Start(5, 4);
    ASSERT_TRUE(PressAndWaitForEnd(WXK_TAB));
    EXPECT_EQ(grid->GetEditColumn(), 0) << "Tab in the last column";
    EXPECT_EQ(grid->GetEditRow(), 4);
    ASSERT_TRUE(PressAndWaitForEnd(WXK_TAB, wxMOD_SHIFT));
    EXPECT_EQ(grid->GetEditColumn(), 5) << "Shift+Tab in the first column";
    grid->EndEdit("", true, false, 0, 0);
    Start(3, 9);
    ASSERT_TRUE(PressAndWaitForEnd(WXK_DOWN));
    EXPECT_EQ(grid->GetEditRow(), 0) << "Down in the last row";
    ASSERT_TRUE(PressAndWaitForEnd(WXK_UP));
    EXPECT_EQ(grid->GetEditRow(), 9) << "Up in the first row";
    EXPECT_EQ(grid->GetCurrentRow(), 9);
}

TEST_F(GridEditingTest, MovingOnFromAJoinedRangeStartsPastIt) {
    CGridCell origin;
    origin.SetJoin({true, 1, 2});  // three columns, two rows
    grid->SetCell(1, 3, origin);
    for (int column = 1; column <= 3; ++column) {
        for (int row = 3; row <= 4; ++row) {
            if (column != 1 || row != 3) {
                CGridCell member;
                member.SetJoin({false, 3 - row, 1 - column});
                grid->SetCell(column, row, member);
            }
        }
    }
    Start(1, 3);
    ASSERT_TRUE(PressAndWaitForEnd(WXK_TAB));
    EXPECT_EQ(grid->GetEditColumn(), 4);
    grid->EndEdit("", true, false, 0, 0);
    Start(1, 3);
    ASSERT_TRUE(PressAndWaitForEnd(WXK_RETURN));
    EXPECT_EQ(grid->GetEditRow(), 5);
}

TEST_F(GridEditingTest, CellsThatCannotBeEditedOpenNoEditor) {
    CGridCell readOnly;
    readOnly.SetText("fixed");
    readOnly.SetReadOnly(true);
    grid->SetCell(2, 2, readOnly);
    EXPECT_EQ(grid->StartEdit(2, 2, 0), CSheetGrid::kEditNotStarted);
    grid->SetCellType(3, 3, CSheetGrid::kCheckBoxCellType);
    EXPECT_EQ(grid->StartEdit(3, 3, 0), CSheetGrid::kEditNotStarted);
    grid->allowStart = false;
    EXPECT_EQ(grid->StartEdit(1, 1, 0), CSheetGrid::kEditNotStarted);
    grid->allowStart = true;
    grid->allowCellMove = false;
    EXPECT_EQ(grid->StartEdit(4, 4, 0), CSheetGrid::kEditMoveRefused);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_FALSE(Editor()->IsShown());
    grid->allowCellMove = true;
    EXPECT_EQ(grid->StartEdit(1, 1, 0), CSheetGrid::kEditStarted) << "each refusal ended the edit";
}

TEST_F(GridEditingTest, ARefusedEndKeepsTheEditorOpenWithItsText) {
    Start(1, 1);
    Type("keep");
    grid->allowEnd = false;
    simulator.Char(WXK_TAB);
    ASSERT_TRUE(YieldUntil([this] { return grid->log.size() >= 1; }));
    ASSERT_TRUE(YieldUntil([this] { return wxWindow::FindFocus() == Editor(); }));
    EXPECT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->GetEditColumn(), 1);
    EXPECT_EQ(Editor()->GetValue(), "keep");
    EXPECT_EQ(Text(1, 1), "old");

    grid->allowEnd = true;
    grid->allowMoveOn = false;
    ASSERT_TRUE(PressAndWaitForEnd(WXK_TAB));
    EXPECT_FALSE(grid->IsEditing()) << "a refused move-on ends the edit normally";
    EXPECT_EQ(Text(1, 1), "keep");
}

TEST_F(GridEditingTest, TypedCharactersPassTheGridsCheck) {
    grid->refusedKey = 'x';
    grid->swapFrom = 'a';
    grid->swapTo = 'b';
    Start(1, 1, 'q');
    EXPECT_EQ(Editor()->GetValue(), "q") << "the first character replaces the selected text";
    Type("xaxa");
    EXPECT_EQ(Editor()->GetValue(), "qbb");
    grid->refusedKey = CGridEditBase::kDeleteCharacter;
    simulator.Char(WXK_HOME);
    simulator.Char(WXK_DELETE);
    YieldPending();
    EXPECT_EQ(Editor()->GetValue(), "qbb") << "Delete reaches the check as 127";
    grid->refusedKey = -1;
    simulator.Char(WXK_DELETE);
    EXPECT_TRUE(YieldUntil([this] { return Editor()->GetValue() == "bb"; }));
}

TEST_F(GridEditingTest, CtrlEnterBreaksTheLineOfAMultiLineCell) {
    CGridCell cell;
    cell.SetText("one");
    cell.SetCellTypeStyle(CGridCellType::kStyleMultiLine);
    grid->SetCell(1, 1, cell);
    Start(1, 1);
    simulator.Char(WXK_END);
    simulator.Char(WXK_RETURN, wxMOD_CONTROL);
    Type("two");
    EXPECT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->GetEditRow(), 1);
    EXPECT_EQ(Editor()->GetValue(), "one\ntwo");
}

TEST_F(GridEditingTest, TheMaskedEditorTypesLiteralsAndDropsWhatDoesNotFit) {
    CGridCell cell;
    cell.SetInputMask("999-999");
    grid->SetCell(2, 1, cell);
    Start(2, 1);
    EXPECT_EQ(grid->GetActiveEditor(), Editor(CGridMaskEdit::kId));
    Type("12ab3456");
    EXPECT_EQ(Editor(CGridMaskEdit::kId)->GetValue(), "123-456");
    Type("7");
    EXPECT_EQ(Editor(CGridMaskEdit::kId)->GetValue(), "123-456") << "nothing past the mask";
    ASSERT_TRUE(PressAndWaitForEnd(WXK_RETURN));
    EXPECT_EQ(Text(2, 1), "123-456");
}

TEST_F(GridEditingTest, TheMaskedEditorLaysExistingTextOnItsMask) {
    CGridCell cell;
    cell.SetText("123456");
    cell.SetInputMask("999-999");
    grid->SetCell(2, 1, cell);
    Start(2, 1);
    EXPECT_EQ(Editor(CGridMaskEdit::kId)->GetValue(), "123-456");
}

TEST_F(GridEditingTest, LeavingTheGridEndsTheEditOrCancelsItWhenAsked) {
    auto* outside = new wxButton(window.panel, wxID_ANY, "outside");
    Start(1, 1);
    Type("kept");
    outside->SetFocus();
    ASSERT_TRUE(YieldUntil([this] { return !grid->IsEditing(); }));
    EXPECT_EQ(Text(1, 1), "kept");
    EXPECT_EQ(grid->log.front(), "FocusLostTo 1");

    grid->SetCancelEditOnLeaving(true);
    Start(1, 1);
    Type("dropped");
    outside->SetFocus();
    ASSERT_TRUE(YieldUntil([this] { return !grid->IsEditing(); }));
    EXPECT_EQ(Text(1, 1), "kept");
}

TEST_F(GridEditingTest, TheEditorGrowsOverTheCellsToItsRight) {
    Start(0, 1);
    const wxRect start = Editor()->GetRect();
    EXPECT_EQ(start.width, 74);
    Type("a text much longer than one column");
    wxRect cell3;
    ASSERT_TRUE(grid->GetCellRect(3, 1, cell3));
    const wxRect grown = Editor()->GetRect();
    EXPECT_GT(grown.width, start.width);
    wxRect reached;
    grid->GetCellRect(grown.GetRight() / 75, 1, reached);
    EXPECT_EQ(grown.GetRight(), reached.GetRight() - 1)
        << "it snaps to a cell's right edge, short of its grid line as at the start";
    EXPECT_EQ(grown.height, start.height);

    grid->SetTextOverflow(false);
    ASSERT_TRUE(PressAndWaitForEnd(WXK_ESCAPE));
    Start(0, 1);
    Type("a text much longer than one column");
    EXPECT_EQ(Editor()->GetRect().width, 74) << "no growing without text overflow";
}

TEST_F(GridEditingTest, AnEditClearsTheSelectionAndMovingOnMakesNoBlocks) {
    grid->EnableMultipleSelection(true);
    grid->GetSelection().StartBlock(0, 0);
    grid->GetSelection().ExtendBlock(2, 2);
    Start(1, 1);
    EXPECT_EQ(grid->GetSelection().BlockCount(), 0);
    ASSERT_TRUE(PressAndWaitForEnd(WXK_TAB));
    ASSERT_TRUE(PressAndWaitForEnd(WXK_RETURN));
    EXPECT_EQ(grid->GetCurrentColumn(), 2);
    EXPECT_EQ(grid->GetCurrentRow(), 2);
    EXPECT_EQ(grid->GetSelection().BlockCount(), 0);
}

namespace {

// A store that refuses edits as told and notes its answers in the grid's log.
class RefusingStore : public CGridMemDataSource {
  public:
    explicit RefusingStore(EditingGrid& grid) : m_grid(grid) {}

    int refusedStartColumn = -1;
    int refusedKey = -1;
    std::string refusedText;
    bool allowMoveOn = true;

    bool AllowEditStart(int column, int row, wxTextCtrl*&) override {
        m_grid.Note("StoreEditStart", {column, row});
        return column != refusedStartColumn;
    }
    bool AllowEditKey(int, int, wxTextCtrl*, int& key) override { return key != refusedKey; }
    bool AllowEditEnd(int column, int row, wxTextCtrl*, const std::string& text, bool) override {
        m_grid.Note("StoreEditEnd " + text, {column, row});
        return text != refusedText;
    }
    bool AllowEditMoveOn(int, int, int& newColumn, int& newRow) override {
        m_grid.Note("StoreMoveOn", {newColumn, newRow});
        return allowMoveOn;
    }

  private:
    EditingGrid& m_grid;
};

}  // namespace

TEST_F(GridEditingTest, TheDataSourceIsAskedFirstAndMayRefuseEveryStep) {
    auto owned = std::make_unique<RefusingStore>(*grid);
    RefusingStore* store = owned.get();
    grid->SetDataSource(grid->AddDataSource(std::move(owned)));
    grid->SetColumnCount(0, true);
    grid->SetColumnCount(6, true);  // the columns now use the refusing store

    store->refusedStartColumn = 3;
    grid->GotoCell(3, 2);
    grid->log.clear();
    EXPECT_EQ(grid->StartEdit(3, 2, 0), CSheetGrid::kEditNotStarted);
    EXPECT_EQ(grid->log, (std::vector<std::string>{"StoreEditStart 3 2"}))
        << "the grid is not asked once its store refused";

    store->refusedKey = 'z';
    store->refusedText = "no";
    Start(1, 2);
    Type("nzo");
    EXPECT_EQ(Editor()->GetValue(), "no") << "the store dropped the z";
    simulator.Char(WXK_TAB);
    ASSERT_TRUE(YieldUntil([this] { return !grid->log.empty(); }));
    ASSERT_TRUE(YieldUntil([this] { return wxWindow::FindFocus() == Editor(); }));
    EXPECT_TRUE(grid->IsEditing()) << "the store kept the edit open";
    EXPECT_EQ(grid->log.front(), "StoreEditEnd no 1 2");

    store->allowMoveOn = false;
    Type("w");
    grid->log.clear();
    ASSERT_TRUE(PressAndWaitForEnd(WXK_TAB));
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(Text(1, 2), "w");
    std::erase(grid->log, "FocusLostTo 1");
    EXPECT_EQ(grid->log, (std::vector<std::string>{"StoreEditEnd w 1 2", "AllowEditEnd w 1 2 0",
                                                   "StoreMoveOn 2 2"}));
}

TEST_F(GridEditingTest, AHeadingCellIsEditedInItsHeadingAndDoesNotMoveOn) {
    Start(2, -1);
    EXPECT_EQ(Editor()->GetParent(), grid->GetPartWindow(CSheetGrid::kTopHeadingId));
    Type("Size");
    ASSERT_TRUE(PressAndWaitForEnd(WXK_TAB));
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(Text(2, -1), "Size");
    Start(1, 1);
    EXPECT_EQ(Editor()->GetParent(), grid->GetPartWindow(CSheetGrid::kCellAreaId))
        << "the editor goes back to the cells";
}
