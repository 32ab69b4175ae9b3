#include "CCompareDlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/gauge.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "COXEdit.h"
#include "COXStatic.h"
#include "CProfile.h"
#include "CResultGrid.h"
#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "TempTree.h"

namespace {

const wxColour kLightGreen(192, 255, 192);
const wxColour kLightBlue(192, 192, 255);
const wxColour kGrey(192, 192, 192);
const wxColour kRed(255, 0, 0);

TEST_F(MainWindowTest, FirstStartShowsDefaultsAndHidesRunControls) {
    CCompareDlg& window = Open();
    EXPECT_EQ(window.m_strLeftFolder, "/");
    EXPECT_EQ(window.m_strRightFolder, "/");
    EXPECT_EQ(Find<COXEdit>(CCompareDlg::IDC_LEFT_FOLDER).GetValue(), "/");
    EXPECT_FALSE(Find<wxCheckBox>(CCompareDlg::IDC_RECURSE).GetValue());
    EXPECT_FALSE(Find<wxCheckBox>(CCompareDlg::IDC_DISREGARD).GetValue());
    for (int id : {CCompareDlg::IDC_ABORT, CCompareDlg::IDC_STATUS_BOX, CCompareDlg::IDC_STATUS,
                   CCompareDlg::IDC_PROGRESS, CCompareDlg::IDC_COMPARE_AGAIN,
                   CCompareDlg::IDC_COPY_TO_RIGHT, CCompareDlg::IDC_COPY_TO_LEFT}) {
        EXPECT_FALSE(Shown(id)) << "control " << id;
    }
    EXPECT_TRUE(Shown(CCompareDlg::IDC_COMPARE));
    EXPECT_EQ(window.GetTitle(), "Vantrel by Tarnwick LLC - Version 1.00");
    EXPECT_EQ(window.LeftGrid().GetColumnCount(), CResultGrid::kColumnCount);
    EXPECT_EQ(Cell(window.RightGrid(), CResultGrid::kColumnFullPath, -1), "FULL PATH NAME");
}

TEST_F(MainWindowTest, CompareFillsBothGridsLineByLine) {
    m_tree.WriteFile("left/same.txt", "abc");
    m_tree.WriteFile("right/same.txt", "abc");
    m_tree.WriteFile("left/content.txt", "abc");
    m_tree.WriteFile("right/content.txt", "abd");
    m_tree.WriteFile("left/only-left.txt", "12345");
    m_tree.WriteFile("right/only-right.txt", "x");
    for (const char* name : {"same.txt", "content.txt"}) {
        m_tree.SetTimes(std::string("left/") + name, 1204607167);  // 2008-03-04 05:06:07 UTC
        m_tree.SetTimes(std::string("right/") + name, 1204607167);
    }
    CCompareDlg& window = Compare();
    CResultGrid& left = window.LeftGrid();
    CResultGrid& right = window.RightGrid();

    ASSERT_EQ(left.GetRowCount(), 4);
    ASSERT_EQ(right.GetRowCount(), 4);
    // Rows by name: content, only-left, only-right, same.
    EXPECT_EQ(Cell(left, 1, 0), "content.txt");
    EXPECT_EQ(Cell(right, 1, 0), "content.txt");
    EXPECT_EQ(Cell(left, 1, 1), "only-left.txt");
    EXPECT_EQ(Cell(left, 2, 1), "5");
    EXPECT_EQ(Cell(left, 5, 1), m_left + "only-left.txt");
    EXPECT_EQ(Cell(right, 1, 1), "");
    EXPECT_EQ(Cell(left, 1, 2), "");
    EXPECT_EQ(Cell(right, 1, 2), "only-right.txt");
    EXPECT_EQ(Cell(right, 3, 3), "03/04/08  05:06:07");

    EXPECT_EQ(window.m_strCounts, "Files Equal:\t1\nFiles Different:\t1\nFiles Missing:\t2\n");
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetLabel(), "Folders DIFFERENT");
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetBkColor(), kRed);
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetTextColor(), *wxWHITE);
    EXPECT_EQ(Find<wxScrollBar>(CCompareDlg::IDC_SCROLLBAR).GetRange(), 4);
    EXPECT_TRUE(Shown(CCompareDlg::IDC_COPY_TO_RIGHT));
    EXPECT_TRUE(Shown(CCompareDlg::IDC_COPY_TO_LEFT));
    EXPECT_FALSE(Shown(CCompareDlg::IDC_ABORT));
    EXPECT_TRUE(Shown(CCompareDlg::IDC_COMPARE));
    EXPECT_FALSE(window.IsRunning());
}

TEST_F(MainWindowTest, StatusIconsFollowTheClassification) {
    m_tree.WriteFile("left/a.txt", "abc");
    m_tree.WriteFile("right/a.txt", "abcd");
    m_tree.WriteFile("left/b.txt", "x");
    CCompareDlg& window = Compare();
    for (CResultGrid* grid : {&window.LeftGrid(), &window.RightGrid()}) {
        CGridCell sizeRow, missingRow;
        grid->GetCell(0, 0, sizeRow);
        grid->GetCell(0, 1, missingRow);
        ASSERT_NE(sizeRow.GetBitmap(), nullptr);
        ASSERT_NE(missingRow.GetBitmap(), nullptr);
        EXPECT_NE(sizeRow.GetBitmap(), missingRow.GetBitmap());
    }
    CGridCell leftMissing, rightMissing;
    window.LeftGrid().GetCell(0, 1, leftMissing);
    window.RightGrid().GetCell(0, 1, rightMissing);
    EXPECT_EQ(leftMissing.GetBitmap()->GetWidth(), 15);
}

TEST_F(MainWindowTest, EmptyFoldersAreTheSame) {
    CCompareDlg& window = Compare();
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 0);
    EXPECT_EQ(window.m_strCounts, "Files Equal:\t0\nFiles Different:\t0\nFiles Missing:\t0\n");
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetLabel(), "Folders SAME");
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetBkColor(), kLightGreen);
    // Nothing to scroll: the shared bar is disabled.
    EXPECT_FALSE(Find<wxScrollBar>(CCompareDlg::IDC_SCROLLBAR).IsEnabled());
}

TEST_F(MainWindowTest, DisregardedAttributesAreGreyAndCountAsEqual) {
    m_tree.WriteFile("left/a.txt", "abc");
    m_tree.WriteFile("right/a.txt", "abc");
    m_tree.SetTimes("left/a.txt", 1600000000);
    m_tree.SetTimes("right/a.txt", 1600000000);
    ASSERT_EQ(chmod(m_tree.Path("right/a.txt").c_str(), 0444), 0);
    CCompareDlg& window = Compare(true);
    CGridCell heading, attributes;
    window.LeftGrid().GetCell(CResultGrid::kColumnAttributes, -1, heading);
    window.RightGrid().GetCell(CResultGrid::kColumnAttributes, 0, attributes);
    EXPECT_EQ(heading.GetTextColour(), kGrey);
    EXPECT_EQ(attributes.GetTextColour(), kGrey);
    EXPECT_EQ(Cell(window.RightGrid(), CResultGrid::kColumnAttributes, 0), "R");
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetLabel(), "Folders SAME");

    // Toggling the option while the grids hold rows asks for a new compare.
    wxCheckBox& disregard = Find<wxCheckBox>(CCompareDlg::IDC_DISREGARD);
    disregard.SetValue(false);
    wxCommandEvent click(wxEVT_CHECKBOX, CCompareDlg::IDC_DISREGARD);
    click.SetEventObject(&disregard);
    disregard.ProcessWindowEvent(click);
    EXPECT_TRUE(Shown(CCompareDlg::IDC_COMPARE_AGAIN));
    EXPECT_FALSE(window.m_bDisregardAttributes);
}

TEST_F(MainWindowTest, AbortDuringRowFillingLeavesEmptyGridsAndAllowsANewRun) {
    for (int i = 0; i < 30; ++i) {
        m_tree.WriteFile("left/f" + std::to_string(i), "x");
    }
    CCompareDlg& window = Open();
    window.m_strLeftFolder = m_left;
    window.m_strRightFolder = m_right;
    window.UpdateData(false);
    DuringRowFilling([this] {
        auto& abort = Find<wxButton>(CCompareDlg::IDC_ABORT);
        wxCommandEvent click(wxEVT_BUTTON, CCompareDlg::IDC_ABORT);
        click.SetEventObject(&abort);
        abort.ProcessWindowEvent(click);
    });
    window.OnCompare();
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 0);
    EXPECT_EQ(window.RightGrid().GetRowCount(), 0);
    EXPECT_EQ(Cell(window.LeftGrid(), 1, -1), "NAME");
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetLabel(), "");
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetBkColor(), kLightBlue);
    EXPECT_FALSE(window.m_bAbort);

    window.OnCompare();
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 30);
    EXPECT_EQ(window.m_counts.missing, 30);
}

TEST_F(MainWindowTest, ControlsThatChangeTheRunAreDisabledWhileItGoes) {
    m_tree.WriteFile("left/a", "x");
    CCompareDlg& window = Open();
    window.m_strLeftFolder = m_left;
    window.UpdateData(false);
    bool browseEnabled = true, editEnabled = true, optionEnabled = true;
    DuringRowFilling([&] {
        browseEnabled = Find<wxButton>(CCompareDlg::IDC_LEFT_BROWSE).IsEnabled();
        editEnabled = Find<COXEdit>(CCompareDlg::IDC_RIGHT_FOLDER).IsEnabled();
        optionEnabled = Find<wxCheckBox>(CCompareDlg::IDC_RECURSE).IsEnabled();
    });
    window.OnCompare();
    EXPECT_FALSE(browseEnabled);
    EXPECT_FALSE(editEnabled);
    EXPECT_FALSE(optionEnabled);
    EXPECT_TRUE(Find<wxButton>(CCompareDlg::IDC_LEFT_BROWSE).IsEnabled());
}

TEST_F(MainWindowTest, CloseBoxSavesSettingsLiterally) {
    CCompareDlg& window = Open();
    window.m_strLeftFolder = "/data/with blank/";
    window.m_strRightFolder = m_right;
    window.m_bRecurse = true;
    window.UpdateData(false);
    window.Close();
    ASSERT_TRUE(YieldUntil([this] { return !m_window; }));

    const std::vector<std::string> lines = FileLines(m_profile.Path());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "[Defaults]");
    EXPECT_TRUE(
        std::regex_match(lines[1], std::regex(R"(Window Pos=0,1,-1,-1,-1,-1,-?\d+,-?\d+,\d+,\d+)")))
        << lines[1];
    EXPECT_EQ(lines[2], "Initial Folder 1=/data/with blank/");
    EXPECT_EQ(lines[3], "Initial Folder 2=" + m_right);
    EXPECT_EQ(lines[4], "Recurse Directory=1");
    EXPECT_EQ(lines[5], "Disregard Attributes=0");

    // The next start reads them back.
    CCompareDlg& reopened = Open();
    EXPECT_EQ(reopened.m_strLeftFolder, "/data/with blank/");
    EXPECT_TRUE(reopened.m_bRecurse);
}

TEST_F(MainWindowTest, EscapeClosesWithoutSaving) {
    CCompareDlg& window = Open();
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    window.ProcessWindowEvent(escape);
    ASSERT_TRUE(YieldUntil([this] { return !m_window; }));
    EXPECT_TRUE(FileLines(m_profile.Path()).empty());
}

TEST_F(MainWindowTest, ClosingDuringARunAbortsItThenClosesAndSaves) {
    for (int i = 0; i < 30; ++i) {
        m_tree.WriteFile("left/f" + std::to_string(i), "x");
    }
    CCompareDlg& window = Open();
    window.m_strLeftFolder = m_left;
    window.UpdateData(false);
    DuringRowFilling([this] { m_window->Close(); });
    window.OnCompare();
    ASSERT_TRUE(YieldUntil([this] { return !m_window; }));
    const std::vector<std::string> lines = FileLines(m_profile.Path());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Initial Folder 1=" + m_left), lines.end());
}

TEST_F(MainWindowTest, StoredPlacementAndFoldersAreRestored) {
    m_profile.WriteProfileString("Defaults", "Window Pos", "0,1,-1,-1,-1,-1,30,40,1030,840");
    m_profile.WriteProfileString("Defaults", "Initial Folder 1", "");
    m_profile.WriteProfileString("Defaults", "Initial Folder 2", "/srv");
    CCompareDlg& window = Open();
    EXPECT_EQ(window.GetSize(), wxSize(1000, 800));
    EXPECT_EQ(window.m_strLeftFolder, "/");
    EXPECT_EQ(window.m_strRightFolder, "/srv/");
}

TEST_F(MainWindowTest, StoredPlacementOutOfRangeOrOffTheScreenLandsOnIt) {
    const struct {
        const char* windowPos;
        const char* what;
    } cases[] = {
        {"0,1,-1,-1,-1,-1,-2147483648,-2147483648,2147483647,2147483647", "the widest numbers"},
        {"0,1,-1,-1,-1,-1,2147483647,2147483647,-2147483648,-2147483648", "reversed"},
        {"0,1,-1,-1,-1,-1,100,100,2000000000,900", "far too wide"},
        {"0,1,-1,-1,-1,-1,50000,60000,51000,60800", "far off the screen"},
        {"0,1,-1,-1,-1,-1,-52000,-61000,-51000,-60200", "far off the other way"},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.what);
        m_profile.WriteProfileString("Defaults", "Window Pos", entry.windowPos);
        CCompareDlg& window = Open();
        const wxRect area = wxDisplay(0u).GetClientArea();
        const wxRect placed = window.GetRect();
        EXPECT_TRUE(area.Contains(placed))
            << testing::PrintToString(placed) << " on " << testing::PrintToString(area);
        EXPECT_GE(placed.width, window.GetMinSize().x);
        EXPECT_GE(placed.height, window.GetMinSize().y);
        window.Destroy();
        ASSERT_TRUE(YieldUntil([this] { return !m_window; }));
    }
    // A window placed off the screen keeps its size and moves to the
    // nearest edges.
    m_profile.WriteProfileString("Defaults", "Window Pos",
                                 "0,1,-1,-1,-1,-1,50000,60000,51000,60800");
    const wxRect area = wxDisplay(0u).GetClientArea();
    EXPECT_EQ(Open().GetRect(),
              wxRect(area.GetRight() + 1 - 1000, area.GetBottom() + 1 - 800, 1000, 800));
}

TEST_F(MainWindowTest, BoldLabelsAreTwelvePointsAtTheScreensResolution) {
    CCompareDlg& window = Open();
    const wxFont reference(wxFontInfo(12).FaceName("Liberation Sans").Bold());
    for (int id : {CCompareDlg::IDC_LEFT_LABEL, CCompareDlg::IDC_RIGHT_LABEL,
                   CCompareDlg::IDC_VERDICT, CCompareDlg::IDC_COMPARE_AGAIN}) {
        SCOPED_TRACE(id);
        const COXStatic& label = Find<COXStatic>(id);
        EXPECT_NEAR(label.GetFont().GetFractionalPointSize(), 12.0, 0.3);
        const wxSize measured = label.GetTextExtent("Left Folder");
        wxSize expected;
        window.GetTextExtent("Left Folder", &expected.x, &expected.y, nullptr, nullptr, &reference);
        EXPECT_NEAR(measured.x, expected.x, expected.x * 0.03) << "reference width " << expected.x;
        EXPECT_NEAR(measured.y, expected.y, 1);
    }
}

TEST_F(MainWindowTest, LeavingAFolderEditAddsTheSlashAndTypingHidesCopyAll) {
    m_tree.WriteFile("left/a", "x");
    CCompareDlg& window = Compare();
    ASSERT_TRUE(Shown(CCompareDlg::IDC_COPY_TO_RIGHT));
    COXEdit& edit = Find<COXEdit>(CCompareDlg::IDC_LEFT_FOLDER);
    edit.SetValue("/data");  // sends the text-changed event, as typing does
    EXPECT_FALSE(Shown(CCompareDlg::IDC_COPY_TO_RIGHT));
    EXPECT_FALSE(Shown(CCompareDlg::IDC_COPY_TO_LEFT));
    wxFocusEvent leave(wxEVT_KILL_FOCUS, CCompareDlg::IDC_LEFT_FOLDER);
    leave.SetEventObject(&edit);
    edit.ProcessWindowEvent(leave);
    EXPECT_EQ(edit.GetValue(), "/data/");
    EXPECT_EQ(window.m_strLeftFolder, "/data/");
}

TEST_F(MainWindowTest, FolderNamesThatAreNotUtf8SurviveTheEdits) {
    const std::string odd = m_tree.MakeDir("caf\xe9") + "/";
    m_tree.WriteFile("caf\xe9/a.txt", "x");
    CCompareDlg& window = Open();
    window.m_strLeftFolder = odd;
    window.m_strRightFolder = m_right;
    window.UpdateData(false);
    window.OnCompare();
    EXPECT_EQ(window.m_strLeftFolder, odd);
    EXPECT_EQ(window.LeftGrid().GetCellText(5, 0).value_or(""), odd + "a.txt");
}

TEST_F(MainWindowTest, SharedScrollBarMovesBothGrids) {
    for (int i = 0; i < 3; ++i) {
        m_tree.WriteFile("left/f" + std::to_string(i), "x");
    }
    CCompareDlg& window = Compare();
    wxScrollBar& bar = Find<wxScrollBar>(CCompareDlg::IDC_SCROLLBAR);
    const auto scroll = [&](wxEventType type, int position) {
        wxScrollEvent event(type, CCompareDlg::IDC_SCROLLBAR, position, wxVERTICAL);
        event.SetEventObject(&bar);
        bar.ProcessWindowEvent(event);
    };
    scroll(wxEVT_SCROLL_THUMBTRACK, 2);
    EXPECT_EQ(window.LeftGrid().GetCurrentRow(), 2);
    EXPECT_EQ(window.RightGrid().GetCurrentRow(), 2);
    EXPECT_EQ(bar.GetThumbPosition(), 2);
    scroll(wxEVT_SCROLL_LINEUP, 0);
    EXPECT_EQ(window.RightGrid().GetCurrentRow(), 1);
    scroll(wxEVT_SCROLL_LINEUP, 0);
    scroll(wxEVT_SCROLL_LINEUP, 0);
    EXPECT_EQ(window.LeftGrid().GetCurrentRow(), 0);
    EXPECT_EQ(bar.GetThumbPosition(), 0);
}

TEST_F(MainWindowTest, ResizingKeepsTheBarCentredAndCannotShrinkBelowTheStart) {
    CCompareDlg& window = Open();
    const wxSize start = window.GetSize();
    window.SetSize(start.x + 300, start.y + 100);
    YieldUntil([&] { return window.GetSize().x == start.x + 300; });
    const wxRect bar = window.FindWindow(CCompareDlg::IDC_SCROLLBAR)->GetRect();
    const wxRect left = window.LeftGrid().GetRect();
    const wxRect right = window.RightGrid().GetRect();
    const int clientWidth =
        window.FindWindow(CCompareDlg::IDC_SCROLLBAR)->GetParent()->GetClientSize().x;
    EXPECT_LE(std::abs(bar.x + bar.width / 2 - clientWidth / 2), 1);
    EXPECT_EQ(left.GetRight() + 1, bar.x);
    EXPECT_EQ(right.x, bar.GetRight() + 1);
    EXPECT_LE(std::abs(left.width - right.width), 1);
    EXPECT_EQ(clientWidth - right.GetRight() - 1, left.x);
    // Columns 0 to 4 fill the grid's width exactly, the icon column 20 wide.
    int total = 0;
    for (int column = 0; column <= 4; ++column) {
        total += window.LeftGrid().GetColumnWidth(column);
    }
    EXPECT_EQ(window.LeftGrid().GetColumnWidth(0), 20);
    EXPECT_EQ(total, window.LeftGrid().GetClientSize().x);
    EXPECT_EQ(window.GetMinSize(), start);
}

TEST_F(MainWindowTest, LargeSizesAndCaseTwinsShowInTheGrids) {
    const std::string big = m_tree.WriteFile("left/big.bin", "");
    ASSERT_EQ(truncate(big.c_str(), 5368709120LL), 0);  // 5 GiB, sparse
    m_tree.WriteFile("left/a.txt", "x");
    m_tree.WriteFile("right/a.txt", "x");
    m_tree.WriteFile("right/A.txt", "y");
    CCompareDlg& window = Compare();
    CResultGrid& left = window.LeftGrid();
    CResultGrid& right = window.RightGrid();
    std::vector<std::pair<std::string, std::string>> lines;
    for (int row = 0; row < left.GetRowCount(); ++row) {
        lines.emplace_back(Cell(left, 1, row), Cell(right, 1, row));
    }
    // Each right file stands on exactly one line; a.txt pairs with a.txt.
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         std::pair<std::string, std::string>("a.txt", "a.txt")),
              1);
    EXPECT_EQ(
        std::count(lines.begin(), lines.end(), std::pair<std::string, std::string>("", "A.txt")),
        1);
    const auto bigLine =
        std::find(lines.begin(), lines.end(), std::pair<std::string, std::string>("big.bin", ""));
    ASSERT_NE(bigLine, lines.end());
    EXPECT_EQ(Cell(left, 2, static_cast<int>(bigLine - lines.begin())), "5368709120");
}

TEST_F(MainWindowTest, SharedBarPagesAndScrollingOneGridMovesTheOther) {
    for (int i = 0; i < 200; ++i) {
        m_tree.WriteFile("left/f" + std::to_string(1000 + i), "x");
    }
    CCompareDlg& window = Compare();
    CResultGrid& left = window.LeftGrid();
    CResultGrid& right = window.RightGrid();
    wxScrollBar& bar = Find<wxScrollBar>(CCompareDlg::IDC_SCROLLBAR);
    EXPECT_EQ(bar.GetRange(), 200);
    const auto scroll = [&](wxEventType type) {
        wxScrollEvent event(type, CCompareDlg::IDC_SCROLLBAR, 0, wxVERTICAL);
        event.SetEventObject(&bar);
        bar.ProcessWindowEvent(event);
    };
    const int page = left.GetBottomRow() - left.GetTopRow();
    ASSERT_GT(page, 1);
    scroll(wxEVT_SCROLL_PAGEDOWN);
    EXPECT_EQ(left.GetTopRow(), page);
    EXPECT_EQ(right.GetTopRow(), page);
    EXPECT_EQ(bar.GetThumbPosition(), page);
    scroll(wxEVT_SCROLL_PAGEUP);
    EXPECT_EQ(left.GetTopRow(), 0);
    EXPECT_EQ(right.GetTopRow(), 0);
    scroll(wxEVT_SCROLL_LINEDOWN);
    EXPECT_EQ(right.GetCurrentRow(), 1);

    // Scrolling either grid scrolls the other, with or without the focus.
    left.SetTopRow(50);
    EXPECT_EQ(right.GetTopRow(), 50);
    right.SetTopRow(60);
    EXPECT_EQ(left.GetTopRow(), 60);
    EXPECT_EQ(bar.GetThumbPosition(), 60);
}

TEST_F(MainWindowTest, AMaximisedWindowReopensMaximised) {
    m_profile.WriteProfileString("Defaults", "Window Pos", "2,3,-1,-1,-1,-1,30,40,1030,840");
    CCompareDlg& window = Open();
    ASSERT_TRUE(YieldUntil([&] { return window.IsMaximized(); }));
    window.Close();
    ASSERT_TRUE(YieldUntil([this] { return !m_window; }));
    EXPECT_EQ(m_profile.GetProfileString("Defaults", "Window Pos", ""),
              "2,3,-1,-1,-1,-1,30,40,1030,840");
}

}  // namespace
