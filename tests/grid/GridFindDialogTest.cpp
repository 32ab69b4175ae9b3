// The grid answering the toolkit's find-and-replace dialog, whose fields
// are filled and whose buttons are pressed as a user would: finding down
// and across, replacing, replacing everywhere,
// the "Not Found" box and forgetting a closed dialog.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/fdrepdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <memory>

#include "CSheetGrid.h"
#include "GridTestWindow.h"

namespace {

// The first control of type T under `window` whose label is `label` (any
// label when empty).
template <typename T>
T* FindControl(wxWindow* window, const wxString& label = wxString()) {
    for (wxWindow* child : window->GetChildren()) {
        auto* control = dynamic_cast<T*>(child);
        if (control != nullptr && (label.empty() || child->GetLabel() == label)) {
            return control;
        }
        if (T* inner = FindControl<T>(child, label)) {
            return inner;
        }
    }
    return nullptr;
}

}  // namespace

class GridFindDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        grid = new TestableGrid();
        window.Attach(*grid);
        grid->SetColumnCount(4, true);
        grid->SetRowCount(6, true);
        grid->SetCellText(0, 0, "alpha");
        grid->SetCellText(2, 1, "Beta one");
        grid->SetCellText(1, 3, "beta two");
        grid->SetCellText(3, 4, "gamma beta");
        grid->GotoCell(0, 0);
        YieldPending();
        // Message boxes are noted and closed with a click on their button.
        watcher.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { AnswerBoxes(); });
        watcher.Start(50);
    }
    void TearDown() override {
        watcher.Stop();
        if (dialog != nullptr) {
            dialog->Destroy();
        }
    }

    void AnswerBoxes() {
        for (wxWindow* top : wxTopLevelWindows) {
            auto* box = dynamic_cast<wxDialog*>(top);
            if (box == nullptr || !box->IsModal() || box == dialog) {
                continue;
            }
            auto* text = FindControl<wxStaticText>(box);
            boxes.push_back(
                (box->GetTitle() + ": " + (text ? text->GetLabel() : "")).utf8_string());
            box->EndModal(wxID_OK);
        }
    }

    void OpenDialog(int style, int flags = wxFR_DOWN) {
        data.SetFlags(flags);
        dialog = new wxFindReplaceDialog(window.frame, &data, "Find", style);
        grid->SetFindDialog(dialog);
        dialog->Show();
        ASSERT_TRUE(YieldUntil([this] { return dialog->IsShownOnScreen(); }));
    }

    // A press of the dialog's button: the command a click on it gives.
    void Click(wxWindow* control) {
        ASSERT_NE(control, nullptr);
        wxCommandEvent press(wxEVT_BUTTON, control->GetId());
        press.SetEventObject(control);
        control->ProcessWindowEvent(press);
        YieldPending();
    }

    // Puts `text` into the dialog's find (or replace) field.
    void Fill(int field, const char* text) {
        wxTextCtrl* edit = FindControl<wxTextCtrl>(dialog);
        for (wxWindow* next = edit; field == 1 && next != nullptr; next = next->GetNextSibling()) {
            auto* other = dynamic_cast<wxTextCtrl*>(next);
            if (other != nullptr && other != edit) {
                edit = other;
                break;
            }
        }
        edit->ChangeValue(text);
    }

    static void Tick(wxCheckBox* box) {
        ASSERT_NE(box, nullptr);
        box->SetValue(true);
    }

    // Presses a dialog button and waits until the current cell is (column, row).
    bool PressAndLandOn(const wxString& button, int column, int row) {
        Click(FindControl<wxButton>(dialog, button));
        return YieldUntil(
            [&] { return grid->GetCurrentColumn() == column && grid->GetCurrentRow() == row; });
    }

    GridTestWindow window;
    TestableGrid* grid = nullptr;
    wxFindReplaceData data;
    wxFindReplaceDialog* dialog = nullptr;
    wxTimer watcher;
    std::vector<std::string> boxes;  // "title: text" of each message box
};

TEST_F(GridFindDialogTest, FindsDownTheColumnOrAlongTheRowsBothWays) {
    OpenDialog(0);
    Fill(0, "beta");
    grid->GotoCell(1, 0);
    EXPECT_TRUE(PressAndLandOn("&Find...", 1, 3)) << "down the current column";
    grid->SetSearchAcross(true);
    grid->GotoCell(0, 0);
    EXPECT_TRUE(PressAndLandOn("&Find...", 2, 1)) << "along row 0, then row 1";
    EXPECT_TRUE(PressAndLandOn("&Find...", 1, 3));
    EXPECT_TRUE(PressAndLandOn("&Find...", 3, 4));
    grid->SetSearchAcross(false);
    dialog->Destroy();
    OpenDialog(0, 0);
    Fill(0, "beta");
    grid->GotoCell(3, 0);
    EXPECT_TRUE(PressAndLandOn("&Find...", 3, 4)) << "up from the top wraps to the bottom";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GridFindDialogTest, MatchCaseAndWholeWordNarrowTheSearch) {
    OpenDialog(0);
    Fill(0, "beta one");
    Tick(FindControl<wxCheckBox>(dialog, "Whole word"));
    grid->GotoCell(2, 0);
    EXPECT_TRUE(PressAndLandOn("&Find...", 2, 1)) << "whole text, any case";
    Tick(FindControl<wxCheckBox>(dialog, "Match case"));
    grid->GotoCell(2, 0);
    Click(FindControl<wxButton>(dialog, "&Find..."));
    EXPECT_EQ(boxes, std::vector<std::string>{"Not Found: Item not found"});
    EXPECT_EQ(grid->GetCurrentRow(), 0);
}

TEST_F(GridFindDialogTest, ReplaceChangesTheCurrentCellAndReplaceAllEveryMatch) {
    OpenDialog(wxFR_REPLACEDIALOG);
    Fill(0, "beta");
    Fill(1, "delta");
    grid->SetSearchAcross(true);
    grid->GotoCell(1, 3);
    EXPECT_TRUE(PressAndLandOn("&Replace", 3, 4)) << "replaced, then on to the next match";
    EXPECT_EQ(grid->GetCellText(1, 3), "delta two");
    EXPECT_EQ(grid->GetCellText(3, 4), "gamma beta") << "only the current cell is replaced";

    Click(FindControl<wxButton>(dialog, "Replace &all"));
    EXPECT_EQ(grid->GetCellText(3, 4), "gamma delta");
    EXPECT_EQ(grid->GetCellText(2, 1), "delta one");
    EXPECT_EQ(grid->GetCellText(0, 0), "alpha");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GridFindDialogTest, NothingFoundShowsTheBoxAndKeepsTheCurrentCell) {
    OpenDialog(0);
    Fill(0, "omega");
    Click(FindControl<wxButton>(dialog, "&Find..."));
    ASSERT_TRUE(YieldUntil([this] { return !boxes.empty(); }));
    EXPECT_EQ(boxes, std::vector<std::string>{"Not Found: Item not found"});
    EXPECT_EQ(grid->GetCurrentColumn(), 0);
    EXPECT_EQ(grid->GetCurrentRow(), 0);
}

TEST_F(GridFindDialogTest, AClosedDialogIsForgotten) {
    OpenDialog(0);
    Fill(0, "beta");
    Click(FindControl<wxButton>(dialog, "&Cancel"));
    ASSERT_TRUE(YieldUntil([this] { return !dialog->IsShown(); }));
    wxFindDialogEvent find(wxEVT_FIND, dialog->GetId());
    find.SetFindString("beta");
    find.SetFlags(wxFR_DOWN);
    dialog->GetEventHandler()->ProcessEvent(find);
    EXPECT_EQ(grid->GetCurrentRow(), 0) << "the grid no longer answers it";
}
