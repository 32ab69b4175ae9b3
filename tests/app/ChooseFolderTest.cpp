#include "ChooseFolder.h"

#include <gtest/gtest.h>
#include <wx/dirdlg.h>
#include <wx/modalhook.h>

#include "PathText.h"
#include "TempTree.h"

namespace {

// Answers the folder dialog instead of the user: picks `path` and presses
// OK, or presses Cancel.
class FolderAnswer : public wxModalDialogHook {
  public:
    FolderAnswer(const wxString& path, int button) : m_path(path), m_button(button) { Register(); }
    ~FolderAnswer() override { Unregister(); }

    wxString m_title;
    int m_shown = 0;

  protected:
    int Enter(wxDialog* dialog) override {
        ++m_shown;
        if (auto* folders = wxDynamicCast(dialog, wxDirDialog)) {
            // The native dialog shows its message as its title.
            m_title = folders->GetMessage();
            // What the native dialog records when the user confirms a folder.
            folders->wxDirDialogBase::SetPath(m_path);
        }
        return m_button;
    }
    void Exit(wxDialog*) override {}

  private:
    wxString m_path;
    int m_button;
};

}  // namespace

TEST(ChooseFolder, ReturnsTheChosenFolderWithoutTrailingSlash) {
    TempTree tree;
    const std::string folder = tree.MakeDir("data");
    FolderAnswer answer(wxString(folder + "/"), wxID_OK);
    std::string chosen = "previous";
    EXPECT_TRUE(ChooseFolder(chosen));
    EXPECT_EQ(chosen, folder);
    EXPECT_EQ(answer.m_shown, 1);
    EXPECT_EQ(answer.m_title, "Select a Directory");
}

TEST(ChooseFolder, CancelEmptiesThePathAndReturnsFalse) {
    TempTree tree;
    FolderAnswer answer(wxString(tree.MakeDir("data")), wxID_CANCEL);
    std::string chosen = "/previous/";
    EXPECT_FALSE(ChooseFolder(chosen));
    EXPECT_EQ(chosen, "");
}

TEST(ChooseFolder, TheRootComesBackAsRootAndTakesNoSecondSlash) {
    FolderAnswer answer("/", wxID_OK);
    std::string chosen;
    ASSERT_TRUE(ChooseFolder(chosen));
    EXPECT_EQ(chosen, "/");
    AppendBackslash(chosen);
    EXPECT_EQ(chosen, "/");
}

TEST(ChooseFolder, RefusesAnythingButAnExistingFolder) {
    TempTree tree;
    for (const std::string& path : {tree.WriteFile("file.txt", "x"), tree.Path("gone")}) {
        SCOPED_TRACE(path);
        FolderAnswer answer(wxString(path), wxID_OK);
        std::string chosen = "previous";
        EXPECT_FALSE(ChooseFolder(chosen));
        EXPECT_EQ(chosen, "");
    }
}

TEST(ChooseFolder, KeepsTheBytesOfANameThatIsNotUtf8) {
    TempTree tree;
    const std::string folder = tree.MakeDir("caf\xE9");
    FolderAnswer answer(wxString(folder.c_str(), *wxConvFileName), wxID_OK);
    std::string chosen;
    ASSERT_TRUE(ChooseFolder(chosen));
    EXPECT_EQ(chosen, folder);
}
