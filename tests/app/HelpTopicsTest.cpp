#include "HelpTopics.h"

#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

#include "COXEdit.h"
#include "FakePrograms.h"
#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "MessageBox.h"
#include "TempTree.h"

namespace {

// A program "Other" with its help file Other.CHM beside it, and the
// programs the desktop would have as fakes on PATH. Messages are recorded
// instead of shown.
class HelpTopicsTest : public testing::Test {
  protected:
    void SetUp() override {
        m_tree.WriteFile("program/Other.CHM", "help");
        SetMessageBoxAnswerer([this](const wxString& text, long) {
            m_shown.push_back(std::string(text.utf8_str()));
            return wxOK;
        });
    }

    void TearDown() override { SetMessageBoxAnswerer({}); }

    void FakeProgram(const std::string& name, const std::string& body) const {
        m_programs.Add(name, body);
    }
    std::string RecordArguments(const std::string& name) const {
        return m_programs.RecordArguments(name);
    }

    std::string Program() const { return m_tree.Path("program/Other"); }
    std::string HelpFile() const { return m_tree.Path("program/Other.CHM"); }

    TempTree m_tree;
    FakePrograms m_programs{m_tree};
    std::vector<std::string> m_shown;
};

TEST_F(HelpTopicsTest, RegisteredViewerOpensTheFileThroughTheDesktop) {
    FakeProgram(
        "xdg-mime",
        "[ \"$*\" = 'query default application/vnd.ms-htmlhelp' ] && echo viewer.desktop\n");
    FakeProgram("xdg-open", RecordArguments("xdg-open"));
    FakeProgram("xchm", RecordArguments("xchm"));
    OpenHelpTopics(Program(), nullptr);
    ASSERT_TRUE(YieldUntil([this] { return m_tree.Exists("xdg-open.args"); }));
    EXPECT_EQ(m_tree.ReadFile("xdg-open.args"), HelpFile() + "\n");
    EXPECT_FALSE(m_tree.Exists("xchm.args"));
    EXPECT_TRUE(m_shown.empty());
}

// The viewer stays open until the test lets it go (or gives up after a
// while); the window is not held up meanwhile.
TEST_F(HelpTopicsTest, WithoutARegisteredViewerXchmShowsItUnwaited) {
    FakeProgram("xdg-mime", "exit 0\n");
    FakeProgram("xdg-open", RecordArguments("xdg-open"));
    const std::string release = m_tree.Path("release");
    const std::string ended = m_tree.Path("ended");
    FakeProgram("xchm", RecordArguments("xchm") + "n=0\nwhile [ ! -e '" + release +
                            "' ] && [ $n -lt 200 ]; do /bin/sleep 0.1; n=$((n + 1)); done\n: > '" +
                            ended + "'\n");
    OpenHelpTopics(Program(), nullptr);
    EXPECT_FALSE(m_tree.Exists("ended")) << "returned only when the viewer had ended";
    ASSERT_TRUE(YieldUntil([this] { return m_tree.Exists("xchm.args"); }));
    EXPECT_EQ(m_tree.ReadFile("xchm.args"), HelpFile() + "\n");
    EXPECT_FALSE(m_tree.Exists("xdg-open.args"));
    EXPECT_TRUE(m_shown.empty());
    m_tree.WriteFile("release", "");
    EXPECT_TRUE(YieldUntil([this] { return m_tree.Exists("ended"); }));
}

TEST_F(HelpTopicsTest, MissingViewerIsNamed) {
    setenv("PATH", "", 1);
    OpenHelpTopics(Program(), nullptr);
    EXPECT_EQ(m_shown, std::vector<std::string>{"No viewer for the help file is installed. Install "
                                                "xchm or another CHM viewer."});
}

TEST_F(HelpTopicsTest, MissingHelpFileIsReportedUnderTheFixedName) {
    FakeProgram("xchm", RecordArguments("xchm"));
    OpenHelpTopics(m_tree.Path("program/Elsewhere/Other"), nullptr);
    EXPECT_EQ(m_shown, std::vector<std::string>{"Help file Vantrel.chm was not found."});
}

TEST_F(MainWindowTest, F1AsksForHelpTopicsFromAnyControl) {
    CCompareDlg& window = Open();
    int asked = 0;
    window.Bind(
        wxEVT_MENU, [&asked](wxCommandEvent&) { ++asked; }, wxID_HELP_INDEX);
    wxWindow* const controls[] = {
        &Find<COXEdit>(CCompareDlg::IDC_LEFT_FOLDER),
        window.RightGrid().GetPartWindow(CSheetGrid::kSectionCellArea),
        window.FindWindow(CCompareDlg::IDC_COMPARE),
    };
    window.Raise();
    for (wxWindow* control : controls) {
        SCOPED_TRACE(control->GetId());
        const int before = asked;
        control->SetFocus();
        ASSERT_TRUE(YieldUntil([control] { return wxWindow::FindFocus() == control; }));
        wxUIActionSimulator().Char(WXK_F1);
        EXPECT_TRUE(YieldUntil([&] { return asked == before + 1; }));
    }
}

TEST_F(MainWindowTest, TheHelpMenuOffersHelpAboutAndUpdatesBetweenSeparators) {
    CCompareDlg& window = Open();
    const wxMenuBar& bar = *window.GetMenuBar();
    // The last menu of the bar.
    ASSERT_EQ(bar.GetMenuCount(), 3u);
    EXPECT_EQ(bar.GetMenuLabel(2), "&Help");
    const wxMenuItemList& items = bar.GetMenu(2)->GetMenuItems();
    std::vector<std::string> shown;
    for (const wxMenuItem* item : items) {
        shown.push_back(item->IsSeparator()
                            ? "-"
                            : (item->GetItemLabel() + " | " + item->GetHelp()).utf8_string());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "&Help Topics\tF1 | Display Vantrel help file", "-",
                         "&About Vantrel | Display version and copyright information", "-",
                         "&Check For Updates | Check to see if there are any updates available to "
                         "Vantrel"}));
}

}  // namespace
