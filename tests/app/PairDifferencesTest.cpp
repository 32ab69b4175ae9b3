// Opening a line's pair in a file-comparison program from the main window,
// on real folder trees.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "FakePrograms.h"
#include "OnScreenFixture.h"

namespace {

class PairDifferencesTest : public OnScreenTest {
  protected:
    // Two lines: "a.txt" on both sides, differing, and "b.txt" on the left only.
    CCompareDlg& CompareTwoLines() {
        m_tree.WriteFile("left/a.txt", "left");
        m_tree.WriteFile("right/a.txt", "right!");
        m_tree.WriteFile("left/b.txt", "b");
        return ShowOnScreen(Compare());
    }

    void DoubleClickName(CResultGrid& grid, int row) {
        wxRect rect;
        ASSERT_TRUE(grid.GetCellRect(CResultGrid::kColumnName, row, rect));
        wxWindow* cells = grid.GetPartWindow(CSheetGrid::kCellAreaId);
        PointAt(*cells, rect.GetPosition() + wxPoint(4, rect.height / 2));
        m_input.MouseDblClick();
        YieldPending();
    }

    std::vector<std::string> RecordedArguments(const std::string& name) {
        const std::string record = name + ".args";
        EXPECT_TRUE(YieldUntil([&] { return m_tree.Exists(record); }, std::chrono::seconds(10)))
            << name << " was not started";
        std::vector<std::string> lines = FileLines(m_tree.Path(record));
        std::filesystem::remove(m_tree.Path(record));
        return lines;
    }

    FakePrograms m_programs{m_tree};
};

TEST_F(PairDifferencesTest, DoubleClickOrEnterStartsTheConfiguredProgramWithoutWaiting) {
    // The program records its arguments, then runs on for a long time.
    const std::string tool = m_tree.Path("bin/my diff");
    m_programs.Add("my diff", m_programs.RecordArguments("my diff") + "exec /bin/sleep 30\n");
    m_profile.WriteProfileString("Defaults", "Diff Tool", "'" + tool + "' --left=%1 %2");
    CCompareDlg& window = CompareTwoLines();

    const auto started = std::chrono::steady_clock::now();
    DoubleClickName(window.LeftGrid(), 0);
    const std::vector<std::string> expected{"--left=" + m_left + "a.txt", m_right + "a.txt"};
    EXPECT_EQ(RecordedArguments("my diff"), expected);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));

    // Enter on the right grid's current line does the same.
    FocusCells(window.RightGrid());
    window.RightGrid().GotoRow(0);
    m_input.Char(WXK_RETURN);
    EXPECT_EQ(RecordedArguments("my diff"), expected);
}

TEST_F(PairDifferencesTest, ALineWithOneSideOnlyStartsNothing) {
    m_programs.Add("meld", m_programs.RecordArguments("meld"));
    CCompareDlg& window = CompareTwoLines();
    AnsweredMessages messages(wxOK);
    DoubleClickName(window.LeftGrid(), 1);
    DoubleClickName(window.LeftGrid(), 0);
    // Started once, for the line with both files: the first known program.
    EXPECT_EQ(RecordedArguments("meld"),
              (std::vector<std::string>{m_left + "a.txt", m_right + "a.txt"}));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(m_tree.Exists("meld.args"));
}

TEST_F(PairDifferencesTest, WithoutAProgramAMessageSaysHowToNameOne) {
    CCompareDlg& window = CompareTwoLines();
    AnsweredMessages messages(wxOK);
    DoubleClickName(window.RightGrid(), 0);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("No file comparison program was found"), std::string::npos);
    EXPECT_NE(messages.texts[0].find("Diff Tool=meld %1 %2"), std::string::npos);
}

}  // namespace
