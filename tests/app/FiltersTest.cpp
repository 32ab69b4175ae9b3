// View > Filters... in the main window, on real folder trees.

#include <gtest/gtest.h>
#include <wx/textctrl.h>

#include "CFiltersDlg.h"
#include "MainWindowFixture.h"

namespace {

class FiltersTest : public MainWindowTest {
  protected:
    // Opens View > Filters... and, while it is up, runs `use` on it.
    void UseFiltersDialog(const std::function<void(CFiltersDlg&)>& use) {
        bool used = false;
        m_window->CallAfter([&] {
            for (wxWindow* window : wxTopLevelWindows) {
                if (auto* dialog = dynamic_cast<CFiltersDlg*>(window)) {
                    used = true;
                    use(*dialog);
                }
            }
        });
        wxCommandEvent command(wxEVT_MENU, CCompareDlg::kFiltersCommand);
        m_window->ProcessWindowEvent(command);
        EXPECT_TRUE(used) << "the Filters dialog did not open";
    }

    static wxTextCtrl& List(CFiltersDlg& dialog, int id) {
        return *dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
    }

    static void PressOk(CFiltersDlg& dialog) {
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        dialog.FindWindow(wxID_OK)->ProcessWindowEvent(ok);
    }
};

TEST_F(FiltersTest, PatternsChosenLeaveFilesOutAndAreKeptForTheNextWindow) {
    for (const std::string side : {"left/", "right/"}) {
        m_tree.WriteFile(side + "keep.txt", "same");
        m_tree.WriteFile(side + "obj/x.o", side);
        m_tree.WriteFile(side + "sub/y.tmp", side);
    }
    m_profile.WriteProfileInt("Defaults", "Recurse Directory", 1);
    CCompareDlg& window = OpenOnTestFolders();
    AnsweredMessages messages(wxOK);
    UseFiltersDialog([&](CFiltersDlg& dialog) {
        List(dialog, CFiltersDlg::IDC_EXCLUDE).SetValue("obj/\n[broken\n");
        PressOk(dialog);  // refused: the dialog stays
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find("\"[broken\""), std::string::npos);
        EXPECT_TRUE(dialog.IsModal());
        List(dialog, CFiltersDlg::IDC_EXCLUDE).SetValue("obj/\n\n*.tmp\n");
        PressOk(dialog);
    });
    window.OnCompare();
    ASSERT_EQ(window.LeftGrid().GetRowCount(), 1);
    EXPECT_EQ(window.LeftGrid().CellBytes(CResultGrid::kColumnName, 0), "keep.txt");
    const std::vector<std::string> lines = FileLines(m_profile.Path());
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("[Filters]") && has("Exclude 1=obj/") && has("Exclude 2=*.tmp"));

    window.Destroy();
    YieldUntil([this] { return !m_window; });
    CCompareDlg& again = OpenOnTestFolders();
    UseFiltersDialog([&](CFiltersDlg& dialog) {
        EXPECT_EQ(List(dialog, CFiltersDlg::IDC_EXCLUDE).GetValue(), "obj/\n*.tmp\n");
        EXPECT_EQ(List(dialog, CFiltersDlg::IDC_INCLUDE).GetValue(), "");
        List(dialog, CFiltersDlg::IDC_EXCLUDE).SetValue("*.tmp\n");
        PressOk(dialog);
    });
    again.OnCompare();
    EXPECT_EQ(again.LeftGrid().GetRowCount(), 2);  // obj/x.o is back
    EXPECT_EQ(FilterPatterns::Read(m_profile).exclude, std::vector<std::string>{"*.tmp"});
}

}  // namespace
