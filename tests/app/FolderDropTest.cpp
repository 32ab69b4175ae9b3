// Folders dropped from a file manager onto the main window, through the
// drop targets the toolkit calls.

#include <gtest/gtest.h>
#include <wx/dnd.h>

#include "COXEdit.h"
#include "MainWindowFixture.h"

namespace {

class FolderDropTest : public MainWindowTest {
  protected:
    // Drops `paths` on `target` as the toolkit does once a drag ends there.
    static bool Drop(wxWindow& target, const std::vector<std::string>& paths) {
        auto* dropTarget = dynamic_cast<wxFileDropTarget*>(target.GetDropTarget());
        EXPECT_NE(dropTarget, nullptr) << "no file drop target";
        wxArrayString names;
        for (const std::string& path : paths) {
            names.Add(wxString(path.c_str(), *wxConvFileName));
        }
        return dropTarget != nullptr && dropTarget->OnDropFiles(5, 5, names);
    }

    static wxWindow& Cells(CResultGrid& grid) {
        return *grid.GetPartWindow(CSheetGrid::kCellAreaId);
    }
};

TEST_F(FolderDropTest, AFolderOrAFileSetsTheSideDroppedOnAndTwoSetBoth) {
    const std::string one = m_tree.MakeDir("one folder");
    const std::string two = m_tree.MakeDir("two\xff");  // not valid UTF-8
    const std::string file = m_tree.WriteFile("one folder/deeper/file.txt", "x");
    CCompareDlg& window = Compare();
    ASSERT_TRUE(Shown(CCompareDlg::IDC_COPY_TO_RIGHT));

    EXPECT_TRUE(Drop(Find<COXEdit>(CCompareDlg::IDC_LEFT_FOLDER), {one}));
    EXPECT_EQ(window.m_strLeftFolder, one + "/");
    EXPECT_EQ(window.m_strRightFolder, m_right);
    EXPECT_EQ(Find<COXEdit>(CCompareDlg::IDC_LEFT_FOLDER).GetValue(),
              wxString::FromUTF8(one + "/"));
    EXPECT_FALSE(Shown(CCompareDlg::IDC_COPY_TO_RIGHT)) << "the results shown are stale";

    EXPECT_TRUE(Drop(Cells(window.RightGrid()), {file}));
    EXPECT_EQ(window.m_strRightFolder, m_tree.Path("one folder/deeper/"));

    EXPECT_TRUE(Drop(Cells(window.LeftGrid()), {two, one}));
    EXPECT_EQ(window.m_strLeftFolder, two + "/");
    EXPECT_EQ(window.m_strRightFolder, one + "/");
    EXPECT_TRUE(Drop(Find<COXEdit>(CCompareDlg::IDC_RIGHT_FOLDER), {m_left, m_right}));
    EXPECT_EQ(window.m_strLeftFolder, m_left);
    EXPECT_EQ(window.m_strRightFolder, m_right);
}

TEST_F(FolderDropTest, ThreeOrAMissingPathChangeNothing) {
    CCompareDlg& window = OpenOnTestFolders();
    const std::string one = m_tree.MakeDir("x");
    EXPECT_FALSE(Drop(Find<COXEdit>(CCompareDlg::IDC_LEFT_FOLDER), {one, one, one}));
    EXPECT_FALSE(Drop(Cells(window.LeftGrid()), {one, m_tree.Path("gone")}));
    EXPECT_EQ(window.m_strLeftFolder, m_left);
    EXPECT_EQ(window.m_strRightFolder, m_right);
}

}  // namespace
