// Copying all files one way, and the results grids' popup menu actions, on
// real folder trees.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/button.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "COXStatic.h"
#include "CProgressMsgDlg.h"
#include "MainWindowFixture.h"
#include "MessageBox.h"
#include "PermissionChecksApply.h"
#include "SystemCalls.h"

namespace {

// What a grid line shows: its status icon and its texts.
struct LineView {
    const wxBitmap* status;
    std::vector<std::string> texts;
    bool operator==(const LineView&) const = default;
};

std::vector<LineView> GridView(CResultGrid& grid) {
    std::vector<LineView> view;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        CGridCell status;
        grid.GetCell(CResultGrid::kColumnStatus, row, status);
        LineView line{status.GetBitmap(), {}};
        for (int column = CResultGrid::kColumnName; column <= CResultGrid::kColumnFullPath;
             ++column) {
            line.texts.push_back(grid.CellBytes(column, row));
        }
        view.push_back(line);
    }
    return view;
}

class SyncActionsTest : public MainWindowTest {
  protected:
    // A new compare of the same folders shows what the grids show now.
    void ExpectAFreshCompareAgrees() {
        CCompareDlg& window = *m_pOpened;
        const std::vector<LineView> left = GridView(window.LeftGrid());
        const std::vector<LineView> right = GridView(window.RightGrid());
        window.OnCompare();
        EXPECT_EQ(GridView(window.LeftGrid()), left);
        EXPECT_EQ(GridView(window.RightGrid()), right);
    }

    const wxBitmap* Status(CResultGrid& grid, int row) {
        CGridCell cell;
        grid.GetCell(CResultGrid::kColumnStatus, row, cell);
        return cell.GetBitmap();
    }

    // Opens `grid`'s popup menu on `row`, closes it again and then, as a
    // click on an item would, sends `command` (0: none). The menu's item
    // texts; none when it did not open.
    std::vector<std::string> UseMenu(CResultGrid& grid, int row, int command = 0,
                                     int section = CSheetGrid::kSectionCellArea) {
        auto returned = std::make_shared<bool>(false);
        grid.CallAfter([returned] {
            if (!*returned) {  // the menu is open
                wxUIActionSimulator().Char(WXK_ESCAPE);
            }
        });
        const int result =
            grid.OpenPopupMenu(CResultGrid::kColumnName, row, section, wxPoint(5, 5));
        *returned = true;
        std::vector<std::string> items;
        if (result != 0) {
            return items;
        }
        for (const wxMenuItem* item : grid.GetPopupMenu().GetMenuItems()) {
            items.push_back(std::string(item->GetItemLabel().utf8_str()));
        }
        if (command != 0) {
            wxCommandEvent chosen(wxEVT_MENU, command);
            grid.ProcessWindowEvent(chosen);
        }
        return items;
    }
};

TEST_F(SyncActionsTest, AnsweringNoLeavesDiskAndGridsUntouched) {
    m_tree.WriteFile("left/a.txt", "a");
    CCompareDlg& window = Compare();
    const std::vector<LineView> before = GridView(window.RightGrid());
    AnsweredMessages messages(wxNO);
    window.CopyAllToRight();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Are you sure you want to copy ALL the files from\n\n" + m_left +
                                     "\n\nto\n\n" + m_right + "?");
    EXPECT_FALSE(m_tree.Exists("right/a.txt"));
    EXPECT_EQ(GridView(window.RightGrid()), before);
    EXPECT_FALSE(Shown(CCompareDlg::IDC_COMPARE_AGAIN));
}

TEST_F(SyncActionsTest, CopyAllToRightCopiesEveryLeftFileAndMarksTheLinesIdentical) {
    m_tree.WriteFile("left/only-left.txt", "12345");
    m_tree.WriteFile("left/sub/deeper/nested.txt", "nested");
    m_tree.WriteFile("left/both.txt", "new");
    m_tree.WriteFile("right/both.txt", "old content");
    m_tree.WriteFile("right/only-right.txt", "r");
    m_profile.WriteProfileInt("Defaults", "Recurse Directory", 1);
    CCompareDlg& window = Compare();
    AnsweredMessages messages(wxYES);
    window.CopyAllToRight();

    EXPECT_EQ(messages.texts.size(), 1u) << "no error message";
    EXPECT_EQ(m_tree.ReadFile("right/only-left.txt"), "12345");
    EXPECT_EQ(m_tree.ReadFile("right/sub/deeper/nested.txt"), "nested");
    EXPECT_EQ(m_tree.ReadFile("right/both.txt"), "new");
    EXPECT_EQ(m_tree.ReadFile("right/only-right.txt"), "r");
    CResultGrid& left = window.LeftGrid();
    CResultGrid& right = window.RightGrid();
    const int row = 1;  // both, only-left, only-right, sub/deeper/nested
    ASSERT_EQ(left.CellBytes(CResultGrid::kColumnName, row), "only-left.txt");
    for (int column = CResultGrid::kColumnName; column <= CResultGrid::kColumnAttributes;
         ++column) {
        EXPECT_EQ(right.CellBytes(column, row), left.CellBytes(column, row)) << column;
    }
    EXPECT_EQ(right.CellBytes(CResultGrid::kColumnFullPath, row), m_right + "only-left.txt");
    EXPECT_EQ(Status(left, row), left.GetBitmap(left.m_nBmpIdentical));
    EXPECT_EQ(Status(right, row), right.GetBitmap(right.m_nBmpIdentical));
    EXPECT_TRUE(Shown(CCompareDlg::IDC_COMPARE_AGAIN));
    ExpectAFreshCompareAgrees();
}

TEST_F(SyncActionsTest, AFailedCopyIsReportedAndTheOthersStillGo) {
    m_tree.WriteFile("left/a.txt", "a");
    m_tree.WriteFile("left/b.txt", "b");
    m_tree.WriteFile("left/c.txt", "c");
    const std::string locked = m_tree.WriteFile("right/b.txt", "old");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    CCompareDlg& window = Compare();
    AnsweredMessages messages(wxYES);
    window.CopyAllToRight();

    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1],
              "The following errors occured while copying files:\n\nUnable to copy " + m_left +
                  "b.txt to " + m_right + "b.txt: Permission denied\n");
    EXPECT_EQ(m_tree.ReadFile("right/b.txt"), "old");
    EXPECT_EQ(m_tree.ReadFile("right/a.txt"), "a");
    EXPECT_EQ(m_tree.ReadFile("right/c.txt"), "c");
    EXPECT_NE(Status(window.RightGrid(), 1),
              window.RightGrid().GetBitmap(window.RightGrid().m_nBmpIdentical))
        << "the failed line keeps its icon";
}

TEST_F(SyncActionsTest, ProgressShowsTheCompactedPathOrTheCount) {
    m_tree.WriteFile("left/a.txt", "a");
    m_tree.WriteFile("left/" + std::string(60, 'n') + ".txt", "long");
    CCompareDlg& window = Compare();
    std::vector<std::string> progressTexts;
    std::set<int> enabledWhileCopying;
    window.Bind(wxEVT_IDLE, [&](wxIdleEvent& event) {
        event.Skip();
        for (wxWindow* top : wxTopLevelWindows) {
            if (auto* progress = dynamic_cast<CProgressMsgDlg*>(top)) {
                if (progressTexts.empty() || progressTexts.back() != progress->GetMessage()) {
                    progressTexts.push_back(progress->GetMessage());
                }
                for (int id : {CCompareDlg::IDC_COPY_TO_LEFT, CCompareDlg::IDC_LEFT_BROWSE,
                               CCompareDlg::IDC_COMPARE}) {
                    if (window.FindWindow(id)->IsEnabled()) {
                        enabledWhileCopying.insert(id);
                    }
                }
                // A menu would open here if the grid still offered it.
                if (window.LeftGrid().OpenPopupMenu(1, 0, CSheetGrid::kSectionCellArea,
                                                    wxPoint(5, 5)) != 1) {
                    enabledWhileCopying.insert(CCompareDlg::IDC_LEFT_GRID);
                }
            }
        }
    });
    AnsweredMessages messages(wxYES);
    window.CopyAllToRight();
    std::string compacted;
    ASSERT_EQ(progressTexts.size(), 2u);
    EXPECT_EQ(progressTexts[0].rfind("Copying ", 0), 0u);
    EXPECT_NE(progressTexts[0].find("a.txt -->"), std::string::npos) << progressTexts[0];
    EXPECT_EQ(progressTexts[1], "Copying 2 of 2");
    EXPECT_TRUE(enabledWhileCopying.empty());
    EXPECT_TRUE(window.FindWindow(CCompareDlg::IDC_COMPARE)->IsEnabled());
}

TEST_F(SyncActionsTest, ClosingDuringCopyAllStopsAfterTheCurrentFileAndSaves) {
    m_tree.WriteFile("left/a.txt", "a");
    m_tree.WriteFile("left/b.txt", "b");
    CCompareDlg& window = Compare();
    bool closeAsked = false;
    window.Bind(wxEVT_IDLE, [&](wxIdleEvent& event) {
        event.Skip();
        if (!closeAsked && m_tree.Exists("right/a.txt")) {
            closeAsked = true;
            m_window->Close();
        }
    });
    AnsweredMessages messages(wxYES);
    window.CopyAllToRight();
    ASSERT_TRUE(YieldUntil([this] { return !m_window; }));
    EXPECT_FALSE(m_tree.Exists("right/b.txt"));
    EXPECT_FALSE(FileLines(m_profile.Path()).empty()) << "settings saved";
}

TEST_F(SyncActionsTest, MenuOffersTheTwoActionsThatFitTheLine) {
    m_tree.WriteFile("left/both.txt", "x");
    m_tree.WriteFile("right/both.txt", "x");
    m_tree.WriteFile("left/left-only.txt", "x");
    m_tree.WriteFile("right/right-only.txt", "x");
    CCompareDlg& window = Compare();
    CResultGrid& left = window.LeftGrid();
    CResultGrid& right = window.RightGrid();
    using Items = std::vector<std::string>;
    EXPECT_EQ(UseMenu(left, 0), (Items{"Copy this file to the Right folder ==>",
                                       "Delete this file from BOTH folders"}));
    EXPECT_EQ(UseMenu(right, 0), (Items{"<== Copy this file to the Left folder",
                                        "Delete this file from BOTH folders"}));
    EXPECT_EQ(UseMenu(left, 1),
              (Items{"Copy this file to the Right folder ==>", "Delete this file"}));
    EXPECT_EQ(UseMenu(right, 1), (Items{"==> Copy this file from the Left folder to this folder",
                                        "Delete this file from the Left folder"}));
    EXPECT_EQ(UseMenu(left, 2), (Items{"Copy this file from the Right folder to this folder <== ",
                                       "Delete this file from the Right folder"}));
    EXPECT_EQ(UseMenu(right, 2),
              (Items{"<== Copy this file to the Left folder", "Delete this file"}));
    EXPECT_TRUE(UseMenu(left, -1, 0, CSheetGrid::kSectionTopHeading).empty()) << "heading";
    EXPECT_TRUE(UseMenu(left, 3).empty()) << "below the last row";
}

TEST_F(SyncActionsTest, CopyHereAndThereChangeDiskAndBothGrids) {
    m_tree.WriteFile("left/sub/left-only.txt", "from left");
    m_tree.WriteFile("right/right-only.txt", "from right");
    m_profile.WriteProfileInt("Defaults", "Recurse Directory", 1);
    CCompareDlg& window = Compare();
    CResultGrid& left = window.LeftGrid();
    CResultGrid& right = window.RightGrid();
    ASSERT_EQ(right.CellBytes(CResultGrid::kColumnName, 0), "right-only.txt");

    UseMenu(left, 0, CResultGrid::ID_COPY_HERE);
    EXPECT_EQ(m_tree.ReadFile("left/right-only.txt"), "from right");
    EXPECT_EQ(left.CellBytes(CResultGrid::kColumnFullPath, 0), m_left + "right-only.txt");
    EXPECT_EQ(left.CellBytes(CResultGrid::kColumnSize, 0), "10");
    EXPECT_EQ(Status(left, 0), left.GetBitmap(left.m_nBmpIdentical));

    UseMenu(left, 1, CResultGrid::ID_COPY_THERE);
    EXPECT_EQ(m_tree.ReadFile("right/sub/left-only.txt"), "from left");
    EXPECT_EQ(right.CellBytes(CResultGrid::kColumnFullPath, 1), m_right + "sub/left-only.txt");
    EXPECT_EQ(Status(right, 1), right.GetBitmap(right.m_nBmpIdentical));
    EXPECT_TRUE(Shown(CCompareDlg::IDC_COMPARE_AGAIN));
    ExpectAFreshCompareAgrees();
}

TEST_F(SyncActionsTest, DeletesRemoveTheFilesAndTheLine) {
    m_tree.WriteFile("left/a-both.txt", "x");
    m_tree.WriteFile("right/a-both.txt", "x");
    m_tree.WriteFile("left/b-left.txt", "x");
    m_tree.WriteFile("right/c-right.txt", "x");
    CCompareDlg& window = Compare();
    CResultGrid& left = window.LeftGrid();

    UseMenu(left, 2, CResultGrid::ID_DELETE_OTHER);
    EXPECT_FALSE(m_tree.Exists("right/c-right.txt"));
    UseMenu(left, 1, CResultGrid::ID_DELETE_THIS);
    EXPECT_FALSE(m_tree.Exists("left/b-left.txt"));
    UseMenu(window.RightGrid(), 0, CResultGrid::ID_DELETE_BOTH);
    EXPECT_FALSE(m_tree.Exists("left/a-both.txt"));
    EXPECT_FALSE(m_tree.Exists("right/a-both.txt"));
    EXPECT_EQ(left.GetRowCount(), 0);
    EXPECT_EQ(window.RightGrid().GetRowCount(), 0);
    ExpectAFreshCompareAgrees();
}

TEST_F(SyncActionsTest, CopyOntoAReadOnlyFileChangesNothing) {
    m_tree.WriteFile("left/a.txt", "new");
    const std::string locked = m_tree.WriteFile("right/a.txt", "old!");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    CCompareDlg& window = Compare();
    const std::vector<LineView> left = GridView(window.LeftGrid());
    const std::vector<LineView> right = GridView(window.RightGrid());
    AnsweredMessages messages(wxOK);
    UseMenu(window.LeftGrid(), 0, CResultGrid::ID_COPY_THERE);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "ERROR:  Unable to copy\n\n" + m_left + "a.txt\n\nto\n\n" +
                                     locked + "\n\nPermission denied");
    EXPECT_EQ(m_tree.ReadFile("right/a.txt"), "old!");
    EXPECT_EQ(GridView(window.LeftGrid()), left);
    EXPECT_EQ(GridView(window.RightGrid()), right);
    EXPECT_FALSE(Shown(CCompareDlg::IDC_COMPARE_AGAIN));
}

TEST_F(SyncActionsTest, ACopyOntoAFolderNamesTheSystemsReason) {
    m_tree.WriteFile("left/a.txt", "new");
    m_tree.MakeDir("right/a.txt");
    CCompareDlg& window = Compare();
    AnsweredMessages messages(wxOK);
    UseMenu(window.LeftGrid(), 0, CResultGrid::ID_COPY_THERE);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "ERROR:  Unable to copy\n\n" + m_left + "a.txt\n\nto\n\n" +
                                     m_right + "a.txt\n\nIs a directory");
}

// Refuses every removal with "Permission denied".
class RefusedRemovals : public SystemCalls {
  public:
    RefusedRemovals() { m_previous = Install(this); }
    ~RefusedRemovals() override { Install(m_previous); }
    int Unlink(const char*) override {
        errno = EACCES;
        return -1;
    }

  private:
    SystemCalls* m_previous;
};

// Deletes at once, as the settings can ask.
TEST_F(SyncActionsTest, AFailedDeleteNamesTheFileAndKeepsTheLines) {
    m_profile.WriteProfileInt("Defaults", "Delete To Trash", 0);
    m_tree.WriteFile("left/a.txt", "x");
    m_tree.WriteFile("right/a.txt", "x");
    CCompareDlg& window = Compare();
    AnsweredMessages messages(wxOK);
    {
        RefusedRemovals refused;
        UseMenu(window.LeftGrid(), 0, CResultGrid::ID_DELETE_BOTH);
    }
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "ERROR:  Unable to delete\n\n" + m_left + "a.txt\n\nPermission denied");
    EXPECT_TRUE(m_tree.Exists("left/a.txt"));
    EXPECT_TRUE(m_tree.Exists("right/a.txt"));
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 1);

    // The other side's file already gone: this side's is deleted, the line
    // stays and shows this side missing.
    ASSERT_EQ(unlink(m_tree.Path("right/a.txt").c_str()), 0);
    UseMenu(window.LeftGrid(), 0, CResultGrid::ID_DELETE_BOTH);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1],
              "ERROR:  Unable to delete\n\n" + m_right + "a.txt\n\nNo such file or directory");
    EXPECT_FALSE(m_tree.Exists("left/a.txt"));
    ASSERT_EQ(window.LeftGrid().GetRowCount(), 1);
    EXPECT_FALSE(window.LeftGrid().HasFile(0));
    EXPECT_EQ(Status(window.LeftGrid(), 0),
              window.LeftGrid().GetBitmap(window.LeftGrid().m_nBmpMissing));
}

}  // namespace

// A close request raised while a popup menu action lets events through
// waits for the action: the grids it works on stay until it has ended.
TEST_F(SyncActionsTest, ClosingDuringAPopupMenuActionWaitsForItToEnd) {
    const std::vector<std::function<void()>> closeRequests = {
        [this] { m_window->Close(); },
        [this] {
            wxKeyEvent escape(wxEVT_CHAR_HOOK);
            escape.m_keyCode = WXK_ESCAPE;
            m_window->ProcessWindowEvent(escape);
        },
    };
    for (size_t request = 0; request < closeRequests.size(); ++request) {
        const std::string name = "file" + std::to_string(request) + ".txt";
        m_tree.WriteFile("left/" + name, "a");
        CCompareDlg& window = Compare();
        CResultGrid& left = window.LeftGrid();
        bool acting = true;
        bool destroyedWhileActing = false;
        left.Bind(wxEVT_DESTROY, [&](wxWindowDestroyEvent& event) {
            event.Skip();
            destroyedWhileActing = destroyedWhileActing || acting;
        });
        window.Bind(wxEVT_IDLE, [&, asked = false](wxIdleEvent& event) mutable {
            event.Skip();
            if (!asked && m_tree.Exists("right/" + name)) {
                asked = true;  // the copy is done; the action is finishing
                closeRequests[request]();
            }
        });
        const int row = left.GetRowCount() - 1;
        UseMenu(left, row, CResultGrid::ID_COPY_THERE);
        acting = false;
        EXPECT_FALSE(destroyedWhileActing) << request;
        EXPECT_TRUE(YieldUntil([this] { return !m_window; })) << request;
    }
}

// A folder the compare could not list: the run says it is incomplete and
// names the folder, and nothing in it is written or deleted afterwards.
TEST_F(SyncActionsTest, AFolderThatCannotBeListedMakesTheRunIncompleteAndIsLeftAlone) {
    m_tree.WriteFile("left/same.txt", "s");
    m_tree.WriteFile("right/same.txt", "s");
    m_tree.WriteFile("left/locked/a.txt", "left a");
    m_tree.WriteFile("right/locked/a.txt", "right a");
    m_tree.WriteFile("right/locked/b.txt", "right b");
    chmod(m_tree.Path("left/locked").c_str(), 0);
    m_profile.WriteProfileInt("Defaults", "Recurse Directory", 1);
    CCompareDlg& window = OpenOnTestFolders();
    AnsweredMessages messages(wxYES);
    {
        const PermissionChecksApply asAnyUser;
        window.OnCompare();
    }
    chmod(m_tree.Path("left/locked").c_str(), 0755);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "ERROR:  These folders could not be listed, so the compare did not see all their "
              "files:\n\n" +
                  m_left + "locked/  (Permission denied)\n");
    auto& verdict = Find<COXStatic>(CCompareDlg::IDC_VERDICT);
    EXPECT_EQ(verdict.GetLabel(), "Compare incomplete");
    EXPECT_EQ(verdict.GetBkColor(), wxColour(192, 192, 255));

    CResultGrid& left = window.LeftGrid();
    ASSERT_EQ(left.GetRowCount(), 3);
    EXPECT_EQ(Cell(window.RightGrid(), CResultGrid::kColumnName, 0), "locked/a.txt");
    for (const int command : {CResultGrid::ID_COPY_HERE, CResultGrid::ID_DELETE_OTHER}) {
        messages.texts.clear();
        UseMenu(left, 0, command);
        ASSERT_EQ(messages.texts.size(), 1u) << command;
        EXPECT_TRUE(messages.texts[0].starts_with("ERROR:  The folder of\n\nlocked/a.txt\n\n"))
            << messages.texts[0];
    }
    EXPECT_EQ(m_tree.ReadFile("left/locked/a.txt"), "left a");
    EXPECT_TRUE(m_tree.Exists("right/locked/a.txt"));

    messages.texts.clear();
    window.CopyAllToLeft();
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1],
              "The following errors occured while copying files:\n\n"
              "Unable to copy " +
                  m_right + "locked/a.txt: its folder could not be listed\n" + "Unable to copy " +
                  m_right + "locked/b.txt: its folder could not be listed\n");
    EXPECT_EQ(m_tree.ReadFile("left/locked/a.txt"), "left a");
    EXPECT_FALSE(m_tree.Exists("left/locked/b.txt"));
}

namespace {

TEST_F(SyncActionsTest, LinesBelowADeletedOneShowAndActOnTheirOwnFiles) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        m_tree.WriteFile(std::string("left/") + name, std::string("left ") + name);
        m_tree.WriteFile(std::string("right/") + name, name);
    }
    CCompareDlg& window = Compare();
    CResultGrid& left = window.LeftGrid();
    CResultGrid& right = window.RightGrid();

    UseMenu(left, 0, CResultGrid::ID_DELETE_BOTH);
    ASSERT_EQ(left.GetRowCount(), 2);
    EXPECT_EQ(left.CellBytes(CResultGrid::kColumnName, 0), "b.txt");
    EXPECT_EQ(right.CellBytes(CResultGrid::kColumnFullPath, 1), m_right + "c.txt");
    EXPECT_EQ(Status(right, 0), right.GetBitmap(right.m_nBmpSize));

    UseMenu(left, 1, CResultGrid::ID_COPY_THERE);
    EXPECT_EQ(m_tree.ReadFile("right/c.txt"), "left c.txt");
    EXPECT_EQ(m_tree.ReadFile("right/b.txt"), "b.txt");
    EXPECT_EQ(right.CellBytes(CResultGrid::kColumnSize, 1), "10");
    EXPECT_EQ(Status(left, 1), left.GetBitmap(left.m_nBmpIdentical));
    EXPECT_EQ(Status(left, 0), left.GetBitmap(left.m_nBmpSize));
    ExpectAFreshCompareAgrees();
}

TEST_F(SyncActionsTest, LinesKeepTheFoldersOfTheirCompareWhenTheFieldsChange) {
    m_tree.WriteFile("left/a.txt", "a");
    m_tree.WriteFile("right/a.txt", "a");
    CCompareDlg& window = Compare(true);
    const std::vector<LineView> left = GridView(window.LeftGrid());
    const std::vector<LineView> right = GridView(window.RightGrid());
    EXPECT_EQ(left[0].texts.back(), m_left + "a.txt");

    window.m_strLeftFolder = m_tree.MakeDir("elsewhere") + "/";
    window.m_strRightFolder = window.m_strLeftFolder;
    window.m_bDisregardAttributes = false;
    window.UpdateData(false);
    EXPECT_EQ(GridView(window.LeftGrid()), left);
    EXPECT_EQ(GridView(window.RightGrid()), right);
    CGridCell attributes;
    window.LeftGrid().GetCell(CResultGrid::kColumnAttributes, 0, attributes);
    EXPECT_EQ(attributes.GetTextColour(), wxColour(192, 192, 192));
}

}  // namespace

namespace {

// The tests' data folder holds the desktop trash the deletes go to.
std::string TrashedFile(const std::string& name) {
    return std::string(std::getenv("XDG_DATA_HOME")) + "/Trash/files/" + name;
}

// A folder on a file system that has no trash (the system's shared memory),
// removed with what is in it; empty when there is none here.
class FolderWithoutTrash {
  public:
    FolderWithoutTrash() {
        std::string pattern = "/dev/shm/vantrel-test-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern + "/";
        }
    }
    ~FolderWithoutTrash() {
        if (!m_path.empty()) {
            std::filesystem::remove_all(m_path);
        }
    }
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
};

TEST_F(SyncActionsTest, DeletesMoveTheFilesToTheTrashUnlessTheSettingsSayOtherwise) {
    // Names no other test trashes: the trash is shared by the tests.
    m_tree.WriteFile("left/a-both-trashed.txt", "left a");
    m_tree.WriteFile("right/a-both-trashed.txt", "right a");
    m_tree.WriteFile("left/b-left-trashed.txt", "b");
    CCompareDlg& window = Compare();
    AnsweredMessages messages(wxYES);

    UseMenu(window.LeftGrid(), 1, CResultGrid::ID_DELETE_THIS);
    EXPECT_FALSE(m_tree.Exists("left/b-left-trashed.txt"));
    EXPECT_EQ(ReadWholeFile(TrashedFile("b-left-trashed.txt")), "b");
    UseMenu(window.RightGrid(), 0, CResultGrid::ID_DELETE_BOTH);
    EXPECT_FALSE(m_tree.Exists("left/a-both-trashed.txt"));
    EXPECT_FALSE(m_tree.Exists("right/a-both-trashed.txt"));
    // Both sides' files are in the trash, neither overwriting the other.
    std::set<std::string> trashed;
    for (const auto& entry : std::filesystem::directory_iterator(TrashedFile(""))) {
        trashed.insert(ReadWholeFile(entry.path()));
    }
    EXPECT_TRUE(trashed.count("left a") == 1 && trashed.count("right a") == 1);
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 0);
    EXPECT_TRUE(messages.texts.empty()) << "no question where there is a trash";

    m_profile.WriteProfileInt("Defaults", "Delete To Trash", 0);
    m_tree.WriteFile("left/c-deleted.txt", "c");
    window.OnCompare();
    UseMenu(window.LeftGrid(), 0, CResultGrid::ID_DELETE_THIS);
    EXPECT_FALSE(m_tree.Exists("left/c-deleted.txt"));
    EXPECT_FALSE(std::filesystem::exists(TrashedFile("c-deleted.txt")));
}

TEST_F(SyncActionsTest, WithoutATrashDeletesAskOnceBeforeDeletingPermanently) {
    const FolderWithoutTrash left;
    const FolderWithoutTrash right;
    if (left.Path().empty() || right.Path().empty()) {
        GTEST_SKIP() << "no /dev/shm here";
    }
    m_left = left.Path();
    m_right = right.Path();
    for (const std::string& folder : {m_left, m_right}) {
        std::ofstream(folder + "a.txt") << "a";
    }
    CCompareDlg& window = Compare();
    {
        AnsweredMessages messages(wxNO);
        UseMenu(window.LeftGrid(), 0, CResultGrid::ID_DELETE_BOTH);
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find("Delete permanently?"), std::string::npos);
        EXPECT_TRUE(std::filesystem::exists(m_left + "a.txt"));
        EXPECT_TRUE(std::filesystem::exists(m_right + "a.txt"));
        EXPECT_EQ(window.LeftGrid().GetRowCount(), 1);
    }
    AnsweredMessages messages(wxYES);
    UseMenu(window.LeftGrid(), 0, CResultGrid::ID_DELETE_BOTH);
    EXPECT_EQ(messages.texts.size(), 1u) << "one question for both files";
    EXPECT_FALSE(std::filesystem::exists(m_left + "a.txt"));
    EXPECT_FALSE(std::filesystem::exists(m_right + "a.txt"));
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 0);
}

}  // namespace

namespace {

class IdenticalLinesTest : public SyncActionsTest {
  protected:
    void ShowIdentical(bool show) {
        m_window->GetMenuBar()->Check(CCompareDlg::kShowIdenticalCommand, show);
        wxCommandEvent command(wxEVT_MENU, CCompareDlg::kShowIdenticalCommand);
        command.SetInt(show ? 1 : 0);
        m_window->ProcessWindowEvent(command);
    }

    static std::vector<std::string> LineNames(CResultGrid& grid) {
        std::vector<std::string> names;
        for (int row = 0; row < grid.GetRowCount(); ++row) {
            names.push_back(grid.CellBytes(CResultGrid::kColumnName, row));
        }
        return names;
    }
};

using Names = std::vector<std::string>;

TEST_F(IdenticalLinesTest, HiddenIdenticalLinesKeepTheGridsLineByLineAndTheCounts) {
    for (const char* name : {"a.txt", "c.txt", "e.txt"}) {
        m_tree.WriteFile(std::string("left/") + name, "same");
        m_tree.WriteFile(std::string("right/") + name, "same");
    }
    m_tree.WriteFile("left/b.txt", "left");
    m_tree.WriteFile("right/b.txt", "right!");
    m_tree.WriteFile("left/d.txt", "only left");
    m_tree.WriteFile("right/f.txt", "only right");
    CCompareDlg& window = Compare();
    const std::string counts = window.m_strCounts;

    ShowIdentical(false);
    EXPECT_EQ(LineNames(window.LeftGrid()), (Names{"b.txt", "d.txt", ""}));
    EXPECT_EQ(LineNames(window.RightGrid()), (Names{"b.txt", "", "f.txt"}));
    EXPECT_EQ(window.m_strCounts, counts);
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetLabel(), "Folders DIFFERENT");

    // An action below hidden lines acts on its own line's files.
    UseMenu(window.LeftGrid(), 1, CResultGrid::ID_DELETE_THIS);
    EXPECT_FALSE(m_tree.Exists("left/d.txt"));
    EXPECT_TRUE(m_tree.Exists("left/c.txt"));
    UseMenu(window.LeftGrid(), 1, CResultGrid::ID_COPY_HERE);  // f.txt
    EXPECT_EQ(m_tree.ReadFile("left/f.txt"), "only right");
    EXPECT_EQ(LineNames(window.LeftGrid()), (Names{"b.txt", "f.txt"}));

    ShowIdentical(true);
    EXPECT_EQ(LineNames(window.LeftGrid()), (Names{"a.txt", "b.txt", "c.txt", "e.txt", "f.txt"}));
    EXPECT_EQ(LineNames(window.RightGrid()), LineNames(window.LeftGrid()));
    // f.txt was made identical: hidden from now on.
    ShowIdentical(false);
    EXPECT_EQ(LineNames(window.LeftGrid()), (Names{"b.txt"}));
    ExpectAFreshCompareAgrees();
}

TEST_F(IdenticalLinesTest, CopyAllCopiesTheFilesOfHiddenLinesToo) {
    m_tree.WriteFile("left/a.txt", "same");
    m_tree.WriteFile("right/a.txt", "same");
    m_tree.WriteFile("left/b.txt", "new");
    CCompareDlg& window = Compare();
    ShowIdentical(false);
    ASSERT_EQ(window.LeftGrid().GetRowCount(), 1);
    // Changed since the compare: Copy All copies it all the same.
    m_tree.WriteFile("right/a.txt", "changed");
    AnsweredMessages messages(wxYES);
    window.CopyAllToRight();
    EXPECT_EQ(m_tree.ReadFile("right/a.txt"), "same");
    EXPECT_EQ(m_tree.ReadFile("right/b.txt"), "new");
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 0);  // every line is identical now
}

TEST_F(IdenticalLinesTest, TheChoiceIsKeptInTheSettings) {
    CCompareDlg& window = Open();
    EXPECT_TRUE(window.GetMenuBar()->IsChecked(CCompareDlg::kShowIdenticalCommand));
    ShowIdentical(false);
    window.SaveSettingsAndPlacement();
    const std::vector<std::string> lines = FileLines(m_profile.Path());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Show Identical Files=0"), lines.end());
    window.Destroy();
    YieldUntil([this] { return !m_window; });
    EXPECT_FALSE(Open().GetMenuBar()->IsChecked(CCompareDlg::kShowIdenticalCommand));
}

}  // namespace
